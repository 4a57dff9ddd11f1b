#include "engine/cards.h"
#include "engine/record.h"
#include "fixtures.h"

#include <gtest/gtest.h>
#include <set>

namespace vantor {
namespace {
using namespace test;

TEST(Cards, RankBytesGiveTheirValues) {
    struct Case {
        const char* code;
        int value;
    };
    const Case cases[] = {
        {"3\xF7", 1},     {"9\xEF", 7},     {"1\xE1", 8},     {"\xC2\xEA", 9},
        {"\xC4\xF7", 10}, {"\xCA\xF7", 11}, {"\xD2\xEF", 12}, {"2\xE1", 13},
        {"j2", 14},       {"j3", 14},       {"##", 99},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cardValue(TCardCode::fromBytes(c.code)), c.value) << c.code;
}

TEST(Cards, DeckNumbersMapToEveryCardOnce) {
    std::set<std::string> codes;
    for (int n = 1; n <= 54; ++n) {
        const TCardCode c = cardOfNumber(n);
        EXPECT_TRUE(isCardCode(c)) << n;
        codes.insert(c.bytes());
    }
    EXPECT_EQ(codes.size(), 54u);
    EXPECT_EQ(cardOfNumber(1).bytes(), "2\xF7");     // 2 of hearts
    EXPECT_EQ(cardOfNumber(8).bytes(), "3\xEF");     // 3 of spades
    EXPECT_EQ(cardOfNumber(33).bytes(), "1\xF7");    // 10 of hearts
    EXPECT_EQ(cardOfNumber(52).bytes(), "\xD2\xEF"); // ace of spades
    EXPECT_EQ(cardOfNumber(53).bytes(), "j2");
    EXPECT_EQ(cardOfNumber(54).bytes(), "j3");
    EXPECT_TRUE(cardOfNumber(0).isEmpty());
    EXPECT_TRUE(cardOfNumber(55).isEmpty());
}

TEST(Cards, CodesCompareByteForByteAndAreCutToTwo) {
    EXPECT_EQ(TCardCode::fromBytes("##"), TCardCode::empty());
    EXPECT_NE(TCardCode::fromBytes("#"), TCardCode::empty()); // the length byte counts
    EXPECT_EQ(TCardCode::fromBytes("j2xyz"), TCardCode::fromBytes("j2"));
    EXPECT_FALSE(isCardCode(TCardCode::fromBytes("j4")));
    EXPECT_FALSE(isCardCode(TCardCode::fromBytes("3x")));
    EXPECT_FALSE(isCardCode(TCardCode::fromBytes("")));
    EXPECT_EQ(cardValue(TCardCode::fromBytes("Zq")), 0);
}

TEST(Hand, BothJokersSortToTheLastCardSlots) {
    TGameRecord r;
    setHand(r, 1, {JK, c5, c2, JK, c3});
    EXPECT_EQ(handValues(r, 1), (std::vector<int>{c3, c5, c2, JK, JK}));
    EXPECT_EQ(r.hand[1].value[6], kEmptyValue);
    EXPECT_TRUE(r.hand[1].code[6].isEmpty());
}

TEST(Hand, SortCompactsBlankSlotsAndKeepsEqualCardsInOrder) {
    TGameRecord r;
    setHand(r, 2, {c3, c5, c5, c7, c9, c9, cJ, cQ});
    // Blank slots 3 and 7 as a play does, then sort.
    const TCardCode fifth = r.hand[2].code[2];
    const TCardCode ninthA = r.hand[2].code[5], ninthB = r.hand[2].code[6];
    for (int s : {3, 7}) {
        r.hand[2].code[s] = TCardCode::empty();
        r.hand[2].value[s] = kEmptyValue;
    }
    sortHand(r, 2);
    EXPECT_EQ(handValues(r, 2), (std::vector<int>{c3, c5, c7, c9, c9, cQ}));
    EXPECT_EQ(r.hand[2].count, 6);
    EXPECT_EQ(r.hand[2].code[2], fifth);
    EXPECT_EQ(r.hand[2].code[4], ninthA);
    EXPECT_EQ(r.hand[2].code[5], ninthB);
}

TEST(Hand, LookupsOfValuesCardsAndSeats) {
    TGameRecord r;
    setHand(r, 1, {c4, JK, c4, JK});
    setHand(r, 3, {cA});
    EXPECT_EQ(countValue(r, 1, JK), 2);
    EXPECT_EQ(countValue(r, 1, c4), 2);
    EXPECT_EQ(findCard(r, 1, TCardCode::fromBytes("j3")), 4);
    EXPECT_EQ(findCard(r, 1, TCardCode::fromBytes("j1")), 0);
    EXPECT_EQ(seatsWithCards(r), 2);
    EXPECT_TRUE(nextSeatEmpty(r, 1));
    EXPECT_FALSE(nextSeatEmpty(r, 2));
    EXPECT_TRUE(nextSeatEmpty(r, 3));
    EXPECT_EQ(highestSlot(r, 1), 4);
    EXPECT_EQ(highestSlot(r, 2), 0);
    EXPECT_EQ(countValue(r, 0, c4), 0); // an out-of-range seat reads nothing
    EXPECT_EQ(findCard(r, 9, TCardCode::fromBytes("j2")), 0);
}

} // namespace
} // namespace vantor
