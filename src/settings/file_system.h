#pragma once

#include <cerrno>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "common/user_text.h"

namespace tv {

// Files larger than this are refused whole: a settings file is a few hundred bytes.
inline constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

// What reading a file found: its bytes, no file, or a file that cannot be read whole (and why).
struct FileRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    std::string bytes;  // the whole file, when read
    UserText reason;    // when refused: "it is a named pipe, not a file", "it cannot be read (Permission denied)"

    static FileRead read(std::string bytes) { return {Status::Read, std::move(bytes), {}}; }
    static FileRead missing() { return {}; }
    static FileRead refused(UserText reason) { return {Status::Refused, {}, std::move(reason)}; }
};

// What a save did: saved, or why the file was left as it was.
struct SaveResult {
    UserText reason;  // empty when saved; otherwise a phrase such as "it is read-only" or "writing failed (...)"

    explicit operator bool() const { return reason.empty(); }
    static SaveResult saved() { return {}; }
    static SaveResult refused(UserText why) { return {std::move(why)}; }
};

// Why a file too large for a settings file is refused (`bytes` is its size), and a save that would make one.
UserText tooLargeReason(std::size_t bytes);
UserText tooLargeToWriteReason(std::size_t bytes);

// The path with the current folder in front when it is relative, as a message names a file.
std::string absolutePath(const std::string& path);

// The file layer under the settings file: reading a whole file and replacing one as a single change.
// The desktop and the tests use the real disk; fault-injection tests substitute their own.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The file's bytes, or nothing when it is missing or cannot be read whole (load tells which).
    virtual std::optional<std::string> read(const std::string& path) = 0;
    // Writes `content` to a temporary file beside `path`, then renames it over `path`, so the file is
    // either the old one or the new one. False when any step failed; the old file is then untouched.
    virtual bool replace(const std::string& path, const std::string& content) = 0;
    // True when something (a file, a link, a pipe ...) stands at `path`.
    virtual bool exists(const std::string& path) = 0;

    // The file as read, telling a missing file from one that cannot be read whole.
    virtual FileRead load(const std::string& path);

    // The new text of a file from its old one (nothing when there was no file).
    using Edit = std::function<std::string(const std::optional<std::string>& old)>;
    // Reads the file, asks `edit` for its new text and replaces the file with it, as one change that no
    // other save of the file comes between. A file that is there but cannot be read whole is never
    // replaced: the reason is returned instead.
    virtual SaveResult update(const std::string& path, const Edit& edit);

    static FileSystem& disk();
};

// The real disk. A save is a fixed sequence of steps: lock the lock file beside the file, read the file (one
// or more reads), open a new temporary file, write it (one or more writes), flush it to the disk, close it,
// rename it over the file, flush the folder. Reading the settings at start-up takes the Read steps alone.
// `beforeStep` is the seam of the fault-injection tests: it can make a step fail as the system would (a full
// disk, a read-only folder, a failing drive), or stop the save there as a killed process would.
class DiskFileSystem : public FileSystem {
public:
    enum class Step { Lock, Read, Open, Write, Sync, Close, Rename, SyncFolder };
    enum class Outcome {
        Run,   // the step runs
        Fail,  // the step fails with failureError(step): a save removes its temporary file and reports why
        Stop,  // the process dies here: nothing more happens, not even the clean-up
    };

    std::optional<std::string> read(const std::string& path) override;
    bool replace(const std::string& path, const std::string& content) override;
    bool exists(const std::string& path) override;
    FileRead load(const std::string& path) override;
    SaveResult update(const std::string& path, const Edit& edit) override;

    // The lock file every save of `path` holds (flock) from before its read until after its rename.
    static std::string lockPath(const std::string& path) { return path + ".lock"; }
    // True for the name of a temporary file a save of the file named `fileName` writes ("<name>.tmp-XXXXXX").
    // One left behind by a killed save is never read; the next save removes it.
    static bool isTemporaryName(const std::string& name, const std::string& fileName);

protected:
    // Asked before every step. A Read or Write step is asked before each read or write call with the bytes it
    // is about to move; lowering `bytes` makes that call a short one, so a failure can come part-way through.
    // A failing SyncFolder comes after the rename: the new file stands and the save still succeeds.
    virtual Outcome beforeStep(Step step, std::size_t& bytes)
    {
        (void)step;
        (void)bytes;
        return Outcome::Run;
    }
    // The error number a step made to fail reports (an I/O error unless a test chooses another).
    virtual int failureError(Step step)
    {
        (void)step;
        return EIO;
    }

private:
    struct Found;  // what a read under a save's lock learnt of the file (file_system.cpp)
    FileRead loadWithSteps(const std::string& path, Found& found);
};

// Files in memory, for the tests, the fuzz targets and the random sessions: files over the size limit are
// refused as on the disk; it counts the reads and the replaces and can refuse replaces, as a full disk does.
class MemoryFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override
    {
        FileRead r = load(path);
        if (r.status != FileRead::Status::Read) return std::nullopt;
        return r.bytes;
    }
    FileRead load(const std::string& path) override
    {
        ++reads;
        auto it = files.find(path);
        if (it == files.end()) return FileRead::missing();
        if (it->second.size() > kMaxSettingsFileBytes) return FileRead::refused(tooLargeReason(it->second.size()));
        return FileRead::read(it->second);
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool replace(const std::string& path, const std::string& content) override
    {
        ++replaces;
        if (refuseWrites) return false;
        files[path] = content;
        return true;
    }
    SaveResult update(const std::string& path, const Edit& edit) override
    {
        SaveResult r = FileSystem::update(path, edit);
        if (!r && refuseWrites)
            return SaveResult::refused(
                composeText<"%1 (%2)">(userText<"writing failed">(), std::string("No space left on device")));
        return r;
    }

    std::map<std::string, std::string> files;
    int reads = 0;
    int replaces = 0;
    bool refuseWrites = false;
};

}  // namespace tv
