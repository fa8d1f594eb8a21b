#pragma once

#include <cstdint>
#include <optional>

namespace tv {

// A double converted to a 16-bit count, rounding half to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// A value outside -32768..32767, or not finite, is not wrapped: the caller gets nothing and reports it.
std::optional<std::int16_t> toInt16(double value);

// Half-to-even rounding to a whole number, as the 16-bit conversion does, without a range.
double roundHalfEven(double value);

// Money in whole cents.
using Cents = std::int64_t;

// Exact products of cents and rates need 128 bits (GCC and Clang have them as an extension).
__extension__ typedef unsigned __int128 UInt128;
__extension__ typedef __int128 Int128;

// Amounts up to this size (in dollars) have a value in cents.
inline constexpr double kMaxCentsAmount = 1e15;

// An amount in whole cents as the screens show it: rounded to the cent with halves away from zero on its
// decimal value, the double's 15 significant digits (what its plain text writes), with digits 13 to 15 that lie
// within a tenth of the 12th digit taken as the noise of binary arithmetic (to 12 digits, where that keeps the
// cents). So 9.315 -> 932, 2.505 -> 251, 2.504999 -> 250, 9.31499999999987 -> 932, -3.125 -> -313 and
// 123456789.1545 -> 12345678915. Nothing for a value that is not finite or beyond kMaxCentsAmount in size.
std::optional<Cents> centsOf(double amount);

// The same amount back in dollars (0 for what centsOf refuses).
double roundToCent(double amount);

inline double dollarsOf(Cents cents)
{
    return static_cast<double>(cents) / 100.0;
}

// A double taken to 12 significant digits as an exact decimal: value = digits x 10^exponent, with the
// trailing zeros of digits removed (7.452 -> 7452 x 10^-3). Nothing for a value that is not finite.
struct Decimal12 {
    std::int64_t digits = 0;
    int exponent = 0;
};
std::optional<Decimal12> toDecimal12(double value);

}  // namespace tv
