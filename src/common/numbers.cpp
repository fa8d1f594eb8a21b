#include "common/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tv {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> parseBoxValue(std::string_view text, const Locale& locale)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    if (b == e) return 0.0;

    std::string_view s = text.substr(b, e - b);
    bool negative = false;
    if (s.front() == '(' && s.back() == ')') {
        negative = true;
        s = s.substr(1, s.size() - 2);
    }
    auto eatSymbol = [&] {
        const std::string& sym = locale.currencySymbol;
        if (!sym.empty() && s.substr(0, sym.size()) == sym) {
            s.remove_prefix(sym.size());
            return true;
        }
        return false;
    };
    auto eatSign = [&] {
        if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
            if (s.front() == '-') negative = !negative;
            s.remove_prefix(1);
            return true;
        }
        return false;
    };
    // "$-5", "-$5", "$5", "-5" are all accepted, each sign or symbol at most once.
    bool hadSymbol = eatSymbol();
    eatSign();
    if (!hadSymbol) eatSymbol();
    if (!s.empty() && s.back() == '%') s.remove_suffix(1);

    std::string digits;
    digits.reserve(s.size());
    bool seenDigit = false;
    bool seenPoint = false;
    bool seenExponent = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            digits += c;
            seenDigit = true;
        } else if (c == locale.groupSeparator && !seenPoint && !seenExponent && seenDigit) {
            continue;
        } else if (c == locale.decimalPoint && !seenPoint && !seenExponent) {
            digits += '.';
            seenPoint = true;
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
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            number += c;
            seenDigit = true;
        } else if (c == locale.decimalPoint && !seenPoint) {
            number += '.';
            seenPoint = true;
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
        out += locale.decimalPoint;
        out.append(static_cast<std::size_t>(-intDigits), '0');
        out += mantissa;
    } else if (static_cast<std::size_t>(intDigits) >= mantissa.size()) {
        out = mantissa;
        out.append(static_cast<std::size_t>(intDigits) - mantissa.size(), '0');
    } else {
        out = mantissa.substr(0, static_cast<std::size_t>(intDigits));
        out += locale.decimalPoint;
        out += mantissa.substr(static_cast<std::size_t>(intDigits));
    }
    if (out == "0") return out;
    return negative ? "-" + out : out;
}

}  // namespace tv
