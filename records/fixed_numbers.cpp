#include "records/fixed_numbers.h"

#include "base/fields.h"
#include "base/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vantor {
namespace {

// `units` (the value times 10^decimals, already rounded) as "-int,fraction".
std::string withComma(std::int64_t units, int decimals) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    std::string fraction = std::to_string(magnitude % static_cast<std::uint64_t>(scale));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / static_cast<std::uint64_t>(scale));
    if (decimals > 0) out += "," + fraction;
    return out;
}

std::int64_t scaledUnits(double value, double scale) {
    if (!std::isfinite(value)) return 0;
    const double scaled = value * scale;
    // Ratings are small; anything beyond this is nonsense that must still not overflow.
    constexpr double limit = 9.0e15;
    if (scaled > limit) return static_cast<std::int64_t>(limit);
    if (scaled < -limit) return -static_cast<std::int64_t>(limit);
    return roundHalfEven(scaled);
}

} // namespace

std::string ratingSixDecimals(double rating) {
    return padLeft(withComma(scaledUnits(rating, 1e6), 6), 10);
}

std::string ratingTwoDecimals(double rating, std::size_t width) {
    return padLeft(withComma(scaledUnits(rating, 100.0), 2), width);
}

std::string ratingWhole(double rating, std::size_t width) {
    return clampedField(scaledUnits(rating, 1.0), width);
}

std::optional<double> parseRatingText(std::string_view text) {
    std::string copy(trim(text));
    for (char& c : copy) {
        if (c != ' ' && c != '-' && (c < '0' || c > '9')) {
            c = '.';
            break;
        }
    }
    if (copy.empty()) return std::nullopt;
    double value = 0;
    const char* first = copy.data();
    const char* last = copy.data() + copy.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::int64_t clampToWidth(std::int64_t value, std::size_t width) {
    if (width == 0) return 0;
    const std::size_t digits = std::min<std::size_t>(width, 18);
    std::int64_t max = 1;
    for (std::size_t i = 0; i < digits; ++i) max *= 10;
    max -= 1;
    std::int64_t min = 0;
    if (width > 1) {
        std::int64_t negative = 1;
        for (std::size_t i = 0; i + 1 < std::min<std::size_t>(width, 19); ++i) negative *= 10;
        min = -(negative - 1);
    }
    return std::clamp(value, min, max);
}

std::string clampedField(std::int64_t value, std::size_t width, bool* clamped) {
    const std::int64_t fitted = clampToWidth(value, width);
    if (clamped && fitted != value) *clamped = true;
    return rightAligned(fitted, width);
}

} // namespace vantor
