#include "common/numbers.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace tv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";

bool hasPrefix(std::string_view s, std::string_view p)
{
    return !p.empty() && s.substr(0, p.size()) == p;
}

bool hasSuffix(std::string_view s, std::string_view p)
{
    return !p.empty() && s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

bool holds(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

// A few texts, without allocating: a box's text is read at every change of what it shows.
class Texts {
public:
    Texts(std::initializer_list<std::string_view> items)
    {
        for (std::string_view item : items) add(item);
    }
    void add(std::string_view item)
    {
        if (m_count < m_items.size()) m_items[m_count++] = item;
    }
    const std::string_view* begin() const { return m_items.data(); }
    const std::string_view* end() const { return m_items.data() + m_count; }

private:
    std::array<std::string_view, 8> m_items{};
    std::size_t m_count = 0;
};

// What a locale's typed numbers may hold besides digits. en_US: blanks are a space or a tab, "," groups,
// "." is the point, "$" comes before the amount.
struct Reading {
    std::string_view decimal;
    Texts groups{};
    Texts blanks{" ", "\t"};
    Texts signs{};
    Texts symbols{};
    bool symbolAfter;
    bool blanksBesideSymbol;

    explicit Reading(const Locale& l)
        : decimal(l.decimalSeparator.empty() ? std::string_view(".") : std::string_view(l.decimalSeparator)),
          symbolAfter(l.currencyPlace == CurrencyPlace::After),
          blanksBesideSymbol(!l.currencySpace.empty() || !l.percentSpace.empty())
    {
        if (!l.groupSeparator.empty() && l.groupSeparator != decimal) groups.add(l.groupSeparator);
        if (l.groupSeparator == "\u2019") groups.add("'");  // de_CH 1’234.56, typed with an apostrophe
        // Comma-decimal locales group with a point or a space as well, whichever their keyboards and habits give.
        const bool commaDecimal = decimal == ",";
        if (commaDecimal)
            for (std::string_view g :
                 {std::string_view("."), std::string_view(" "), kNoBreakSpace, kNarrowNoBreakSpace})
                groups.add(g);
        if (commaDecimal || holds(l.groupSeparator, kNoBreakSpace) || holds(l.groupSeparator, kNarrowNoBreakSpace) ||
            holds(l.currencySpace, kNoBreakSpace) || holds(l.currencySpace, kNarrowNoBreakSpace) ||
            !l.percentSpace.empty())
            for (std::string_view b : {kNoBreakSpace, kNarrowNoBreakSpace}) blanks.add(b);
        // The locale's own first, so that a minus or symbol beginning with "-" or "$" ("$U") is not cut short.
        if (!l.minusSign.empty() && l.minusSign != "-") signs.add(l.minusSign);
        signs.add("-");
        signs.add("+");
        if (!l.currencySymbol.empty() && l.currencySymbol != "$") symbols.add(l.currencySymbol);
        symbols.add("$");
    }

    // The length of the item `s` starts (ends) with, 0 for none.
    static std::size_t startOf(std::string_view s, const Texts& items)
    {
        for (std::string_view item : items)
            if (hasPrefix(s, item)) return item.size();
        return 0;
    }
    static std::size_t endOf(std::string_view s, const Texts& items)
    {
        for (std::string_view item : items)
            if (hasSuffix(s, item)) return item.size();
        return 0;
    }
    void trimFront(std::string_view& s) const
    {
        while (std::size_t n = startOf(s, blanks)) s.remove_prefix(n);
    }
    void trimBack(std::string_view& s) const
    {
        while (std::size_t n = endOf(s, blanks)) s.remove_suffix(n);
    }
};

}  // namespace

std::optional<double> parseBoxValue(std::string_view text, const Locale& locale)
{
    const Reading r(locale);
    std::string_view s = text;
    r.trimFront(s);
    r.trimBack(s);
    if (s.empty()) return 0.0;

    bool negative = false;
    if (s.front() == '(' && s.back() == ')') {
        negative = true;
        s = s.substr(1, s.size() - 2);
    }
    auto eatSymbolBefore = [&] {
        const std::size_t n = Reading::startOf(s, r.symbols);
        s.remove_prefix(n);
        if (n && r.blanksBesideSymbol) r.trimFront(s);
        return n > 0;
    };
    auto eatSign = [&] {
        const std::size_t n = Reading::startOf(s, r.signs);
        if (n && s.front() != '+') negative = !negative;
        s.remove_prefix(n);
    };
    // "$-5", "-$5", "$5", "-5" are all accepted, each sign or symbol at most once; so are "-5 €" and "5 €"
    // where the locale's symbol follows the amount.
    bool hadSymbol = eatSymbolBefore();
    eatSign();
    if (!hadSymbol) hadSymbol = eatSymbolBefore();
    if (!hadSymbol && r.symbolAfter) {
        if (const std::size_t n = Reading::endOf(s, r.symbols)) {
            s.remove_suffix(n);
            if (r.blanksBesideSymbol) r.trimBack(s);
        }
    }
    if (!s.empty() && s.back() == '%') {
        s.remove_suffix(1);
        if (r.blanksBesideSymbol) r.trimBack(s);  // "20 %"
    }

    std::string digits;
    digits.reserve(s.size());
    bool seenDigit = false;
    bool seenPoint = false;
    bool seenExponent = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::string_view rest = s.substr(i);
        const char c = s[i];
        const std::size_t group = Reading::startOf(rest, r.groups);
        if (isDigit(c)) {
            digits += c;
            seenDigit = true;
        } else if (group && !seenPoint && !seenExponent && seenDigit) {
            i += group - 1;
        } else if (hasPrefix(rest, r.decimal) && !seenPoint && !seenExponent) {
            digits += '.';
            seenPoint = true;
            i += r.decimal.size() - 1;
        } else if ((c == 'e' || c == 'E') && seenDigit && !seenExponent && i + 1 < s.size()) {
            digits += 'e';
            seenExponent = true;
            if (s[i + 1] == '-' || s[i + 1] == '+') digits += s[++i];
            if (i + 1 >= s.size() || !isDigit(s[i + 1])) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(digits.c_str(), &end);
    if (end == digits.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return 0.0;
    return negative ? -value : value;
}

double readBoxValue(std::string_view text, const Locale& locale)
{
    return parseBoxValue(text, locale).value_or(0.0);
}

double leadingNumber(std::string_view text, const Locale& locale)
{
    const Reading r(locale);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (std::size_t n = Reading::startOf(text.substr(i), r.signs)) {
        number += text[i] == '+' ? '+' : '-';
        i += n;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            number += text[i++];
            seenDigit = true;
        } else if (!seenPoint && hasPrefix(text.substr(i), r.decimal)) {
            number += '.';
            seenPoint = true;
            i += r.decimal.size();
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value) || value == 0.0) return 0.0;
    return value;
}

std::string plainText(double value, const Locale& locale)
{
    if (!std::isfinite(value) || value == 0.0) return "0";
    bool negative = value < 0;
    char buf[64];
    // "d.dddddddddddddde[+-]XX": 15 significant digits, then rebuilt as a plain decimal.
    std::snprintf(buf, sizeof buf, "%.14e", negative ? -value : value);
    // Just below the largest double, the 15 digits rounded up lie beyond it and would not read back: the
    // largest 15-digit number below it stands for them.
    if (!std::isfinite(std::strtod(buf, nullptr))) std::snprintf(buf, sizeof buf, "%s", "1.79769313486231e+308");
    std::string s(buf);
    std::size_t ePos = s.find('e');
    int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mantissa = s.substr(0, 1) + s.substr(2, ePos - 2);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out;
    int intDigits = exponent + 1;
    if (intDigits <= 0) {
        out = "0";
        out += locale.decimalSeparator.empty() ? std::string(".") : locale.decimalSeparator;
        out.append(static_cast<std::size_t>(-intDigits), '0');
        out += mantissa;
    } else if (static_cast<std::size_t>(intDigits) >= mantissa.size()) {
        out = mantissa;
        out.append(static_cast<std::size_t>(intDigits) - mantissa.size(), '0');
    } else {
        out = mantissa.substr(0, static_cast<std::size_t>(intDigits));
        out += locale.decimalSeparator.empty() ? std::string(".") : locale.decimalSeparator;
        out += mantissa.substr(static_cast<std::size_t>(intDigits));
    }
    if (out == "0") return out;
    return negative ? "-" + out : out;
}

}  // namespace tv
