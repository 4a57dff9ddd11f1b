#include "engine/flow.h"
#include "engine/input.h"
#include "engine/round.h"
#include "fixtures.h"
#include "simulator.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace test;

TGameRecord playing(std::array<std::vector<int>, 4> hands, int turn) {
    TGameRecord r;
    configureSeats(r);
    for (int s = 1; s <= 4; ++s) setHand(r, s, hands[s - 1]);
    r.turn = static_cast<std::uint8_t>(turn);
    r.RoundNumber = 1;
    r.RoundsPerGame = 3;
    r.RoundPhase = 2;
    r.gameRunning = true;
    return r;
}

TEST(Tick, SeatsOneToThreeMoveInOneTickAndStopAtTheLocalSeat) {
    TGameRecord r = playing({{{c3, c5, c9, cK}, {c4, c6, c10, cA}, {c5, c7, cJ, c2}, {c8, cQ}}}, 1);
    TSilentView view;
    tick(r, view);
    EXPECT_EQ(r.hand[1].count, 3);
    EXPECT_EQ(r.hand[2].count, 3);
    EXPECT_EQ(r.hand[3].count, 3);
    EXPECT_EQ(r.turn, 4);
    tick(r, view);
    EXPECT_EQ(r.turn, 4) << "the tick never moves the local seat";
}

TEST(Tick, NothingMovesBeforeToBegin) {
    TGameRecord r = playing({{{c3}, {c4}, {c5}, {c8}}}, 1);
    r.RoundPhase = 1;
    TSilentView view;
    tick(r, view);
    EXPECT_EQ(r.hand[1].count, 1);
}

TEST(Seats, LanHostPlaysTheSeatsWithoutJoiners) {
    struct Case {
        int joiners;
        std::array<bool, 4> computer;
    };
    const Case cases[] = {{1, {true, false, true, false}},
                          {2, {false, false, true, false}},
                          {3, {false, false, false, false}}};
    for (const auto& c : cases) {
        TGameRecord r;
        r.mode = TTableMode::Lan;
        r.localRole = 1;
        r.joiners = c.joiners;
        configureSeats(r);
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(r.computerSeat[s], c.computer[s - 1]) << c.joiners;
    }
    // Joiners know the computer seats in their own numbering.
    struct JoinerCase {
        int role, joiners;
        std::array<bool, 4> computer;
    };
    const JoinerCase joinerCases[] = {{2, 1, {true, false, true, false}},
                                      {2, 2, {true, false, false, false}},
                                      {3, 2, {false, true, false, false}},
                                      {4, 3, {false, false, false, false}}};
    for (const auto& c : joinerCases) {
        TGameRecord r;
        r.mode = TTableMode::Lan;
        r.localRole = c.role;
        r.joiners = c.joiners;
        configureSeats(r);
        for (int s = 1; s <= 4; ++s)
            EXPECT_EQ(r.computerSeat[s], c.computer[s - 1]) << "role " << c.role << " seat " << s;
    }
}

TEST(Seats, HostSeatsMapToEveryCopysOwnNumbering) {
    const int expected[5][5] = {
        {}, {0, 1, 2, 3, 4}, {0, 3, 4, 1, 2}, {0, 4, 1, 2, 3}, {0, 2, 3, 4, 1}};
    for (int role = 1; role <= 4; ++role)
        for (int h = 1; h <= 4; ++h) EXPECT_EQ(localSeatOfHostSeat(role, h), expected[role][h]);
}

TEST(Tick, ALanJoinerNeverMovesAComputerSeat) {
    TGameRecord r = playing({{{c3, c5}, {c4}, {c5}, {c8}}}, 1);
    r.mode = TTableMode::Lan;
    r.localRole = 2;
    r.joiners = 1;
    configureSeats(r);
    ASSERT_TRUE(r.computerSeat[1]);
    TSilentView view;
    tick(r, view);
    EXPECT_EQ(r.hand[1].count, 2);
}

TEST(Buttons, PassWithOnlyTheLocalSeatHoldingCardsDoesNothing) {
    TGameRecord r = playing({{{}, {}, {}, {c8, cQ}}}, 4);
    r.groupSize = 1;
    r.groupValue = c9;
    TSilentView view;
    EXPECT_EQ(pressButton8(r, view), TButtonOutcome::Nothing);
    EXPECT_EQ(r.hand[4].count, 2);
}

TEST(Buttons, PassOnAnEmptyTableAndAnIncompletePlayAreRefused) {
    TGameRecord r = playing({{{c3}, {c4}, {c5}, {c8, c8, cQ}}}, 4);
    TShuffleSource source(1);
    TSilentView view;
    EXPECT_EQ(pressButton8(r, view), TButtonOutcome::Nothing);
    setTable(r, c7, 2);
    clickToPlay(r, 1);
    EXPECT_EQ(pressButton7(r, view, source), TButtonOutcome::Nothing);
    EXPECT_EQ(r.hand[4].count, 3);
}

