#pragma once
// Texts the program makes for its user: messages, the reasons inside them, captions, titles, cells. Each is written
// where it is made and marked there: userText<"…">() for a whole message, formText<"Form", "…">() for a text of one
// form, composeText<"… %1 …">(…) for a pattern with pieces (an amount, a path, a reason), pluralText for words a
// count decides. Numbers, amounts, dates and paths are formatted in the user's locale first and go in as finished
// pieces; nothing is ever parsed back out of a composed text. Every marked text linked into a program is listed
// before main runs, so the translation files hold every one of them (tarvolin-texts lists them).
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

class UserText;
// Two texts one above the other (lines of a message), each in the user's language; nothing between them to
// translate. An empty one leaves the other alone. The line break is "\n", "\r\n", the older "\n\r", or "\n\n" for
// an empty line between them.
UserText textLines(UserText first, UserText second, std::string_view lineBreak = "\n");
template <FixedText T>
UserText userText();
template <FixedText Context, FixedText T>
UserText formText();
template <FixedText T, typename... Args>
UserText composeText(Args&&... args);
template <FixedText Context, FixedText T, typename... Args>
UserText composeFormText(Args&&... args);
template <FixedText One, FixedText Other, typename... Args>
UserText pluralText(long long count, Args&&... args);

// A text marked where it is made: its English pattern, its pieces (each a finished text, such as a number or an
// amount in the user's locale, or a marked text of its own) and, for a plural text, the count whose plural form
// the user's language picks. Or a finished text: one already in the user's language and locale (an amount, a
// date, a path, what the user typed), shown as it is. Every setter of a text the user reads takes one, so a text
// that is neither marked nor said to be finished does not compile; the front ends put it into the user's
// language as they show it (renderText).
class UserText {
public:
    struct Piece;

    // The empty text.
    UserText() = default;

    // The English text (what a program without a translation shows).
    std::string english() const;
    bool empty() const { return m_source.empty() && m_finished.empty() && m_pieces.empty(); }
    // A text already in the user's language and locale, shown as it is.
    bool finished() const { return m_source.empty(); }
    const std::string& finishedText() const { return m_finished; }

    std::string_view context() const { return m_context; }
    std::string_view source() const { return m_source; }
    std::string_view one() const { return m_one; }
    bool plural() const { return !m_one.empty(); }
    long long count() const { return m_count; }
    const std::vector<Piece>& pieces() const { return m_pieces; }

private:
    // Made only by the markers below.
    UserText(std::string_view source, std::string_view one, long long count, std::vector<Piece> pieces,
             std::string_view context = kMessagesContext);
    template <FixedText T>
    friend UserText userText();
    template <FixedText Context, FixedText T>
    friend UserText formText();
    template <FixedText T, typename... Args>
    friend UserText composeText(Args&&... args);
    template <FixedText Context, FixedText T, typename... Args>
    friend UserText composeFormText(Args&&... args);
    template <FixedText One, FixedText Other, typename... Args>
    friend UserText pluralText(long long count, Args&&... args);
    friend UserText finishedText(std::string text);
    friend UserText declaredText(std::string_view context, const char* text);
    friend UserText textLines(UserText first, UserText second, std::string_view lineBreak);

    std::string_view m_context;
    std::string_view m_source;  // empty for a finished text
    std::string_view m_one;
    long long m_count = 0;
    std::vector<Piece> m_pieces;
    std::string m_finished;
};

// A text already in the user's language and locale (an amount formatted for the locale, a date, a path, the
// user's own words), shown as it is.
UserText finishedText(std::string text);
// A text of a form's declaration table (a control's caption or tool-tip, a menu item), translated among that
// form's texts; the table is the marker (tarvolin-texts lists every declared text).
UserText declaredText(std::string_view context, const char* text);

struct UserText::Piece {
    // A finished piece: a number, an amount or a date in the user's locale, a path. Words are marked pieces.
    Piece(std::string text) : finished(std::move(text)) {}                         // NOLINT: implicit on purpose
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
template <FixedText Context, FixedText T, bool Pattern = false>
struct ListedInForm {
    static inline const bool done = listText(Context.view(), T.view(), Pattern);
};
template <FixedText One, FixedText Other>
struct ListedPlural {
    static inline const bool done = listText(kMessagesContext, Other.view(), true, One.view());
};
}  // namespace detail

// The texts of a constant table a form shows (a list's entries), listed among the form's texts before main runs,
// and shown with declaredText: `const bool listed = listTableTexts<"ColorFm">(kPresets, &Preset::name);`.
template <FixedText Context, typename Table, typename Entry>
bool listTableTexts(const Table& table, const char* Entry::*field)
{
    for (const Entry& e : table)
        if (e.*field) detail::listText(Context.view(), e.*field, false);
    return true;
}

template <FixedText Context, typename Table>
bool listTableTexts(const Table& table)
{
    for (const char* text : table) detail::listText(Context.view(), text, false);
    return true;
}

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

// A pattern of one form, translated among that form's texts: composeFormText<"History", "paying %1">(amount).
template <FixedText Context, FixedText T, typename... Args>
UserText composeFormText(Args&&... args)
{
    (void)detail::ListedInForm<Context, T, true>::done;
    return UserText(T.view(), {}, 0, {UserText::Piece(std::forward<Args>(args))...}, Context.view());
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
