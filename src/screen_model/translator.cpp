#include "screen_model/translator.h"

#include <cctype>

#include "screen_model/chart.h"
#include "screen_model/platform.h"

namespace tv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWith(std::string_view text, std::size_t at, std::string_view what)
{
    return !what.empty() && text.substr(at, what.size()) == what;
}

// The length of a number at `at` as the locale writes it (digits, with group and decimal separators, "-", ":" and
// "/" between digits: "1,234.56", "2025-01-15", "09:30"), with a currency symbol, a minus sign, a percent sign and
// enclosing parentheses around it; 0 when none starts there, or when a letter follows ("1st", "2x" are words).
std::size_t numberAt(std::string_view text, std::size_t at, const Locale& l)
{
    std::size_t i = at;
    auto skip = [&](std::string_view s) {
        if (startsWith(text, i, s)) {
            i += s.size();
            return true;
        }
        return false;
    };
    const bool open = skip("(");
    skip(l.minusSign) || skip("-");
    if (skip(l.currencySymbol) || skip("$")) skip(l.currencySpace);
    skip(l.minusSign) || skip("-");
    // An opening parenthesis without its closing one right after the number stays text: the number starts later.
    if (i >= text.size() || !isDigit(text[i])) return 0;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            ++i;
            continue;
        }
        // A separator counts only between digits.
        bool joined = false;
        for (std::string_view sep :
             {std::string_view(l.groupSeparator), std::string_view(l.decimalSeparator), std::string_view("."),
              std::string_view(","), std::string_view("-"), std::string_view(":"), std::string_view("/")}) {
            if (startsWith(text, i, sep) && i + sep.size() < text.size() && isDigit(text[i + sep.size()])) {
                i += sep.size();
                joined = true;
                break;
            }
        }
        if (!joined) break;
    }
    const std::size_t afterDigits = i;
    if (!(skip(l.currencySpace) && skip(l.currencySymbol))) {
        i = afterDigits;
        skip(l.currencySymbol);
    }
    const std::size_t beforePercent = i;
    if (!(skip(l.percentSpace) && skip("%"))) {
        i = beforePercent;
        skip("%");
    }
    if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) return 0;
    if (open && !skip(")")) return 0;
    return i - at;
}

// The words a locale's date pattern writes between a date's parts: its quoted texts ("d 'de' MMM 'de' y").
std::vector<std::string> dateWords(const Locale& l)
{
    std::vector<std::string> words;
    const std::string& p = l.shortDatePattern;
    for (std::size_t i = p.find('\''); i != std::string::npos; i = p.find('\'', i + 1)) {
        const std::size_t close = p.find('\'', i + 1);
        if (close == std::string::npos) break;
        std::string w = p.substr(i + 1, close - i - 1);
        while (!w.empty() && w.back() == ' ') w.pop_back();
        while (!w.empty() && w.front() == ' ') w.erase(w.begin());
        if (!w.empty()) words.push_back(w);
        i = close;
    }
    return words;
}

// The length of a month's abbreviation at `at` (with a following "."), 0 when none.
std::size_t monthAt(std::string_view text, std::size_t at, const Locale& l)
{
    for (const std::string& m : l.monthAbbreviations) {
        if (!startsWith(text, at, m)) continue;
        std::size_t end = at + m.size();
        if (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) continue;
        if (end < text.size() && text[end] == '.') ++end;
        return end - at;
    }
    return 0;
}

}  // namespace

TextPattern patternOf(std::string_view text, const Locale& locale)
{
    TextPattern p;
    std::size_t i = 0;
    while (i < text.size()) {
        // A file's path is one piece too: "/home/ann/.config/Tarvolin/Tarvolin.ini".
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] != ' ' &&
            (i == 0 || text[i - 1] == ' ' || text[i - 1] == '"' || text[i - 1] == '\n') && p.args.size() < 99) {
            std::size_t end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '"' && text[end] != '\n' && text[end] != '\r')
                ++end;
            p.args.emplace_back(text.substr(i, end - i));
            p.pattern += "%" + std::to_string(p.args.size());
            i = end;
            continue;
        }
        const std::size_t n = numberAt(text, i, locale);
        if (n == 0 || (i > 0 && std::isalpha(static_cast<unsigned char>(text[i - 1])))) {
            p.pattern += text[i++];
            continue;
        }
        // A date is one piece: "Aug 15, 2038", "15. Sept. 2051", "15 août 2051".
        std::size_t begin = i;
        bool month = false;
        for (const std::string& m : locale.monthAbbreviations) {
            const std::string before = m + " ";
            if (p.pattern.size() >= before.size() && p.pattern.ends_with(before)) {
                p.pattern.resize(p.pattern.size() - before.size());
                begin = i - before.size();
                month = true;
                break;
            }
        }
        std::size_t end = i + n;
        for (;;) {
            std::size_t j = end;
            while (j < text.size() && (text[j] == ' ' || text[j] == ',' || text[j] == '.')) ++j;
            // A word the date pattern writes between its parts ("de" in "15 de sept. de 2051").
            for (const std::string& word : dateWords(locale))
                if (j > end && startsWith(text, j, word + " ")) j += word.size() + 1;
            if (j == end) break;
            if (const std::size_t m = monthAt(text, j, locale); m > 0) {
                end = j + m;
                month = true;
            } else if (const std::size_t d = numberAt(text, j, locale); d > 0 && month) {
                end = j + d;
            } else {
                break;
            }
        }
        if (p.args.size() >= 99) {
            p.pattern += std::string(text.substr(begin, end - begin));
        } else {
            p.args.emplace_back(text.substr(begin, end - begin));
            p.pattern += "%" + std::to_string(p.args.size());
        }
        i = end;
    }
    return p;
}

