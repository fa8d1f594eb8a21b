#include "replay/script_words.h"

#include <charconv>

namespace tv::replay_detail {

std::string_view ScriptWords::next()
{
    while (m_pos < m_line.size() && isBlank(m_line[m_pos])) ++m_pos;
    std::size_t start = m_pos;
    while (m_pos < m_line.size() && !isBlank(m_line[m_pos])) ++m_pos;
    return m_line.substr(start, m_pos - start);
}

std::string_view ScriptWords::restAfterOneBlank() const
{
    if (m_pos >= m_line.size()) return {};
    return m_line.substr(m_pos + 1);
}

std::string_view ScriptWords::restTrimmed() const
{
    std::size_t p = m_pos;
    while (p < m_line.size() && isBlank(m_line[p])) ++p;
    return m_line.substr(p);
}

std::optional<int> parseCount(std::string_view word)
{
    if (word.empty() || word.front() < '0' || word.front() > '9') return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::optional<NameRef> parseNameRef(std::string_view word)
{
    NameRef ref;
    std::size_t dot = word.find('.');
    if (dot != std::string_view::npos) {
        ref.form = std::string(word.substr(0, dot));
        word.remove_prefix(dot + 1);
        if (ref.form.empty()) return std::nullopt;
    }
    std::size_t open = word.find('(');
    if (open != std::string_view::npos) {
        if (word.back() != ')') return std::nullopt;
        std::optional<int> index = parseCount(word.substr(open + 1, word.size() - open - 2));
        if (!index) return std::nullopt;
        ref.index = *index;
        word = word.substr(0, open);
    } else if (word.find(')') != std::string_view::npos) {
        return std::nullopt;
    }
    if (word.empty()) return std::nullopt;
    ref.name = std::string(word);
    return ref;
}

std::string shown(std::string_view word)
{
    constexpr std::size_t kMax = 60;
    if (word.size() <= kMax) return std::string(word);
    return std::string(word.substr(0, kMax)) + "...";
}

}  // namespace tv::replay_detail
