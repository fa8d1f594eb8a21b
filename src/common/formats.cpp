#include "common/formats.h"

#include <cmath>
#include <cstdio>

#include "common/numbers.h"

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

Digits roundedDigits(double magnitude, int decimals)
{
    // 80 decimals are far beyond where two doubles of a displayable size can differ, so the digits
    // printed decide ties exactly as the binary value does.
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

std::string grouped(const std::string& integer, const Locale& locale)
{
    std::string out;
    int n = static_cast<int>(integer.size());
    for (int i = 0; i < n; ++i) {
        out += integer[static_cast<std::size_t>(i)];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out += locale.groupSeparator;
    }
    return out;
}

struct Style {
    int decimals;
    bool trimFraction;  // "#,###.###": optional decimals
    bool group;
    bool money;
    bool percent;
};

std::string format(double value, const Style& style, const Locale& locale)
{
    Digits d = roundedDigits(std::fabs(value), style.decimals);
    bool negative = value < 0 && !d.isZero();
    if (style.trimFraction)
        while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
    std::string body = style.group ? grouped(d.integer, locale) : d.integer;
    if (!d.fraction.empty()) body += locale.decimalPoint + d.fraction;
    if (style.percent) body += '%';
    if (style.money) {
        body = locale.currencySymbol + body;
        if (negative) return locale.negativeCurrencyInParentheses ? "(" + body + ")" : "-" + body;
        return body;
    }
    return negative ? "-" + body : body;
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

}  // namespace tv