TEST(Input, LeadingAndFollowingEnableTheRightButtons) {
    TGameRecord r = playing({{{c3}, {c4}, {c5}, {c8, c8, c8, cQ}}}, 4);
    clickToPlay(r, 1);
    clickToPlay(r, 2);
    EXPECT_TRUE(mayPlaySelection(r));
    clickToPlay(r, 1);
    clickToPlay(r, 2);
    EXPECT_FALSE(mayPlaySelection(r));

    setTable(r, c7, 2);
    EXPECT_TRUE(mayPass(r));
    EXPECT_EQ(clickToPlay(r, 1), TClickResult::Selected);
    EXPECT_FALSE(mayPass(r));
    EXPECT_FALSE(mayPlaySelection(r));
    clickToPlay(r, 2);
    EXPECT_TRUE(mayPlaySelection(r));
    EXPECT_EQ(clickToPlay(r, 3), TClickResult::Refused);
    EXPECT_STREQ(clickCue(TClickResult::Refused), "WWrongs");
    EXPECT_EQ(r.lift[4][1], -kLiftUnits);
    EXPECT_EQ(r.lift[4][3], 0);
}

TEST(Input, DeselectingTheFirstOfThreeKeepsTheOrder) {
    TGameRecord r = playing({{{c3}, {c4}, {c5}, {c8, c8, c8, JK}}}, 4);
    clickToPlay(r, 3);
    clickToPlay(r, 1);
    clickToPlay(r, 4);
    EXPECT_EQ(clickToPlay(r, 3), TClickResult::Deselected);
    EXPECT_EQ(r.selection.count, 2);
    EXPECT_EQ(r.selection.slot[1], 1);
    EXPECT_EQ(r.selection.slot[2], 4);
}

TEST(Hints, DarkenWhatCannotBeUsed) {
    struct Case {
        std::vector<int> hand;
        int value, size;
        std::string marks;
    };
    const Case cases[] = {
        {{c3, c9, c9, cK, JK},
         c8,
         2,
         "b###"
         "#"},                        // the 3 is low; 9 9, K+joker usable
        {{c3, c5, JK}, c8, 1, "bb#"}, // a single joker is usable on a single
        {{c3, c5, JK}, c8, 2, "bbb"}, // one joker alone is not a pair
        {{c3, JK, JK}, c8, 2, "b##"}, // both jokers make a pair
        {{c9, cK, JK}, c8, 3, "bbb"}, // nothing makes three
    };
    for (const auto& c : cases) {
        TGameRecord r;
        setHand(r, 4, c.hand);
        setTable(r, c.value, c.size);
        computeHints(r, 4);
        std::string marks;
        for (int s = 1; s <= r.hand[4].count; ++s) marks += r.hint[4][s];
        EXPECT_EQ(marks, c.marks);
    }
}

TEST(Deal, NewGameCountsFromThePlayersRecord) {
    TGameRecord r;
    configureSeats(r);
    TSilentView view;
    TShuffleSource source(4);
    startGame(r, view, source, TNewGame{23, 150, false, "Ann   "});
    EXPECT_EQ(r.GameNumber, 24);
    EXPECT_EQ(r.CarriedScore, 150);
    EXPECT_EQ(r.seatName[4], "Ann");
    EXPECT_EQ(r.seatName[1], "PC");
    EXPECT_EQ(r.leader, 4) << "game 24 is led by the local seat";
    EXPECT_EQ(r.RoundNumber, 1);
    EXPECT_EQ(r.RoundPhase, 1);
    startGame(r, view, source, TNewGame{23, 150, true, "Guest"});
    EXPECT_EQ(r.GameNumber, 1);
    EXPECT_EQ(r.CarriedScore, 0);
}

// Thousands of seeded games through the real rules with every option combination; the
// simulator checks every card, hand, count, place and point after every move.
TEST(Simulation, RandomGamesKeepEveryInvariant) {
    int combination = 0;
    for (int rounds : {3, 4, 5})
        for (bool noJokers : {false, true})
            for (bool quick : {false, true}) {
                sim::TSimOptions options;
                options.games = 250;
                options.rounds = rounds;
                options.noJokers = noJokers;
                options.quick = quick;
                options.seed = 1000 + combination++;
                const auto report = sim::runSimulation(options);
                ASSERT_FALSE(report.failure.has_value()) << *report.failure;
                EXPECT_EQ(report.games, 250);
                EXPECT_EQ(report.rounds, 250L * rounds);
            }
}

} // namespace
} // namespace vantor
