#include "common/rounding.h"

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

// The decimals that keep 12 significant digits of a magnitude from 0.004 up, never fewer than 3: 14 below
// 0.01, 11 from 1 to 10, 3 from 10^8 on.
int decimalsFor(double magnitude)
{
    static constexpr double kPowers[] = {1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    int decimals = 14;
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
    // Below 0.004 nothing reaches half a cent, even at 12 digits.
    if (magnitude < 0.004) return 0;
    const int decimals = decimalsFor(magnitude);
    // magnitude = m x 2^e exactly, so magnitude x 10^d = (m x 5^d) x 2^(e + d): the scaled value in integers,
    // rounded half up to the whole unit of its last decimal (ties there cannot come from 12 digits that
    // matter), then to the cent, halves away from zero.
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
    const std::uint64_t divisor = kPowersOfTen[decimals - 2];
    const auto whole = static_cast<std::uint64_t>(units / divisor);
    const auto rest = static_cast<std::uint64_t>(units % divisor);
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
