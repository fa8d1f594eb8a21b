#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
    // The temporary files saves of `fileName` left in the folder.
    std::vector<std::string> temporaries(const std::string& fileName = "Tarvolin.ini") const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            if (DiskFileSystem::isTemporaryName(entry.path().filename().string(), fileName))
                names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_dir;
};

}  // namespace tv::test
