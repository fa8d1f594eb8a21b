#include "settings/file_system.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace tv {

namespace {

// The folder part of a path, for flushing the rename to the disk ("." for a bare file name).
std::string folderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::optional<std::string> DiskFileSystem::read(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string content;
    char buf[8192];
    std::size_t n = 0;
    while (content.size() < kMaxSettingsFileBytes && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
        content.append(buf, n);
    std::fclose(f);
    if (content.size() > kMaxSettingsFileBytes) content.resize(kMaxSettingsFileBytes);
    return content;
}

bool DiskFileSystem::replace(const std::string& path, const std::string& content)
{
    const std::string tmp = temporaryPath(path);
    std::size_t none = 0;
    // A killed process leaves everything as it is; the system closes its files.
    auto stop = [](int fd) {
        if (fd >= 0) ::close(fd);
        return false;
    };

    Outcome o = beforeStep(Step::Open, none);
    if (o == Outcome::Stop) return stop(-1);
    int fd = o == Outcome::Fail ? -1 : ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;

    bool ok = true;
    const char* p = content.data();
    std::size_t left = content.size();
    while (ok && left > 0) {
        std::size_t bytes = left;
        o = beforeStep(Step::Write, bytes);
        if (o == Outcome::Stop) return stop(fd);
        bytes = std::min(bytes, left);
        ssize_t w = o == Outcome::Fail ? -1 : ::write(fd, p, bytes);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            ok = false;
            break;
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (ok) {
        o = beforeStep(Step::Sync, none);
        if (o == Outcome::Stop) return stop(fd);
        if (o == Outcome::Fail || ::fsync(fd) != 0) ok = false;
    }
    o = beforeStep(Step::Close, none);
    if (o == Outcome::Stop) return stop(fd);
    if (::close(fd) != 0 || o == Outcome::Fail) ok = false;
    if (ok) {
        o = beforeStep(Step::Rename, none);
        if (o == Outcome::Stop) return false;
        if (o == Outcome::Fail || std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    }
    if (!ok) {
        std::remove(tmp.c_str());
        return false;
    }
    // The rename reaches the disk with the folder. If this flush fails, the new file stands for every
    // reader; only a power cut before the system writes the folder could bring back the old one, whole.
    o = beforeStep(Step::SyncFolder, none);
    if (o == Outcome::Stop || o == Outcome::Fail) return true;
    int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

FileSystem& FileSystem::disk()
{
    static DiskFileSystem fs;
    return fs;
}

}  // namespace tv
