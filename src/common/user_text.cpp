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

bool detail::listText(std::string_view text, bool pattern)
{
    list().push_back({text, pattern});
    return true;
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