namespace {

constexpr std::string_view kMessages = "Messages";

// The pieces of `text` that fill `pattern`'s placeholders, when the text is the pattern filled; each piece is at
// least one character, and a pattern that is placeholders alone matches nothing.
bool matchPattern(std::string_view pattern, std::string_view text, std::vector<std::string>& args)
{
    if (pattern.empty()) return text.empty();
    if (pattern[0] == '%' && pattern.size() > 1 && isDigit(pattern[1]) && pattern[1] != '0') {
        const auto n = static_cast<std::size_t>(pattern[1] - '0');
        const std::string_view rest = pattern.substr(2);
        if (args.size() < n) args.resize(n);
        if (rest.empty()) {
            args[n - 1] = std::string(text);
            return !text.empty() && text.find('\n') == std::string_view::npos;
        }
        const std::string_view next = rest.substr(0, rest.find('%'));
        if (next.empty()) return false;
        // Tries each place the following fixed text occurs, nearest first; a piece is one line at most.
        const std::size_t lineEnd = text.find('\n');
        for (std::size_t at = text.find(next, 1); at != std::string_view::npos && at <= lineEnd;
             at = text.find(next, at + 1)) {
            args[n - 1] = std::string(text.substr(0, at));
            if (matchPattern(rest, text.substr(at), args)) return true;
        }
        return false;
    }
    const std::size_t literal = std::min(pattern.find('%', 1), pattern.size());
    if (text.substr(0, literal) != pattern.substr(0, literal)) return false;
    return matchPattern(pattern.substr(literal), text.substr(literal), args);
}

// A marked pattern's translation with its pieces translated, the most specific pattern (longest fixed text) first.
std::optional<std::string> translateComposed(const Translator& translator, std::string_view context,
                                             std::string_view text)
{
    std::optional<std::string> best;
    std::size_t bestFixed = 0;
    for (const MarkedText& m : markedTexts()) {
        // A form's own text is that form's; a message is found wherever it is shown.
        if (m.context != kMessagesContext && m.context != context) continue;
        if (!m.pattern) {
            if (m.text == text)
                if (std::optional<std::string> t = translator.find(m.context, m.text)) return t;
            continue;
        }
        std::vector<std::string> args;
        if (!matchPattern(m.text, text, args)) continue;
        const std::size_t fixed = m.text.size() - std::min(m.text.size(), 2 * args.size());
        if (fixed == 0 || (best && fixed <= bestFixed)) continue;
        // Marked texts and their pieces are the program's messages, wherever they are shown.
        const std::optional<std::string> t = translator.find(m.context, m.text);
        if (!t) continue;
        for (std::string& a : args) a = translate(translator, kMessages, a);
        best = fillPattern(*t, args);
        bestFixed = fixed;
    }
    return best;
}

}  // namespace

std::string translate(const Translator& translator, std::string_view context, std::string_view text)
{
    bool letters = false;
    for (char c : text) letters = letters || std::isalpha(static_cast<unsigned char>(c));
    if (!letters) return std::string(text);
    if (std::optional<std::string> t = translator.find(context, text)) return *t;
    TextPattern p = patternOf(text);
    if (!p.args.empty())
        if (std::optional<std::string> t = translator.find(context, p.pattern)) return fillPattern(*t, p.args);
    if (std::optional<std::string> t = translateComposed(translator, context, text)) return *t;
    // A message or title of several lines (a table's terms under its heading) is translated a line at a time.
    if (const std::size_t br = text.find('\n'); br != std::string_view::npos && context == kMessages) {
        // The line break is "\n", "\r\n" or the older "\n\r".
        const std::size_t end = br > 0 && text[br - 1] == '\r' ? br - 1 : br;
        const std::size_t next = br + 1 < text.size() && text[br + 1] == '\r' ? br + 2 : br + 1;
        return translate(translator, context, text.substr(0, end)) + std::string(text.substr(end, next - end)) +
               translate(translator, context, text.substr(next));
    }
    return std::string(text);
}

std::string renderText(const Translator* translator, const UserText& text)
{
    if (!translator) return text.english();
    std::vector<std::string> args;
    args.reserve(text.pieces().size());
    for (const UserText::Piece& p : text.pieces())
        args.push_back(p.marked ? renderText(translator, *p.marked) : translate(*translator, kMessages, p.finished));
    if (text.plural()) {
        const std::optional<std::string> t = translator->findPlural(text.context(), text.source(), text.count());
        const std::string_view pattern =
            t ? std::string_view(*t) : englishPlural(text.one(), text.source(), text.count());
        return fillPattern(fillCount(pattern, text.count()), args);
    }
    const std::optional<std::string> t = translator->find(text.context(), text.source());
    const std::string_view pattern = t ? std::string_view(*t) : text.source();
    return args.empty() && !t ? std::string(pattern) : fillPattern(pattern, args);
}

void translateTable(const Translator& translator, std::string_view context, TableDocument& table)
{
    table.title = translate(translator, context, table.title);
    for (auto& row : table.rows)
        for (std::string& cell : row) cell = translate(translator, context, cell);
}

void translateChart(const Translator& translator, std::string_view context, Chart& chart)
{
    auto tr = [&](std::string& text) { text = translate(translator, context, text); };
    tr(chart.title);
    for (ChartAxis* a : {&chart.x, &chart.y, &chart.right}) {
        tr(a->title);
        tr(a->unit);
    }
    for (std::string& category : chart.categories) tr(category);
    for (ChartSeries& s : chart.series) tr(s.name);
}

}  // namespace tv
