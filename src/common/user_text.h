#pragma once
// Texts the program makes for its user outside a form's declaration: messages, the reasons inside them, titles.
// Each is written where it is used and marked there: userText<"…">() for a whole text, composeText<"… %1 …">(…) for
// a text made of a pattern and pieces (a path, a reason, a count). Every marked text linked into a program is listed
// before main runs, so the translation files can hold every one of them (tarvolin-texts lists them), and a
// translator can find a pattern in a finished text and translate its pieces too.
#include <algorithm>
#include <cstddef>
#include <memory>
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

// Where a marked text is translated unless it names a form: among the program's messages.
inline constexpr std::string_view kMessagesContext = "Messages";

struct MarkedText {
    std::string_view context;  // the form it belongs to ("Mervane"), or kMessagesContext
    std::string_view text;     // the key the translations are found under (a plural text's plural form)
    bool pattern = false;      // holds %1 … %9 placeholders
    std::string_view one;      // a plural text's English form for a count of one ("%n calculation"), else empty
};

// Every text marked in the code linked into this program, in no particular order.
const std::vector<MarkedText>& markedTexts();

// Puts args into a pattern's %1 … %99; a placeholder without an arg stays as it is.
std::string fillPattern(std::string_view pattern, const std::vector<std::string>& args);

// A text marked where it is made: its English pattern, its pieces (each a finished text, such as a number or an
// amount in the user's locale, or a marked text of its own) and, for a plural text, the count whose plural form
// the user's language picks. Front ends put it into the user's language as they show it (renderText); until
// every text is one, it also reads as its English text.
class UserText {
public:
    struct Piece;

    // The English text (what a program without a translation shows).
    std::string english() const;
    operator std::string() const { return english(); }  // NOLINT: implicit while texts are made as strings

    std::string_view context() const { return m_context; }
    std::string_view source() const { return m_source; }
    std::string_view one() const { return m_one; }
    bool plural() const { return !m_one.empty(); }
    long long count() const { return m_count; }
    const std::vector<Piece>& pieces() const { return m_pieces; }

    // Builders for the markers below.
    UserText(std::string_view source, std::string_view one, long long count, std::vector<Piece> pieces,
             std::string_view context = kMessagesContext);

private:
    std::string_view m_context;
    std::string_view m_source;
    std::string_view m_one;
    long long m_count = 0;
    std::vector<Piece> m_pieces;
};

struct UserText::Piece {
    Piece(std::string text) : finished(std::move(text)) {}                         // NOLINT: implicit on purpose
    Piece(const char* text) : finished(text) {}                                    // NOLINT
    Piece(std::string_view text) : finished(text) {}                               // NOLINT
    Piece(UserText text) : marked(std::make_shared<UserText>(std::move(text))) {}  // NOLINT
    std::string finished;
    std::shared_ptr<const UserText> marked;
};

// A plural text's English form for a count: "1 calculation", "2 calculations".
std::string_view englishPlural(std::string_view one, std::string_view other, long long count);
// Puts the count into %n.
std::string fillCount(std::string_view text, long long count);

namespace detail {
bool listText(std::string_view context, std::string_view text, bool pattern, std::string_view one = {});
template <FixedText T, bool Pattern>
struct Listed {
    static inline const bool done = listText(kMessagesContext, T.view(), Pattern);
};
template <FixedText Context, FixedText T>
struct ListedInForm {
    static inline const bool done = listText(Context.view(), T.view(), false);
};
template <FixedText One, FixedText Other>
struct ListedPlural {
    static inline const bool done = listText(kMessagesContext, Other.view(), true, One.view());
};
}  // namespace detail

template <FixedText T>
UserText userText()
{
    (void)detail::Listed<T, false>::done;
    return UserText(T.view(), {}, 0, {});
}

// A text of one form (a caption, a title), translated among that form's texts: formText<"Mervane", "&Payment:">().
template <FixedText Context, FixedText T>
UserText formText()
{
    (void)detail::ListedInForm<Context, T>::done;
    return UserText(T.view(), {}, 0, {}, Context.view());
}

template <FixedText T, typename... Args>
UserText composeText(Args&&... args)
{
    (void)detail::Listed<T, true>::done;
    return UserText(T.view(), {}, 0, {UserText::Piece(std::forward<Args>(args))...});
}

// A text whose words depend on a count, in each language's plural forms: pluralText<"%n calculation",
// "%n calculations">(count); %1 … for its other pieces.
template <FixedText One, FixedText Other, typename... Args>
UserText pluralText(long long count, Args&&... args)
{
    (void)detail::ListedPlural<One, Other>::done;
    return UserText(Other.view(), One.view(), count, {UserText::Piece(std::forward<Args>(args))...});
}

}  // namespace tv
