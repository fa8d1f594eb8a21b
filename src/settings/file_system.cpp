#include "settings/file_system.h"

#include "common/user_text.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>

namespace tv {

namespace {

// The folder part of a path ("." for a bare file name).
std::string folderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// strerror_r comes in two flavours; both give the system's text for an error number.
[[maybe_unused]] std::string pickText(int result, const char* buffer)
{
    return result == 0 ? buffer : "error";
}
[[maybe_unused]] std::string pickText(const char* result, const char*)
{
    return result;
}
std::string errorText(int error)
{
    char buffer[256] = {};
    return pickText(::strerror_r(error, buffer, sizeof buffer), buffer);
}

UserText withError(const UserText& what, int error)
{
    return composeText<"%1 (%2)">(what, errorText(error));
}

// 1048576 -> "1,048,576".
std::string grouped(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

// Why something other than a regular file is refused.
UserText kindReason(mode_t mode)
{
    if (S_ISDIR(mode)) return userText<"it is a folder, not a file">();
    if (S_ISFIFO(mode)) return userText<"it is a named pipe, not a file">();
    if (S_ISSOCK(mode)) return userText<"it is a socket, not a file">();
    if (S_ISCHR(mode) || S_ISBLK(mode)) return userText<"it is a device, not a file">();
    return userText<"it is not a regular file">();
}

// Closes a descriptor when it goes out of scope (a killed process's files are closed by the system too).
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

// A file with no write permission bit is read-only, even for the superuser (whom access() lets write anything).
bool writable(const std::string& path, const struct stat& st)
{
    return ::access(path.c_str(), W_OK) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// The file a save replaces: `path`, or the file its symbolic links lead to when each link is the user's own
// (someone else's link could point the save at any file the user can write). Nothing, with `why`, when refused.
std::optional<std::string> resolveLinks(const std::string& path, UserText& why)
{
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno == ENOENT) return p;  // no file yet (its folder may be missing too)
            why = withError(userText<"it cannot be reached">(), errno);
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) {
            if (S_ISREG(st.st_mode)) return p;
            why = kindReason(st.st_mode);
            return std::nullopt;
        }
        if (st.st_uid != ::geteuid()) {
            why = userText<"it is a symbolic link that belongs to another user">();
            return std::nullopt;
        }
        char to[PATH_MAX];
        ssize_t n = ::readlink(p.c_str(), to, sizeof to - 1);
        if (n < 0) {
            why = withError(userText<"it cannot be reached">(), errno);
            return std::nullopt;
        }
        std::string next(to, static_cast<std::size_t>(n));
        p = next.front() == '/' ? next : folderOf(p) + "/" + next;
    }
    why = withError(userText<"it cannot be reached">(), ELOOP);
    return std::nullopt;
}

// Creates the folder and its missing parents (mkdir -p), readable by the user alone as a configuration folder
// is. Empty when it stands; otherwise why not.
UserText makeFolders(const std::string& folder)
{
    struct stat st;
    if (folder.empty() || ::stat(folder.c_str(), &st) == 0) return {};
    if (errno != ENOENT) return withError(composeText<"its folder %1 cannot be reached">(folder), errno);
    std::string parent = folderOf(folder);
    if (parent != folder && parent != ".") {
        UserText why = makeFolders(parent);
        if (!why.empty()) return why;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return withError(composeText<"its folder %1 cannot be created">(folder), errno);
    return {};
}

// Six letters or digits that make a temporary file's name unique; O_EXCL retries the rare repeat.
std::string randomSuffix()
{
    static std::atomic<unsigned long long> counter{0};
    unsigned long long x =
        (static_cast<unsigned long long>(::getpid()) << 32) ^
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (++counter * 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string s;
    for (int i = 0; i < 6; ++i, x /= 62) s += kAlphabet[x % 62];
    return s;
}

constexpr const char* kTemporaryInfix = ".tmp-";

// Removes what killed saves left beside the file. Only under the lock: every save holds it while its own
// temporary file exists, so none of these is being written.
void removeLeftovers(const std::string& folder, const std::string& fileName)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!DiskFileSystem::isTemporaryName(entry->d_name, fileName)) continue;
        std::string path = folder + "/" + entry->d_name;
        struct stat st;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}  // namespace

UserText tooLargeReason(std::size_t bytes)
{
    return composeText<"it is too large for a settings file (%1 bytes; at most %2)">(grouped(bytes),
                                                                                     grouped(kMaxSettingsFileBytes));
}

UserText tooLargeToWriteReason(std::size_t bytes)
{
    return composeText<"the new text would be too large for a settings file (%1 bytes; at most %2)">(
        grouped(bytes), grouped(kMaxSettingsFileBytes));
}

std::string absolutePath(const std::string& path)
{
    if (path.empty() || path.front() == '/') return path;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd)) return path;
    std::string relative = path.compare(0, 2, "./") == 0 ? path.substr(2) : path;
    std::string folder = cwd;
    return folder == "/" ? "/" + relative : folder + "/" + relative;
}

