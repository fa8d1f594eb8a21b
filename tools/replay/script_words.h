#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tv::replay_detail {

// Blanks between the words of a script line: spaces and tabs (and the other ASCII white space).
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Reads a script line word by word; a command that takes raw text asks for the rest of the line.
class ScriptWords {
public:
    explicit ScriptWords(std::string_view line) : m_line(line) {}

    // The next word, or empty at the end of the line.
    std::string_view next();
    // Everything after the single blank that follows the last word read, blanks kept (possibly empty).
    std::string_view restAfterOneBlank() const;
    // Everything after the last word read, leading blanks removed.
    std::string_view restTrimmed() const;
    // True when only blanks are left.
    bool atEnd() const { return restTrimmed().empty(); }

private:
    std::string_view m_line;
    std::size_t m_pos = 0;
};

// A whole word as a non-negative decimal integer (no sign, no blanks); nothing when it is not one.
std::optional<int> parseCount(std::string_view word);

// A name as written in a script: [FORM.]NAME[(INDEX)].
struct NameRef {
    std::string form;  // empty when not given
    std::string name;
    int index = -1;  // -1 when not given
};

// Parses a name; nothing when it is malformed (empty parts, an index that is not a count, text after it).
std::optional<NameRef> parseNameRef(std::string_view word);

// A word shortened for an error message.
std::string shown(std::string_view word);

}  // namespace tv::replay_detail
