#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace tv {

// The file layer under the settings file: reading a whole file and replacing one as a single change.
// The desktop and the tests use the real disk; fault-injection tests substitute their own.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The file's bytes, or nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> read(const std::string& path) = 0;
    // Writes `content` to a temporary file beside `path`, then renames it over `path`, so the file is
    // either the old one or the new one. False when any step failed; the old file is then untouched.
    virtual bool replace(const std::string& path, const std::string& content) = 0;

    static FileSystem& disk();
};

// Files larger than this are read only up to it: a settings file is a few hundred bytes.
inline constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

// The real disk. A save is a fixed sequence of steps: open the temporary file, write it (one or more
// writes), flush it to the disk, close it, rename it over the file, flush the folder. `beforeStep` is the
// seam of the fault-injection tests: it can make a step fail as the system would (a full disk, a read-only
// folder), or stop the save there as a killed process would.
class DiskFileSystem : public FileSystem {
public:
    enum class Step { Open, Write, Sync, Close, Rename, SyncFolder };
    enum class Outcome {
        Run,   // the step runs
        Fail,  // the step fails: the save removes its temporary file and reports false
        Stop,  // the process dies here: nothing more happens, not even the clean-up
    };

    std::optional<std::string> read(const std::string& path) override;
    bool replace(const std::string& path, const std::string& content) override;

    // The temporary file a save writes first. One left behind by a killed save is never read, and the
    // next save truncates and reuses it.
    static std::string temporaryPath(const std::string& path) { return path + ".tmp"; }

protected:
    // Asked before every step. A Write step is asked before each write call with the bytes it is about to
    // write; lowering `bytes` makes that call a short write, so a failure can come part-way through.
    // A failing SyncFolder comes after the rename: the new file stands and the save still succeeds.
    virtual Outcome beforeStep(Step step, std::size_t& bytes)
    {
        (void)step;
        (void)bytes;
        return Outcome::Run;
    }
};

// Files in memory, for the tests, the fuzz targets and the random sessions: reads are limited as on the disk;
// it counts the replaces and can refuse them, as a full disk or a read-only folder does.
class MemoryFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override
    {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.substr(0, kMaxSettingsFileBytes);
    }
    bool replace(const std::string& path, const std::string& content) override
    {
        ++replaces;
        if (refuseWrites) return false;
        files[path] = content;
        return true;
    }

    std::map<std::string, std::string> files;
    int replaces = 0;
    bool refuseWrites = false;
};

}  // namespace tv
