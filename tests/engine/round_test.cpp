#include "engine/flow.h"
#include "engine/round.h"
#include "engine/scoring.h"
#include "fixtures.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace test;

// A round in play: hands given per seat, the turn at `turn`.
TGameRecord roundWith(std::array<std::vector<int>, 4> hands, int turn) {
    TGameRecord r;
    for (int s = 1; s <= 4; ++s) setHand(r, s, hands[s - 1]);
    r.turn = static_cast<std::uint8_t>(turn);
    r.RoundNumber = 1;
    r.RoundsPerGame = 3;
    r.RoundPhase = 2;
    r.gameRunning = true;
    return r;
}

void play(TGameRecord& r, TTableView& view, std::initializer_list<int> slots) {
    const int seat = r.turn;
    select(r, slots);
    playSelection(r, view, seat, false);
}

void pass(TGameRecord& r, TTableView& view) {
    const int seat = r.turn;
    r.selection.clear();
    playSelection(r, view, seat, false);
}

TEST(RoundFlow, PlayAndThreePassesClearsTheTableForThePlayer) {
    TGameRecord r = roundWith({{{c5, c9}, {c3, c4}, {c3, c4}, {c3, c4}}}, 1);
    TRecordingView view;
    play(r, view, {2});
    EXPECT_EQ(r.groupValue, c9);
    EXPECT_EQ(r.groupSize, 1);
    EXPECT_EQ(r.turn, 2);
    pass(r, view);
    pass(r, view);
    EXPECT_EQ(r.groupSize, 1) << "not cleared before the third pass";
    pass(r, view);
    EXPECT_EQ(r.groupSize, 0);
    EXPECT_TRUE(r.current.code[1].isEmpty());
    EXPECT_EQ(r.trail.index, 1);
    EXPECT_EQ(r.turn, 1);
    EXPECT_EQ(std::count(view.cues.begin(), view.cues.end(), "WDiPass"), 3);
    const auto offTable = std::count_if(view.flights.begin(), view.flights.end(),
                                        [](const TFlight& f) { return f.offTable; });
    EXPECT_EQ(offTable, 1);
}

TEST(RoundFlow, AfterGoingOutTheNextSeatLeads) {
    TGameRecord r = roundWith({{{cK}, {c3, c4}, {c3, c4}, {c3, c4}}}, 1);
    TRecordingView view;
    play(r, view, {1});
    EXPECT_EQ(r.placeCode[1], pcVantor);
    const std::vector<std::pair<int, TSaying>> said = {
        {1, TSaying::Go}, {4, TSaying::Name}, {1, TSaying::Vantor}};
    EXPECT_EQ(view.sayings, said) << "the seat before the mover gets its name back";
    pass(r, view);
    pass(r, view);
    pass(r, view);
    EXPECT_EQ(r.groupSize, 0);
    EXPECT_EQ(r.turn, 2);
}

TEST(RoundFlow, ThreeSeatsEmptySuccessorClearsAtTheSecondPass) {
    // Seat 4 is out; seat 1 plays, seats 2 and 3 pass, and 3's successor is empty.
    TGameRecord r = roundWith({{{c5, c9}, {c3, c4}, {c3, c4}, {}}}, 1);
    r.placeCode[4] = pcVantor;
    TRecordingView view;
    play(r, view, {2});
    pass(r, view);
    EXPECT_EQ(r.groupSize, 1);
    pass(r, view);
    EXPECT_EQ(r.groupSize, 0);
    EXPECT_EQ(r.turn, 1);
}

TEST(RoundFlow, TwoNeighbouringSeatsOnePassClears) {
    TGameRecord r = roundWith({{{c5, c9}, {c3, c4}, {}, {}}}, 1);
    r.placeCode[3] = pcVantor;
    r.placeCode[4] = pcViceVantor;
    TRecordingView view;
    play(r, view, {2});
    EXPECT_EQ(r.turn, 2);
    pass(r, view);
    EXPECT_EQ(r.groupSize, 0);
    EXPECT_EQ(r.turn, 1) << "two skips bring the lead back to seat 1";
}

TEST(RoundFlow, EqualValueBeatsAndThePreviousGroupLiesUnder) {
    TGameRecord r = roundWith({{{c9, cK}, {c9, cA}, {c3, c4}, {c3, c4}}}, 1);
    TRecordingView view;
    play(r, view, {1});
    play(r, view, {1}); // seat 2 lays its 9 on the 9
    EXPECT_EQ(r.groupValue, c9);
    EXPECT_EQ(r.previous.value[1], c9);
    EXPECT_NE(r.current.code[1], r.previous.code[1]);
}

TEST(RoundFlow, JokersOnlyGroupHasValue14AndAPairWithAJokerTheNaturalValue) {
    TGameRecord r = roundWith({{{c7, JK, JK}, {c7, cA}, {c3, c4}, {c3, c4}}}, 1);
    TRecordingView view;
    play(r, view, {2, 3});
    EXPECT_EQ(r.groupValue, JK);
    EXPECT_EQ(r.groupSize, 2);
    TGameRecord q = roundWith({{{c7, JK}, {c7, cA}, {c3, c4}, {c3, c4}}}, 1);
    play(q, view, {2, 1}); // joker first, then the 7
    EXPECT_EQ(q.groupValue, c7);
}

