#pragma once
// Number fields of the record files: ratings with a decimal comma, clamped integer fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Rating with exactly six decimals and ",", right-aligned in 10: 0.25 -> "  0,250000".
std::string ratingSixDecimals(double rating);

// Rating rounded to two decimals with ",", right-aligned in `width`: 0.25 -> "  0,25".
std::string ratingTwoDecimals(double rating, std::size_t width = 6);

// A rating rounded to a whole number, right-aligned in `width`.
std::string ratingWhole(double rating, std::size_t width = 6);

// Reads a rating as the files write it: the first character that is not a space, "-" or digit is
// the decimal mark (",", "." or anything else). nullopt for anything that is not a plain number.
std::optional<double> parseRatingText(std::string_view text);

// `value` limited to what `width` characters can show (a "-" takes one of them), so a number too
// wide for its field is written as the nearest value that fits instead of shifting the columns.
std::int64_t clampToWidth(std::int64_t value, std::size_t width);

// Right-aligned decimal in exactly `width` characters, clamped as above; `clamped` (when given)
// is set when the value had to change.
std::string clampedField(std::int64_t value, std::size_t width, bool* clamped = nullptr);

} // namespace vantor
