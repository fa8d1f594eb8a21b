#include "common/user_text.h"

namespace tv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::vector<MarkedText>& list()
{
    static std::vector<MarkedText> texts;
    return texts;
}

}  // namespace

const std::vector<MarkedText>& markedTexts()
{
    return list();
}

bool detail::listText(std::string_view context, std::string_view text, bool pattern, std::string_view one)
{
    list().push_back({context, text, pattern, one});
    return true;
}

UserText::UserText(std::string_view source, std::string_view one, long long count, std::vector<Piece> pieces,
                   std::string_view context)
    : m_context(context), m_source(source), m_one(one), m_count(count), m_pieces(std::move(pieces))
{
}

std::string_view englishPlural(std::string_view one, std::string_view other, long long count)
{
    return count == 1 ? one : other;
}

std::string fillCount(std::string_view text, long long count)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += std::to_string(count);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

UserText finishedText(std::string text)
{
    UserText t;
    t.m_finished = std::move(text);
    return t;
}

UserText declaredText(std::string_view context, const char* text)
{
    UserText t;
    t.m_context = context;
    t.m_source = text;
    if (t.m_source.empty()) t.m_context = {};
    return t;
}

UserText textLines(UserText first, UserText second, std::string_view lineBreak)
{
    if (second.empty()) return first;
    if (first.empty()) return second;
    const std::string_view pattern = lineBreak == "\r\n"   ? "%1\r\n%2"
                                     : lineBreak == "\n\r" ? "%1\n\r%2"
                                     : lineBreak == "\n\n" ? "%1\n\n%2"
                                                           : "%1\n%2";
    // No context: a layout of the pieces, never looked up.
    return UserText(pattern, {}, 0, {UserText::Piece(std::move(first)), UserText::Piece(std::move(second))}, {});
}

std::string UserText::english() const
{
    if (finished()) return m_finished;
    std::vector<std::string> args;
    args.reserve(m_pieces.size());
    for (const Piece& p : m_pieces) args.push_back(p.marked ? p.marked->english() : p.finished);
    if (!plural()) return m_pieces.empty() ? std::string(m_source) : fillPattern(m_source, args);
    return fillPattern(fillCount(englishPlural(m_one, m_source, m_count), m_count), args);
}

std::string fillPattern(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        // %1 … %99, as Qt numbers its placeholders.
        if (pattern[i] == '%' && i + 1 < pattern.size() && isDigit(pattern[i + 1]) && pattern[i + 1] != '0') {
            std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '0');
            std::size_t width = 1;
            if (i + 2 < pattern.size() && isDigit(pattern[i + 2]) && n * 10 + (pattern[i + 2] - '0') <= args.size()) {
                n = n * 10 + static_cast<std::size_t>(pattern[i + 2] - '0');
                width = 2;
            }
            if (n <= args.size()) {
                out += args[n - 1];
                i += width;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace tv