FileRead FileSystem::load(const std::string& path)
{
    std::optional<std::string> bytes = read(path);
    return bytes ? FileRead::read(std::move(*bytes)) : FileRead::missing();
}

SaveResult FileSystem::update(const std::string& path, const Edit& edit)
{
    FileRead old = load(path);
    if (old.status == FileRead::Status::Refused) return SaveResult::refused(old.reason);
    std::string text = edit(old.status == FileRead::Status::Read ? std::optional(old.bytes) : std::nullopt);
    if (text.size() > kMaxSettingsFileBytes) return SaveResult::refused(tooLargeToWriteReason(text.size()));
    if (!replace(path, text)) return SaveResult::refused(userText<"it could not be written">());
    return SaveResult::saved();
}

struct DiskFileSystem::Found {
    bool stopped = false;  // the process was killed while reading
    struct stat st {};     // the file's status, when it was read
};

bool DiskFileSystem::isTemporaryName(const std::string& name, const std::string& fileName)
{
    const std::string prefix = fileName + kTemporaryInfix;
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

FileRead DiskFileSystem::loadWithSteps(const std::string& path, Found& found)
{
    // Only a regular file is opened: a named pipe would block the reader and a device may act on an open.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return FileRead::missing();
        return FileRead::refused(withError(userText<"it cannot be read">(), errno));
    }
    if (!S_ISREG(st.st_mode)) return FileRead::refused(kindReason(st.st_mode));
    if (static_cast<std::size_t>(st.st_size) > kMaxSettingsFileBytes)
        return FileRead::refused(tooLargeReason(static_cast<std::size_t>(st.st_size)));
    // O_NONBLOCK as well: whatever replaced the file since the stat must not block the open.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) {
        if (errno == ENOENT) return FileRead::missing();
        return FileRead::refused(withError(userText<"it cannot be read">(), errno));
    }
    if (::fstat(file.fd, &st) != 0) return FileRead::refused(withError(userText<"it cannot be read">(), errno));
    if (!S_ISREG(st.st_mode)) return FileRead::refused(kindReason(st.st_mode));

    std::string bytes;
    char buffer[65536];
    for (;;) {
        std::size_t want = sizeof buffer;
        Outcome o = beforeStep(Step::Read, want);
        if (o == Outcome::Stop) {
            found.stopped = true;
            return FileRead::refused(userText<"the save was stopped">());
        }
        want = std::min(want, sizeof buffer);
        ssize_t n = -1;
        if (o == Outcome::Fail)
            errno = failureError(Step::Read);
        else
            n = ::read(file.fd, buffer, want);
        if (n < 0 && errno == EINTR && o == Outcome::Run) continue;
        if (n < 0) {
            if (bytes.empty()) return FileRead::refused(withError(userText<"it cannot be read">(), errno));
            return FileRead::refused(
                withError(composeText<"reading it failed after %1 bytes">(grouped(bytes.size())), errno));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxSettingsFileBytes) return FileRead::refused(tooLargeReason(bytes.size()));
    }
    found.st = st;
    return FileRead::read(std::move(bytes));
}

FileRead DiskFileSystem::load(const std::string& path)
{
    Found found;
    return loadWithSteps(path, found);
}

std::optional<std::string> DiskFileSystem::read(const std::string& path)
{
    FileRead r = load(path);
    if (r.status != FileRead::Status::Read) return std::nullopt;
    return std::move(r.bytes);
}

bool DiskFileSystem::exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool DiskFileSystem::replace(const std::string& path, const std::string& content)
{
    return static_cast<bool>(update(path, [&content](const std::optional<std::string>&) { return content; }));
}

