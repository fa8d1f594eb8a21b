#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include <unistd.h>

#include "settings/file_system.h"

namespace tv::test {

// A fresh temporary directory for one test's settings files.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-settings-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_dir / name); }

private:
    std::filesystem::path m_dir;
};

// Files in memory; counts the writes and can refuse them, as a full disk or a read-only folder does.
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

}  // namespace tv::test
