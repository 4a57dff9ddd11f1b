#include "engine/exchange.h"
#include "engine/flow.h"
#include "engine/input.h"
#include "fixtures.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace test;

TEST(GivingRule, LowestLoneCardThenHighestUpToATenThenLowest) {
    struct Case {
        std::vector<int> hand;
        int given;
    };
    const Case cases[] = {
        {{c3, c3, c5, c9, c9, cQ, c2}, c5}, {{c3, c3, c9, c9, cQ, c2}, c9},
        {{cJ, cQ, cK, cA, c2, JK}, cJ},     {{c10, cJ}, c10},
        {{c4, c4, c10, c10, cA}, c10},      {{c7}, c7},
    };
    for (const auto& c : cases) {
        TGameRecord r;
        setHand(r, 1, c.hand);
        const int slot = givingRuleSlot(r, 1);
        ASSERT_NE(slot, 0);
        EXPECT_EQ(r.hand[1].value[slot], c.given);
    }
    TGameRecord r;
    setHand(r, 1, {c3, c3, c9, c9, cQ, c2});
    EXPECT_EQ(givingRuleSlot(r, 1), 4) << "the higher of the two 9 slots";
    setHand(r, 2, {});
    EXPECT_EQ(givingRuleSlot(r, 2), 0);
}

TEST(GivingRule, TwoCardsAreChosenOneAfterTheOther) {
    TGameRecord r;
    setHand(r, 1, {c3, c3, c5, c9, c9, cQ, c2});
    const auto cards = givingRuleCards(r, 1, 2);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cardValue(cards[0]), c5);
    EXPECT_EQ(cards[1], r.hand[1].code[5]) << "the 9 in the higher of the two 9 slots";
    EXPECT_EQ(r.hand[1].count, 7) << "the record is not changed";
    setHand(r, 2, {cK});
    EXPECT_EQ(givingRuleCards(r, 2, 2).size(), 1u);
}

// Previous round: Vantor seat 2, Vice-Vantor seat 4, Minister seat 1, Citizen seat 3.
TGameRecord secondRound() {
    TGameRecord r;
    r.previousPlaces = {0, 2, 4, 1, 3};
    r.leader = 2;
    r.turn = 2;
    r.RoundNumber = 2;
    r.RoundPhase = 1;
    r.gameRunning = true;
    configureSeats(r);
    setHand(r, 1, {c3, c5, c8, cK, cA});
    setHand(r, 2, {c4, c4, c6, c9, cQ});
    setHand(r, 3, {c3, c7, cJ, JK, JK});
    setHand(r, 4, {c5, c6, c10, cQ, c2});
    return r;
}

TEST(Exchange, CitizenGivesBothJokersToTheVantor) {
    TGameRecord r = secondRound();
    TRecordingView view;
    TShuffleSource source(1);
    pressButton7(r, view, source); // "To Begin"
    EXPECT_EQ(r.turn, tsVantorGives);
    EXPECT_EQ(countValue(r, 2, JK), 2);
    EXPECT_EQ(countValue(r, 3, JK), 0);
    EXPECT_EQ(r.hand[2].count, 7);
    EXPECT_EQ(r.hand[3].count, 3);
    for (const auto& f : view.flights) {
        EXPECT_FALSE(f.faceUp);
        EXPECT_TRUE(f.always);
    }
    EXPECT_EQ(view.pauses, (std::vector<int>{500, 500})) << "one lifted card each, no settling";
}

TEST(Exchange, WholeExchangeWithTheLocalViceVantorChoosing) {
    TGameRecord r = secondRound();
    TSilentView view;
    TShuffleSource source(1);
    pressButton7(r, view, source); // C -> V: both jokers
    pressButton7(r, view, source); // computer V gives two by the rule: its lone 6, then its lone 9
    EXPECT_EQ(r.turn, tsMinisterGives);
    EXPECT_EQ(handValues(r, 3), (std::vector<int>{c3, c6, c7, c9, cJ}));
    pressButton7(r, view, source); // M (seat 1) gives its ace to VV (seat 4)
    EXPECT_EQ(r.turn, tsViceGives);
    EXPECT_EQ(handValues(r, 4), (std::vector<int>{c5, c6, c10, cQ, cA, c2}));
    pressButton7(r, view, source);
    EXPECT_EQ(r.turn, tsViceChoosing);
    EXPECT_EQ(pressButton7(r, view, source), TButtonOutcome::Nothing) << "no card chosen yet";
    EXPECT_EQ(clickViceGift(r, 1), TClickResult::Selected);
    EXPECT_EQ(clickViceGift(r, 2), TClickResult::Selected) << "another card replaces the choice";
    EXPECT_EQ(r.selection.count, 1);
    EXPECT_EQ(r.selection.slot[1], 2);
    EXPECT_TRUE(giftsComplete(r));
    pressButton7(r, view, source);
    EXPECT_EQ(r.turn, 2) << "the turn returns to the leader";
    EXPECT_EQ(handValues(r, 1), (std::vector<int>{c3, c5, c6, c8, cK}));
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(r.hand[s].count, 5) << s;
}

TEST(Exchange, LocalVantorChoosesTwoCards) {
    TGameRecord r = secondRound();
    r.previousPlaces = {0, 4, 2, 1, 3}; // the local seat is the Vantor now
    r.leader = r.turn = 4;
    TSilentView view;
    TShuffleSource source(1);
    pressButton7(r, view, source);
    pressButton7(r, view, source);
    ASSERT_EQ(r.turn, tsVantorChoosing);
    EXPECT_EQ(clickVantorGift(r, 1), TClickResult::Selected);
    EXPECT_EQ(clickVantorGift(r, 1), TClickResult::Deselected);
    EXPECT_EQ(r.selection.count, 0);
    clickVantorGift(r, 1);
    clickVantorGift(r, 3);
    EXPECT_EQ(clickVantorGift(r, 5), TClickResult::Ignored) << "two are chosen already";
    EXPECT_TRUE(clickWouldTake(r, 3));
    EXPECT_FALSE(clickWouldTake(r, 5));
    const TCardCode first = r.hand[4].code[1], second = r.hand[4].code[3];
    pressButton7(r, view, source);
    EXPECT_EQ(r.turn, tsMinisterGives);
    EXPECT_NE(findCard(r, 3, first), 0);
    EXPECT_NE(findCard(r, 3, second), 0);
    EXPECT_EQ(findCard(r, 4, first), 0);
}

TEST(Exchange, FirstRoundStartsWithoutATransfer) {
    TGameRecord r;
    configureSeats(r);
    TSilentView view;
    TShuffleSource source(2);
    startGame(r, view, source, TNewGame{});
    const auto hands = r.hand;
    pressButton7(r, view, source);
    EXPECT_EQ(r.RoundPhase, 2);
    EXPECT_EQ(r.turn, r.leader);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(r.hand[s].code, hands[s].code);
}

TEST(Exchange, TransferRefusesAnEmptySlotAndAFullHand) {
    TGameRecord r;
    setHand(r, 1, {c3});
    setHand(r, 2, {c4});
    TSilentView view;
    EXPECT_FALSE(transferCard(r, view, 1, 2, 2, false, false));
    EXPECT_FALSE(transferCard(r, view, 1, 2, 0, false, false));
    setCount(r, 2, 20);
    EXPECT_FALSE(transferCard(r, view, 1, 2, 1, false, false));
    EXPECT_EQ(r.hand[1].count, 1);
    EXPECT_EQ(r.hand[2].count, 20);
}

} // namespace
} // namespace vantor
