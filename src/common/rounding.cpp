#include "common/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tv {

double roundHalfEven(double value)
{
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

namespace {

constexpr std::uint64_t kPowersOfTen[] = {
    1,         10,         100,         1000,         10000,         100000,         1000000,         10000000,
    100000000, 1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000, 1000000000000000};

// The decimals of 15 significant digits of a magnitude from 0.004 to 10^15, from 17 below 0.01 down to 2.
int decimalsFor(double magnitude)
{
    static constexpr double kPowers[] = {1e-2, 1e-1, 1e0, 1e1, 1e2,  1e3,  1e4, 1e5,
                                         1e6,  1e7,  1e8, 1e9, 1e10, 1e11, 1e12};
    int decimals = 17;
    for (double power : kPowers) {
        if (magnitude < power) break;
        --decimals;
    }
    return decimals;
}

}  // namespace

std::optional<Cents> centsOf(double amount)
{
    if (!std::isfinite(amount)) return std::nullopt;
    const double magnitude = std::fabs(amount);
    if (magnitude > kMaxCentsAmount) return std::nullopt;
    // Below 0.004 nothing comes near half a cent.
    if (magnitude < 0.004) return 0;
    const int decimals = decimalsFor(magnitude);
    // The 15 significant digits: magnitude = m x 2^e exactly, so magnitude x 10^d = (m x 5^d) x 2^(e + d), an
    // integer shifted by e + d bits, rounded half up on the bits shifted out.
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    const auto m = static_cast<UInt128>(std::ldexp(mantissa, 53));
    UInt128 five = 1;
    for (int i = 0; i < decimals; ++i) five *= 5;
    const UInt128 scaled = m * five;
    const int shift = 53 - exponent - decimals;
    UInt128 units = 0;
    if (shift <= 0) {
        units = scaled << -shift;
    } else if (shift < 128) {
        units = scaled >> shift;
        if ((scaled >> (shift - 1)) & 1) ++units;
    }
    auto digits = static_cast<std::uint64_t>(units);
    // Digits 13 to 15 within a tenth of a unit of the 12th, and within 256 units in the last place of the
    // double, are the noise of binary arithmetic: the value is taken to 12 significant digits (where that keeps
    // the cents), so 9.31499999999987 is 9.315, while 234,938,592.7549038 stays below the half cent.
    if (decimals >= 5) {
        const std::uint64_t beyond = digits % 1000;
        const auto off = static_cast<double>(std::min(beyond, 1000 - beyond));
        if ((beyond <= 100 || beyond >= 900) && off * std::pow(10.0, -decimals) <= std::ldexp(256.0, exponent - 53))
            digits = (digits + 500) / 1000 * 1000;
    }
    const std::uint64_t divisor = kPowersOfTen[decimals - 2];
    const std::uint64_t whole = digits / divisor;
    const std::uint64_t rest = digits % divisor;
    const auto cents = static_cast<Cents>(whole + (2 * rest >= divisor ? 1 : 0));
    return amount < 0 ? -cents : cents;
}

double roundToCent(double amount)
{
    const std::optional<Cents> cents = centsOf(amount);
    return cents ? dollarsOf(*cents) : 0.0;
}

std::optional<Decimal12> toDecimal12(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return Decimal12{};
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.11e", value);  // d.ddddddddddde+XX
    char* end = nullptr;
    const int exponent = static_cast<int>(std::strtol(std::strchr(buf, 'e') + 1, &end, 10));
    std::int64_t digits = 0;
    bool negative = false;
    for (const char* p = buf; *p != 'e'; ++p) {
        if (*p == '-') negative = true;
        if (*p >= '0' && *p <= '9') digits = digits * 10 + (*p - '0');
    }
    Decimal12 d{negative ? -digits : digits, exponent - 11};
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

}  // namespace tv
