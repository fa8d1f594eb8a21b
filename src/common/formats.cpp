#include "common/formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "common/numbers.h"
#include "common/rounding.h"

namespace tv {

namespace {

// The decimal digits of |value| rounded half away from zero to `decimals` places: integer part and
// fraction part as digit strings.
struct Digits {
    std::string integer;
    std::string fraction;
    bool isZero() const
    {
        return integer.find_first_not_of('0') == std::string::npos &&
               fraction.find_first_not_of('0') == std::string::npos;
    }
};

// The digits as printf prints them with 80 decimals: far beyond where two doubles of a displayable size can
// differ, so the digits printed decide ties exactly as the binary value does. Slow (multi-precision
// printing), so only for the values the integer method below does not cover.
Digits printedDigits(double magnitude, int decimals)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.80f", magnitude);
    std::string s(buf);
    std::size_t point = s.find('.');
    std::string integer = s.substr(0, point);
    std::string fraction = s.substr(point + 1);
    bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
    fraction.resize(static_cast<std::size_t>(decimals));
    if (roundUp) {
        std::string all = integer + fraction;
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9') all[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<std::size_t>(i)];
        integer = all.substr(0, all.size() - static_cast<std::size_t>(decimals));
        fraction = all.substr(all.size() - static_cast<std::size_t>(decimals));
    }
    return {integer, fraction};
}

// Below this magnitude, magnitude x 10^decimals (decimals <= 3) stays below 2^63.
constexpr double kIntegerRoundingLimit = 1e15;
constexpr std::uint64_t kPowersOfFive[] = {1, 5, 25, 125};

// The same digits by exact integer arithmetic: magnitude = m x 2^e with m a 53-bit integer, so
// magnitude x 10^d = (m x 5^d) x 2^(e + d), an integer shifted right by s bits; the bits shifted out decide
// the rounding (half away from zero: up when they are at least half of 2^s).
Digits roundedDigits(double magnitude, int decimals)
{
    // Two decimals are money: rounded to the cent as every amount is (12 significant digits, then half up).
    if (decimals == 2) {
        if (const std::optional<Cents> cents = centsOf(magnitude)) {
            std::string all = std::to_string(*cents);
            if (all.size() < 3) all.insert(0, 3 - all.size(), '0');
            return {all.substr(0, all.size() - 2), all.substr(all.size() - 2)};
        }
    }
    if (!(magnitude < kIntegerRoundingLimit) || decimals < 0 || decimals > 3) return printedDigits(magnitude, decimals);
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);  // [0.5, 1), or 0
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const std::uint64_t scaled = m * kPowersOfFive[decimals];  // below 2^60
    const int shift = 53 - exponent - decimals;                // >= 0 below the limit
    std::uint64_t rounded = 0;
    if (shift <= 0) {
        rounded = scaled << -shift;
    } else if (shift < 64) {
        rounded = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        if (rest >= (std::uint64_t{1} << (shift - 1))) ++rounded;
    }  // else: below 2^-4, which rounds to 0
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, rounded);
    std::string all(buf, end);
    if (all.size() < static_cast<std::size_t>(decimals) + 1)
        all.insert(0, static_cast<std::size_t>(decimals) + 1 - all.size(), '0');
    const std::size_t split = all.size() - static_cast<std::size_t>(decimals);
    return {all.substr(0, split), all.substr(split)};
}

// The integer digits with the locale's group separators: a primary group next to the decimal separator,
// secondary groups further left, none at all below the locale's minimum ("1234" in es_ES).
std::string grouped(const std::string& integer, const Locale& locale)
{
    const int n = static_cast<int>(integer.size());
    const int primary = locale.primaryGroup;
    const int secondary = locale.secondaryGroup > 0 ? locale.secondaryGroup : primary;
    if (primary <= 0 || locale.groupSeparator.empty() || n - primary < std::max(1, locale.minimumGroupingDigits))
        return integer;
    std::vector<int> cuts;  // digits left of each separator, largest first
    for (int cut = n - primary; cut > 0; cut -= secondary) cuts.push_back(cut);
    std::string out;
    int from = 0;
    for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
        out.append(integer, static_cast<std::size_t>(from), static_cast<std::size_t>(*cut - from));
        out += locale.groupSeparator;
        from = *cut;
    }
    out.append(integer, static_cast<std::size_t>(from));
    return out;
}

