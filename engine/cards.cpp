#include "engine/cards.h"

#include <algorithm>

namespace vantor {
namespace {

// Rank bytes in value order: value 1 is '3', ..., value 13 is '2'.
constexpr std::array<char, 13> kRanksByValue = {
    '3', '4', '5', '6', '7', '8', '9', '1', kRankJack, kRankQueen, kRankKing, kRankAce, '2'};

constexpr std::array<const char*, 15> kValueNames = {"",   "3", "4", "5", "6", "7", "8", "9",
                                                     "10", "J", "Q", "K", "A", "2", "JK"};

int rankValue(char rank) {
    if (rank == kRankJoker) return kJokerValue;
    for (std::size_t i = 0; i < kRanksByValue.size(); ++i)
        if (kRanksByValue[i] == rank) return static_cast<int>(i) + 1;
    return 0;
}

} // namespace

TCardCode TCardCode::fromBytes(std::string_view bytes) {
    TCardCode code;
    code.length = static_cast<std::uint8_t>(std::min<std::size_t>(bytes.size(), 2));
    code.chars = {'\0', '\0'};
    for (std::size_t i = 0; i < code.length; ++i) code.chars[i] = bytes[i];
    return code;
}

int cardValue(const TCardCode& code) {
    if (code.isEmpty()) return kEmptyValue;
    if (code.length == 0) return 0;
    return rankValue(code.chars[0]);
}

bool isCardCode(const TCardCode& code) {
    if (code.length != 2) return false;
    if (code.chars[0] == kRankJoker) return code.chars[1] == '2' || code.chars[1] == '3';
    return rankValue(code.chars[0]) != 0 &&
           std::find(kSuits.begin(), kSuits.end(), code.chars[1]) != kSuits.end();
}

TCardCode cardOfNumber(int number) {
    if (number == 53) return TCardCode::fromBytes("j2");
    if (number == 54) return TCardCode::fromBytes("j3");
    if (number < 1 || number > 52) return TCardCode::empty();
    const int group = (number - 1) / 4; // 0: the 2s, 1: the 3s, ..., 12: the aces
    const int suit = (number - 1) % 4;
    const char rank = group == 0 ? '2' : kRanksByValue[group - 1];
    const char bytes[2] = {rank, kSuits[suit]};
    return TCardCode::fromBytes(std::string_view(bytes, 2));
}

std::string valueName(int value) {
    if (value < 1 || value > kHighestValue) return "##";
    return kValueNames[value];
}

int valueFromName(std::string_view name) {
    for (int v = 1; v <= kHighestValue; ++v)
        if (name == kValueNames[v]) return v;
    return 0;
}

} // namespace vantor
