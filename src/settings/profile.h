#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/file_system.h"

namespace tv {

// A profile (INI) file: sections in square brackets, "key=value" lines, ";" comments. Section and key
// names match without regard to case; the first matching section and key win. A CR, an LF or a CR LF ends
// a line. A UTF-8 byte order mark that an editor put in front of the first line is not part of it; a file
// in UTF-16 with its byte order mark is read as text and written back in UTF-16.
class ProfileFile {
public:
    explicit ProfileFile(std::string path, FileSystem& fs = FileSystem::disk());

    const std::string& path() const { return m_path; }

    // The integer of a key: the leading number of its value ("100,000" -> 100, "15.5" -> 15, "-3" -> -3,
    // "abc" or blank -> 0), limited to the 32-bit range; the default when the file or key is missing.
    // The file is read and split once, at the first look-up; later ones use what that read found.
    std::int32_t readInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
    // The raw value of a key, or nothing.
    std::optional<std::string> readString(const std::string& section, const std::string& key) const;
    // The integer readInt gives for a key holding `value`.
    static std::int32_t intOf(const std::string& value);

    // When the file is there but could not be read whole (not a regular file, unreadable, too large, a read
    // failing part-way): the message that tells the user, naming the file and the reason. Every key then reads
    // as missing, and no save replaces the file. Nothing when the file was read or is missing.
    std::optional<UserText> problem() const;

    // Sets the keys in order, each replacing its value or being added to the section (created, with the
    // file and its folder, when missing), keeping every other line as it was, line ends and encoding
    // included; read, changed and written as one change that no other save of the file comes between.
    // A line break inside a value is written as a blank, so a value never adds lines of its own.
    // When refused, the file is unchanged and the result says why.
    SaveResult writeStrings(const std::string& section, const std::vector<std::pair<std::string, std::string>>& keys);
    SaveResult writeString(const std::string& section, const std::string& key, const std::string& value)
    {
        return writeStrings(section, {{key, value}});
    }

    // The text with the keys set, as writeStrings would write it (no file access).
    static std::string applyKeys(const std::string& text, const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& keys);

private:
    // The file as one read found it: each section's keys (by lower-case names, the first of each), or why
    // the file could not be read.
    struct Contents {
        FileRead::Status status = FileRead::Status::Missing;
        UserText reason;
        std::map<std::string, std::map<std::string, std::string>> sections;
    };
    const Contents& contents() const;
    static Contents parse(const std::string& text);

    std::string m_path;
    FileSystem& m_fs;
    mutable std::optional<Contents> m_contents;
};

// The section every key of the program lives in.
inline constexpr const char* kIniSection = "TarvolinDefaults";

}  // namespace tv
