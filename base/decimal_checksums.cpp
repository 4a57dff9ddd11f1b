#include "base/decimal_checksums.h"

namespace vantor {

TTripleSum tripleSum(std::string_view text, std::uint64_t firstPosition) {
    TTripleSum sum;
    std::uint64_t position = firstPosition;
    for (const char c : text) {
        const std::uint64_t byte = static_cast<unsigned char>(c);
        sum.all += byte;
        if (position % 2 == 0) sum.even += byte;
        if (position % 3 == 0) sum.third += byte;
        ++position;
    }
    return sum;
}

std::string zeroPadded(std::uint64_t value, std::size_t digits) {
    std::string out(digits, '0');
    for (std::size_t i = digits; i > 0 && value > 0; --i) {
        out[i - 1] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out;
}

std::string formatTripleSum(const TTripleSum& sum, std::size_t digits) {
    return zeroPadded(sum.all, digits) + zeroPadded(sum.even, digits) +
           zeroPadded(sum.third, digits);
}

std::optional<TTripleSum> parseTripleSum(std::string_view text, std::size_t digits) {
    if (digits == 0 || digits > 19 || text.size() < 3 * digits) return std::nullopt;
    std::uint64_t values[3] = {0, 0, 0};
    for (std::size_t field = 0; field < 3; ++field) {
        for (std::size_t i = 0; i < digits; ++i) {
            const char c = text[field * digits + i];
            if (c < '0' || c > '9') return std::nullopt;
            values[field] = values[field] * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    return TTripleSum{values[0], values[1], values[2]};
}

} // namespace vantor
