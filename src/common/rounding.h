#pragma once

#include <cstdint>
#include <optional>

namespace tv {

// A double converted to a 16-bit count, rounding half to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// A value outside -32768..32767, or not finite, is not wrapped: the caller gets nothing and reports it.
std::optional<std::int16_t> toInt16(double value);

// Half-to-even rounding to a whole number, as the 16-bit conversion does, without a range.
double roundHalfEven(double value);

}  // namespace tv