struct Style {
    int decimals;
    bool trimFraction;  // "#,###.###": optional decimals
    bool group;
    bool money;
    bool percent;
};

std::string minusOf(const Locale& locale)
{
    return locale.minusSign.empty() ? "-" : locale.minusSign;
}

std::string money(const std::string& amount, bool negative, const Locale& locale)
{
    const bool before = locale.currencyPlace == CurrencyPlace::Before;
    const std::string& symbol = locale.currencySymbol;
    const std::string& space = locale.currencySpace;
    const std::string minus = negative && locale.negativeMoney != NegativeMoney::Parentheses ? minusOf(locale) : "";
    if (before && locale.negativeMoney == NegativeMoney::MinusAfterSymbol) return symbol + space + minus + amount;
    const std::string text = before ? symbol + space + amount : amount + space + symbol;
    if (negative && locale.negativeMoney == NegativeMoney::Parentheses) return "(" + text + ")";
    return minus + text;
}

std::string format(double value, const Style& style, const Locale& locale)
{
    Digits d = roundedDigits(std::fabs(value), style.decimals);
    bool negative = value < 0 && !d.isZero();
    if (style.trimFraction)
        while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
    std::string body = style.group ? grouped(d.integer, locale) : d.integer;
    if (!d.fraction.empty()) body += (locale.decimalSeparator.empty() ? "." : locale.decimalSeparator) + d.fraction;
    if (style.percent) body += locale.percentSpace + '%';
    if (style.money) return money(body, negative, locale);
    return negative ? minusOf(locale) + body : body;
}

}  // namespace

std::string formatNumber(double value, std::string_view fmt, const Locale& locale)
{
    if (!std::isfinite(value)) return plainText(value, locale);
    if (fmt == kMoneyFormat || fmt == kCurrencyFormat) return format(value, {2, false, true, true, false}, locale);
    if (fmt == kDurationFormat) return format(value, {3, true, true, false, false}, locale);
    if (fmt == kWholeFormat) return format(value, {0, false, true, false, false}, locale);
    if (fmt == kPercentFormat) return format(value, {0, false, false, false, true}, locale);
    if (fmt == kStandardFormat) return format(value, {2, false, true, false, false}, locale);
    if (fmt == kFixed2Format) return format(value, {2, false, false, false, false}, locale);
    if (fmt == kFixed3Format) return format(value, {3, false, false, false, false}, locale);
    return plainText(value, locale);
}

std::string displayText(std::string_view text, std::string_view fmt, const Locale& locale)
{
    if (fmt.empty()) return std::string(text);
    if (text.find_first_not_of(" \t") == std::string_view::npos) return std::string(text);
    std::optional<double> value = parseBoxValue(text, locale);
    if (!value) return std::string(text);
    return formatNumber(*value, fmt, locale);
}

std::string dateText(int year, int month, int day, const Locale& locale)
{
    auto twoDigits = [](int n) {
        std::string text = std::to_string(std::abs(n) % 100);
        return text.size() < 2 ? "0" + text : text;
    };
    const std::string& pattern = locale.shortDatePattern;
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {  // 'text' as it is; '' is a quote
            std::size_t end = pattern.find('\'', i + 1);
            if (end == i + 1) {
                out += '\'';
            } else {
                out.append(pattern, i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            }
            i = end == std::string::npos ? pattern.size() : end + 1;
            continue;
        }
        std::size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c) ++n;
        if (c == 'd' && n <= 2) {
            out += n == 1 ? std::to_string(day) : twoDigits(day);
        } else if (c == 'M') {
            if (n >= 3)
                out += locale.monthAbbreviations[static_cast<std::size_t>(((month - 1) % 12 + 12) % 12)];
            else
                out += n == 1 ? std::to_string(month) : twoDigits(month);
        } else if (c == 'y') {
            out += n == 2 ? twoDigits(year) : std::to_string(year);
        } else if (c != 'd') {  // a weekday (ddd, dddd) is not shown
            out.append(n, c);
        }
        i += n;
    }
    return out;
}

std::string withCurrency(const std::string& amount, const Locale& locale)
{
    return locale.currencyPlace == CurrencyPlace::Before ? locale.currencySymbol + locale.currencySpace + amount
                                                         : amount + locale.currencySpace + locale.currencySymbol;
}

std::string withPercent(const std::string& number, const Locale& locale)
{
    return number + locale.percentSpace + "%";
}

}  // namespace tv
