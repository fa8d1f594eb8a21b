#pragma once

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

}  // namespace tv
