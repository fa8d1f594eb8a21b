#pragma once
// Texts the program makes for its user outside a form's declaration: messages, the reasons inside them, titles.
// Each is written where it is used and marked there: userText<"…">() for a whole text, composeText<"… %1 …">(…) for
// a text made of a pattern and pieces (a path, a reason, a count). Every marked text linked into a program is listed
// before main runs, so the translation files can hold every one of them (tarvolin-texts lists them), and a
// translator can find a pattern in a finished text and translate its pieces too.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// A text as a template argument: userText<"Missing input">().
template <std::size_t N>
struct FixedText {
    consteval FixedText(const char (&s)[N]) { std::copy_n(s, N, text); }  // NOLINT: implicit on purpose
    constexpr std::string_view view() const { return {text, N - 1}; }
    char text[N]{};
};

struct MarkedText {
    std::string_view text;
    bool pattern = false;  // holds %1 … %9 placeholders
};

// Every text marked in the code linked into this program, in no particular order.
const std::vector<MarkedText>& markedTexts();

// Puts args into a pattern's %1 … %99; a placeholder without an arg stays as it is.
std::string fillPattern(std::string_view pattern, const std::vector<std::string>& args);

namespace detail {
bool listText(std::string_view text, bool pattern);
template <FixedText T, bool Pattern>
struct Listed {
    static inline const bool done = listText(T.view(), Pattern);
};
}  // namespace detail

template <FixedText T>
std::string userText()
{
    (void)detail::Listed<T, false>::done;
    return std::string(T.view());
}

template <FixedText T, typename... Args>
std::string composeText(const Args&... args)
{
    (void)detail::Listed<T, true>::done;
    return fillPattern(T.view(), {std::string(args)...});
}

}  // namespace tv
