#include "base/scramble.h"

#include <array>
#include <cstdint>

namespace vantor {
namespace {

// 64 characters, each 6-bit group one of them, in an order of our own.
constexpr std::string_view kDigits =
    "Qm7Zk2XaR-9fWcLp0TyB4hNs_Ve8JtGd1KoUx6EiMr3HbYq5PnAwDjSuFzgOClIv";
static_assert(kDigits.size() == 64);

constexpr std::array<int, 256> makeValues() {
    std::array<int, 256> v{};
    for (int& x : v) x = -1;
    for (int i = 0; i < 64; ++i) v[static_cast<unsigned char>(kDigits[i])] = i;
    return v;
}
constexpr std::array<int, 256> kValues = makeValues();

// A position-dependent key byte, so that repeated characters do not show as repeated groups.
struct KeyStream {
    std::uint32_t state = 0x2F6B;
    std::uint8_t next() {
        state = state * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(state >> 16);
    }
};

} // namespace

std::string scramble(std::string_view text) {
    KeyStream key;
    std::string out;
    out.reserve((text.size() * 4 + 2) / 3);
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        bits = (bits << 8) | (static_cast<std::uint8_t>(c) ^ key.next());
        count += 8;
        while (count >= 6) {
            count -= 6;
            out += kDigits[(bits >> count) & 0x3F];
        }
    }
    if (count > 0) out += kDigits[(bits << (6 - count)) & 0x3F];
    return out;
}

std::optional<std::string> unscramble(std::string_view scrambled) {
    // 1, 2 or 3 bytes make 2, 3 or 4 characters; a remainder of one character is impossible.
    if (scrambled.size() % 4 == 1) return std::nullopt;
    KeyStream key;
    std::string out;
    out.reserve(scrambled.size() * 3 / 4);
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : scrambled) {
        const int v = kValues[static_cast<unsigned char>(c)];
        if (v < 0) return std::nullopt;
        bits = ((bits << 6) | static_cast<std::uint32_t>(v)) & 0xFFFFFF;
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>(static_cast<std::uint8_t>(bits >> count) ^ key.next());
        }
    }
    // The unused low bits of the last character are always written as zeros.
    if ((bits & ((1u << count) - 1)) != 0) return std::nullopt;
    return out;
}

} // namespace vantor
