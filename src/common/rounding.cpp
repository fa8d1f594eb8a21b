#include "common/rounding.h"

#include <cmath>

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

}  // namespace tv
