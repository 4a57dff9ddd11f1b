#include "engine/computer.h"
#include "fixtures.h"
#include "position.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace vantor {
namespace {
using namespace test;

std::vector<int> chosenValues(const TGameRecord& r, int seat) {
    std::vector<int> v;
    for (int k = 1; k <= r.selection.count; ++k)
        v.push_back(r.hand[seat].value[r.selection.slot[k]]);
    return v;
}

struct DecisionCase {
    const char* name;
    int seat;
    std::array<int, 4> counts; // seats 1..4; the deciding seat's own count comes from its hand
    std::vector<int> hand;
    int tableValue, tableSize;
    std::string rule; // "" for a pass
    std::vector<int> chosen;
};

void PrintTo(const DecisionCase& c, std::ostream* out) {
    *out << c.name;
}

class Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Decision, RuleAndCards) {
    const auto& c = GetParam();
    TGameRecord r;
    for (int s = 1; s <= 4; ++s) setCount(r, s, c.counts[s - 1]);
    setHand(r, c.seat, c.hand);
    if (c.tableSize) setTable(r, c.tableValue, c.tableSize);
    TRecordingView view;
    const TDecision d = decideMove(r, c.seat, view);
    EXPECT_EQ(std::string(d.rule), c.rule);
    EXPECT_EQ(chosenValues(r, c.seat), c.chosen);
    EXPECT_EQ(view.beeps, c.rule == "Error" ? 2 : 0);
}

const DecisionCase kDecisions[] = {
    {"BeginS_blocked_by_a_low_single",
     1,
     {12, 12, 12, 13},
     {c3, c3, c5, c7, c8, c8, c10, cJ, cQ, cK, cA, c2},
     0,
     0,
     "Begin-0",
     {c5}},
    {"BeginS_lowest_low_pair",
     1,
     {12, 12, 12, 13},
     {c3, c3, c6, c6, c8, c8, cJ, cQ, cK, cK, cA, c2},
     0,
     0,
     "Begin-S",
     {c3, c3}},
    {"Begin1_breaks_a_pair_of_queens",
     2,
     {12, 12, 12, 13},
     {c3, c3, c4, c4, c6, c6, c9, c9, cQ, cQ, cA, c2},
     c10,
     1,
     "Begin-1",
     {cQ}},
    {"End11_leads_pair_and_joker", 3, {12, 12, 3, 13}, {c9, c9, JK}, 0, 0, "End-1-1", {c9, c9, JK}},
    {"End11_jokers_alone", 3, {12, 12, 2, 13}, {JK, JK}, 0, 0, "End-1-1", {JK, JK}},
    {"End11_four_and_two_jokers_lead_four",
     1,
     {6, 12, 12, 13},
     {c7, c7, c7, c7, JK, JK},
     0,
     0,
     "End-1-1",
     {c7, c7, c7, c7}},
    {"End3_joker_over_an_ace", 1, {2, 12, 12, 13}, {c5, JK}, cA, 1, "End-3", {JK}},
    {"End2_exact_size", 2, {12, 5, 4, 13}, {c4, c8, c8, cK}, c7, 2, "End-2", {c8, c8}},
    {"End12_largest_group_when_a_watched_seat_is_short",
     2,
     {12, 9, 3, 13},
     {c3, c6, c6, c6, c9, cQ, cQ},
     0,
     0,
     "End-1-2",
     {c6, c6, c6}},
    {"pass_when_nothing_beats", 2, {12, 12, 12, 13}, {c3, c4, c5, c6, c7, c8}, cJ, 1, "", {}},
    {"no_joker_on_a_joker", 1, {5, 12, 12, 13}, {c4, c2, JK}, JK, 1, "", {}},
    {"Begin0_holds_back_aces_early",
     1,
     {12, 12, 12, 13},
     {c3, c3, c4, c4, c6, c6, c8, c8, c10, c10, cQ, cA},
     cK,
     1,
     "",
     {}},
    {"Begin0_follows_with_the_lowest_fitting_pair",
     3,
     {8, 8, 9, 13},
     {c3, c4, c4, c7, c7, c9, c10, cJ, cK},
     c5,
     2,
     "Begin-0",
     {c7, c7}},
};

INSTANTIATE_TEST_SUITE_P(ComputerPlayer, Decision, ::testing::ValuesIn(kDecisions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputerPlayer, DecideCommandPrintsRuleAndCards) {
    std::istringstream in("seat 2\ncounts 12 12 12 13\ntable 10\nhand 3 3 4 4 6 6 9 9 Q Q A 2\n");
    std::ostringstream out, err;
    EXPECT_EQ(sim::decideFromText(in, out, err), 0);
    EXPECT_EQ(out.str(), "Begin-1 Q\n");
    std::istringstream empty("seat 1\ncounts 3 12 12 13\ntable\nhand 9 9 JK\n");
    std::ostringstream out2;
    EXPECT_EQ(sim::decideFromText(empty, out2, err), 0);
    EXPECT_EQ(out2.str(), "End-1-1 9 9 JK\n");
}

TEST(ComputerPlayer, DecideCommandRejectsBadInput) {
    const char* bad[] = {
        "seat 5\ncounts 1 1 1 1\ntable\nhand 3\n",
        "seat 1\ncounts 1 1 1\ntable\nhand 3\n",
        "seat 1\ncounts 2 1 1 1\ntable\nhand 3\n",         // count does not match the hand
        "seat 1\ncounts 1 1 1 1\ntable 3 4\nhand 3\n",     // no group on the table
        "seat 1\ncounts 5 1 1 1\ntable\nhand 3 3 3 3 3\n", // five 3s
        "seat 1\ncounts 1 1 1 1\ntable\nhand 11\n",
        "seat 1\ncounts 1 1 1 1\nhand 3\n", // missing table line
        "seat 1\nseat 1\ncounts 1 1 1 1\ntable\nhand 3\n",
        "bogus\n",
    };
    for (const char* text : bad) {
        std::istringstream in(text);
        std::ostringstream out, err;
        EXPECT_EQ(sim::decideFromText(in, out, err), 2) << text;
        EXPECT_TRUE(out.str().empty());
        const std::string message = err.str();
        EXPECT_EQ(message.rfind("vantor-sim decide: ", 0), 0u) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
}

} // namespace
} // namespace vantor
