#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/file_system.h"

namespace tv {

// A profile (INI) file: sections in square brackets, "key=value" lines, ";" comments. Section and key
// names match without regard to case; the first matching section and key win. A UTF-8 byte order mark
// that an editor put in front of the first line is not part of it.
class ProfileFile {
public:
    explicit ProfileFile(std::string path, FileSystem& fs = FileSystem::disk());

    const std::string& path() const { return m_path; }

    // The integer of a key: the leading number of its value ("100,000" -> 100, "15.5" -> 15, "-3" -> -3,
    // "abc" or blank -> 0), limited to the 32-bit range; the default when the file or key is missing.
    std::int32_t readInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
    // The raw value of a key, or nothing.
    std::optional<std::string> readString(const std::string& section, const std::string& key) const;
    // The integer readInt gives for a key holding `value`.
    static std::int32_t intOf(const std::string& value);

    // Sets the keys in order, each replacing its value or being added to the section (created, with the
    // file, when missing), keeping every other line as it was, line ends included; written as one change.
    // A line break inside a value is written as a blank, so a value never adds lines of its own.
    // False when the file could not be written, or is too large to have been read whole (it is then
    // unchanged).
    bool writeStrings(const std::string& section, const std::vector<std::pair<std::string, std::string>>& keys);
    bool writeString(const std::string& section, const std::string& key, const std::string& value)
    {
        return writeStrings(section, {{key, value}});
    }

    // The text with the keys set, as writeStrings would write it (no file access beyond the read).
    static std::string applyKeys(const std::string& text, const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& keys);

    // The file's text, or nothing when there is none.
    std::optional<std::string> text() const { return m_fs.read(m_path); }

private:
    std::string m_path;
    FileSystem& m_fs;
};

// The section every key of the program lives in.
inline constexpr const char* kIniSection = "TarvolinDefaults";

}  // namespace tv