TEST(RoundFlow, NormalRoundEndsWhenTheThirdSeatGoesOut) {
    TGameRecord r = roundWith({{{c3}, {c4}, {c5}, {c6, c7}}}, 1);
    r.placeCode[1] = pcPlaying;
    TRecordingView view;
    play(r, view, {1}); // seat 1 out: Vantor
    play(r, view, {1}); // seat 2 out: Vice-Vantor
    play(r, view, {1}); // seat 3 out: Minister; seat 4 is left
    EXPECT_EQ(r.placeCode[1], pcVantor);
    EXPECT_EQ(r.placeCode[2], pcViceVantor);
    EXPECT_EQ(r.placeCode[3], pcMinister);
    EXPECT_EQ(r.placeCode[4], pcCitizen);
    EXPECT_EQ(r.previousPlaces, (std::array<std::uint8_t, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(r.hand[4].count, 2);
    EXPECT_TRUE(r.faceUp[4]);
    EXPECT_EQ(r.turn, tsRoundOver);
}

TEST(RoundFlow, QuickGameRanksByCardsLeftThenTurnOrder) {
    // Seat 2 wins; seats 3, 4 and 1 hold 5, 2 and 5 cards.
    TGameRecord r = roundWith({{{c3, c4, c5, c6, c7}, {cA}, {c3, c4, c5, c6, c8}, {c9, c10}}}, 2);
    r.QuickGame = true;
    TRecordingView view;
    play(r, view, {1});
    EXPECT_EQ(r.placeCode[2], pcVantor);
    EXPECT_EQ(r.placeCode[4], pcViceVantor);
    EXPECT_EQ(r.placeCode[3], pcMinister) << "seat 3 comes before seat 1 after the winner";
    EXPECT_EQ(r.placeCode[1], pcCitizen);
    EXPECT_EQ(r.RoundPoints[2], 0);
    EXPECT_EQ(r.RoundPoints[4], -2);
    EXPECT_EQ(r.RoundPoints[3], -5);
    EXPECT_EQ(r.RoundPoints[1], -5);
    for (int s : {1, 3, 4}) EXPECT_TRUE(r.faceUp[s]);
}

TEST(RoundFlow, BadSlotsFromOutsideAreLeftOut) {
    TGameRecord r = roundWith({{{c5, c9}, {c3, c4}, {c3, c4}, {c3, c4}}}, 1);
    TSilentView view;
    r.selection.count = 4;
    r.selection.slot = {0, 2, 2, 0, 200}; // repeated, none and out of range
    playSelection(r, view, 1, false);
    EXPECT_EQ(r.groupSize, 1);
    EXPECT_EQ(r.hand[1].count, 1);
}

TEST(Scoring, LocalSeatOutFirstThenSeats1To3) {
    TGameRecord r = roundWith({{{c5}, {c6}, {c7}, {c2}}}, 4);
    TRecordingView view;
    play(r, view, {1}); // seat 4 out: Vantor
    pass(r, view);
    pass(r, view);
    pass(r, view); // cleared; seat 4 is skipped
    ASSERT_EQ(r.turn, 1);
    play(r, view, {1}); // seat 1 out
    pass(r, view);
    pass(r, view); // cleared: seat 3's successor is empty
    ASSERT_EQ(r.turn, 2);
    play(r, view, {1}); // seat 2 out; seat 3 is the Citizen
    EXPECT_EQ(r.RoundPoints, (std::array<std::int32_t, 5>{0, 6, 3, 0, 9}));
    EXPECT_EQ(r.GameResult, 3 * 9 - (6 + 3 + 0));
    EXPECT_EQ(r.turn, tsRoundOver);
    EXPECT_EQ(view.cues.back(), "WKoGutX");
}

TEST(Scoring, FixedPlacesScoreTheirPoints) {
    TGameRecord r;
    r.RoundNumber = 1;
    r.RoundsPerGame = 3;
    r.placeCode = {0, 3, 2, 1, 4};
    TRecordingView view;
    scoreRound(r, view);
    EXPECT_EQ(r.RoundPoints, (std::array<std::int32_t, 5>{0, 6, 3, 0, 9}));
    EXPECT_EQ(r.GameResult, 18);
    EXPECT_EQ(r.turn, tsRoundOver);
    EXPECT_FALSE(r.gameOver);
    EXPECT_EQ(view.cues.back(), "WKoGutX");
}

TEST(Scoring, LastRoundEndsTheGameAndEqualPointsAreADeadHeat) {
    TGameRecord r;
    r.RoundNumber = 3;
    r.RoundsPerGame = 3;
    r.CarriedScore = 40;
    r.GamePoints = {0, 9, 3, 6, 0};
    r.placeCode = {0, 1, 3, 2, 4}; // this round: 0, 6, 3, 9 -> totals 9, 9, 9, 9
    TRecordingView view;
    scoreRound(r, view);
    EXPECT_EQ(r.GameResult, 0);
    EXPECT_TRUE(r.gameOver);
    EXPECT_EQ(r.turn, tsGameOver);
    EXPECT_EQ(r.NewScore, 40);
    EXPECT_STREQ(gameEndCue(r.GameResult), "");
    EXPECT_STREQ(gameEndCue(5), "WKoGood");
    EXPECT_STREQ(gameEndCue(-5), "WKoBads");
    const TGameOutcome o = gameOutcome(r);
    EXPECT_EQ(o.newScore, 40);
}

TEST(Scoring, CycleEndsEveryTwentiethGame) {
    for (int g : {1, 19, 20, 21, 40, 59, 60}) {
        TGameRecord r;
        r.GameNumber = g;
        EXPECT_EQ(gameOutcome(r).endsCycle, g % 20 == 0) << g;
    }
}

} // namespace
} // namespace vantor
