#pragma once
// Card codes and values. A card is two code-page-1251 bytes, the rank then the suit; "##" is an
// empty place. Only the value counts in play: 3 is 1, the 2 is 13, a joker 14, an empty place 99.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

constexpr int kEmptyValue = 99;
constexpr int kJokerValue = 14;
constexpr int kHighestValue = 14;
constexpr int kDeckSize = 54;

// Rank bytes of the court cards and the ace (Cyrillic capitals Ve, De, Ka, Te in code page 1251).
constexpr char kRankJack = '\xC2';
constexpr char kRankQueen = '\xC4';
constexpr char kRankKing = '\xCA';
constexpr char kRankAce = '\xD2';
constexpr char kRankJoker = 'j';
// Suit bytes: hearts, diamonds, clubs, spades (small che, be, ka, pe).
constexpr std::array<char, 4> kSuits = {'\xF7', '\xE1', '\xEA', '\xEF'};

// A length-prefixed string of at most two bytes, compared byte for byte (length included).
struct TCardCode {
    std::uint8_t length = 2;
    std::array<char, 2> chars{'#', '#'};

    static TCardCode empty() { return {}; }
    // The first two bytes of `bytes`; longer input (a code read from a message) is cut to two.
    static TCardCode fromBytes(std::string_view bytes);

    std::string bytes() const { return std::string(chars.data(), length); }
    bool isEmpty() const { return *this == empty(); }
    bool isJoker() const { return length == 2 && chars[0] == kRankJoker; }
    friend bool operator==(const TCardCode& a, const TCardCode& b) {
        return a.length == b.length && a.chars[0] == b.chars[0] && a.chars[1] == b.chars[1];
    }
};

// Value of a code by its rank byte: 1 to 14; 99 for "##"; 0 for anything that is no card.
int cardValue(const TCardCode& code);

// True for the 54 codes of the pack: a known rank with a known suit, or "j2"/"j3".
bool isCardCode(const TCardCode& code);

// The card of deck number 1..54: 1-4 the 2s of hearts, diamonds, clubs, spades, 5-8 the 3s, ...,
// 49-52 the aces, 53 "j2", 54 "j3".
TCardCode cardOfNumber(int number);

// Cards written for people and the simulator: 3-10, J, Q, K, A, 2, JK.
std::string valueName(int value);
// Parses one such word into a value 1..14; 0 when it is no card name.
int valueFromName(std::string_view name);

} // namespace vantor
