#pragma once
// Real values are rounded to the nearest integer with halves to even, unless a rule says truncate.

#include <cmath>
#include <cstdint>

namespace vantor {

inline std::int64_t roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5) {
        result = floor + 1.0;
    } else if (diff == 0.5) {
        result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    }
    return static_cast<std::int64_t>(result);
}

} // namespace vantor
