#include "settings/file_system.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tv {

namespace {

class DiskFileSystem : public FileSystem {
public:
    std::optional<std::string> read(const std::string& path) override
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

    bool replace(const std::string& path, const std::string& content) override
    {
        std::string tmp = path + ".tmp";
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return false;
        const char* p = content.data();
        std::size_t left = content.size();
        bool ok = true;
        while (left > 0) {
            ssize_t w = ::write(fd, p, left);
            if (w <= 0) {
                ok = false;
                break;
            }
            p += w;
            left -= static_cast<std::size_t>(w);
        }
        if (ok && ::fsync(fd) != 0) ok = false;
        if (::close(fd) != 0) ok = false;
        if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
        if (!ok) std::remove(tmp.c_str());
        return ok;
    }
};

}  // namespace

FileSystem& FileSystem::disk()
{
    static DiskFileSystem fs;
    return fs;
}

}  // namespace tv