SaveResult DiskFileSystem::update(const std::string& path, const Edit& edit)
{
    using R = SaveResult;
    const R stopped = R::refused(userText<"the save was stopped">());  // the process is dead: nobody sees this
    UserText why;
    std::optional<std::string> resolved = resolveLinks(path, why);
    if (!resolved) return R::refused(why);
    const std::string target = *resolved;
    const std::string folder = folderOf(target);
    why = makeFolders(folder);
    if (!why.empty()) return R::refused(why);

    // The lock file is never truncated or replaced, and a link or pipe in its place is refused, so the lock
    // cannot be turned against another file.
    const std::string lockName = lockPath(target);
    Descriptor lock(::open(lockName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
    const int openError = errno;
    const UserText notRegular = composeText<"the lock file %1 is not a regular file">(absolutePath(lockName));
    if (lock.fd < 0 && openError == ELOOP) return R::refused(notRegular);
    if (lock.fd < 0)
        return R::refused(
            withError(composeText<"the lock file %1 cannot be opened">(absolutePath(lockName)), openError));
    struct stat lockSt;
    if (::fstat(lock.fd, &lockSt) != 0 || !S_ISREG(lockSt.st_mode)) return R::refused(notRegular);
    std::size_t none = 0;
    Outcome o = beforeStep(Step::Lock, none);
    if (o == Outcome::Stop) return stopped;
    if (o == Outcome::Fail) return R::refused(withError(userText<"it cannot be locked">(), failureError(Step::Lock)));
    while (::flock(lock.fd, LOCK_EX) != 0)
        if (errno != EINTR) return R::refused(withError(userText<"it cannot be locked">(), errno));

    // Read, change and replace under the lock, so a save by another copy of the program comes wholly before
    // or wholly after this one.
    Found found;
    FileRead old = loadWithSteps(target, found);
    if (found.stopped) return stopped;
    if (old.status == FileRead::Status::Refused) return R::refused(old.reason);
    const bool had = old.status == FileRead::Status::Read;
    if (had && !writable(target, found.st)) return R::refused(userText<"it is read-only">());
    const std::string content = edit(had ? std::optional(std::move(old.bytes)) : std::nullopt);
    if (content.size() > kMaxSettingsFileBytes) return R::refused(tooLargeToWriteReason(content.size()));
    removeLeftovers(folder, fileNameOf(target));

    o = beforeStep(Step::Open, none);
    if (o == Outcome::Stop) return stopped;
    std::string tmp;
    int fd = -1;
    if (o == Outcome::Fail) {
        errno = failureError(Step::Open);
    } else {
        // A fresh name each time, never following a link planted under it.
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            tmp = target + kTemporaryInfix + randomSuffix();
            fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, had ? 0600 : 0644);
            if (fd < 0 && errno != EEXIST) break;
        }
    }
    if (fd < 0) return R::refused(withError(userText<"a temporary file cannot be created beside it">(), errno));
    Descriptor file(fd);
    auto failed = [&tmp](const UserText& what, int error) {
        ::unlink(tmp.c_str());
        return R::refused(withError(what, error));
    };
    // The new file keeps the old one's permissions and, where the system allows, its owner.
    if (had) {
        if (::fchmod(fd, found.st.st_mode & 07777) != 0)
            return failed(userText<"its permissions cannot be kept">(), errno);
        if ((found.st.st_uid != ::geteuid() || found.st.st_gid != ::getegid()) &&
            ::fchown(fd, found.st.st_uid, found.st.st_gid) != 0 && errno != EPERM)
            return failed(userText<"its owner cannot be kept">(), errno);
    }

    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        std::size_t bytes = left;
        o = beforeStep(Step::Write, bytes);
        if (o == Outcome::Stop) return stopped;
        bytes = std::min(bytes, left);
        if (o == Outcome::Fail) return failed(userText<"writing failed">(), failureError(Step::Write));
        ssize_t w = ::write(fd, p, bytes);
        if (w < 0 && errno == EINTR) continue;
        if (w < 0) return failed(userText<"writing failed">(), errno);
        if (w == 0) return failed(userText<"writing failed">(), ENOSPC);
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    o = beforeStep(Step::Sync, none);
    if (o == Outcome::Stop) return stopped;
    if (o == Outcome::Fail) return failed(userText<"flushing it to the disk failed">(), failureError(Step::Sync));
    if (::fsync(fd) != 0) return failed(userText<"flushing it to the disk failed">(), errno);
    o = beforeStep(Step::Close, none);
    if (o == Outcome::Stop) return stopped;
    file.fd = -1;
    if (::close(fd) != 0) return failed(userText<"closing the new file failed">(), errno);
    if (o == Outcome::Fail) return failed(userText<"closing the new file failed">(), failureError(Step::Close));
    o = beforeStep(Step::Rename, none);
    if (o == Outcome::Stop) return stopped;
    if (o == Outcome::Fail)
        return failed(userText<"the new file cannot take the old one's place">(), failureError(Step::Rename));
    if (std::rename(tmp.c_str(), target.c_str()) != 0)
        return failed(userText<"the new file cannot take the old one's place">(), errno);

    // The rename reaches the disk with the folder. If this flush fails, the new file stands for every
    // reader; only a power cut before the system writes the folder could bring back the old one, whole.
    o = beforeStep(Step::SyncFolder, none);
    if (o == Outcome::Stop || o == Outcome::Fail) return R::saved();
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
    return R::saved();
}

FileSystem& FileSystem::disk()
{
    static DiskFileSystem fs;
    return fs;
}

}  // namespace tv
