#pragma once
// Fixed-width fields of the program's text files: texts padded with spaces, numbers right-aligned.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// `text` cut or padded with spaces on the right to exactly `width` characters (bytes).
std::string padRight(std::string_view text, std::size_t width);

// `text` right-aligned in `width` characters: padded on the left, or cut to its last characters
// when it is longer, so a field never overflows into its neighbour.
std::string padLeft(std::string_view text, std::size_t width);

// A number right-aligned in `width` characters (same overflow rule as padLeft).
std::string rightAligned(std::int64_t value, std::size_t width);

// Removes trailing spaces (and tabs, CR, LF), as the files pad their texts.
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

// A whole decimal integer, optionally signed and surrounded by blanks; nullopt for anything
// else, including overflow of 64 bits.
std::optional<std::int64_t> parseInteger(std::string_view text);

// The field of `line` starting at the one-based position `from`, `width` characters long;
// shorter (or empty) when the line ends before it.
std::string_view fieldAt(std::string_view line, std::size_t from, std::size_t width);

} // namespace vantor
