#pragma once
// The decimal checksums of the record files: over the byte values of a text, the sum of all
// bytes, of the bytes at even positions and of the bytes at positions divisible by three
// (positions counted from one). The files write each sum as zero-padded decimal digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct TTripleSum {
    std::uint64_t all = 0;
    std::uint64_t even = 0;
    std::uint64_t third = 0;

    bool operator==(const TTripleSum&) const = default;
    TTripleSum& operator+=(const TTripleSum& other) {
        all += other.all;
        even += other.even;
        third += other.third;
        return *this;
    }
};

// Sums over `text`; `firstPosition` is the one-based position of text[0] in the whole, so a text
// may be summed in pieces.
TTripleSum tripleSum(std::string_view text, std::uint64_t firstPosition = 1);

// `value` as exactly `digits` decimal digits with leading zeros; a value too large for the field
// keeps its lowest digits (the files' fields are wide enough for every sum they hold).
std::string zeroPadded(std::uint64_t value, std::size_t digits);

// The three sums written one after another, each in `digits` digits.
std::string formatTripleSum(const TTripleSum& sum, std::size_t digits);

// Reads three fields of `digits` decimal digits each (digits only, nothing else); nullopt when
// the text is shorter or any character is not a digit.
std::optional<TTripleSum> parseTripleSum(std::string_view text, std::size_t digits);

} // namespace vantor
