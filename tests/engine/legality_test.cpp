#include "engine/input.h"
#include "engine/legality.h"
#include "fixtures.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantor {
namespace {
using namespace test;

TEST(LegalPlay, AgainstTheTable) {
    struct Case {
        std::vector<int> play;
        int tableValue, tableSize;
        bool legal;
    };
    const Case cases[] = {
        {{c9}, c9, 1, true}, // equal value beats
        {{c8}, c9, 1, false},
        {{cK, cK}, cK, 2, true},
        {{cK, JK}, cK, 2, true},
        {{cA, cA}, cK, 2, true},
        {{JK, JK}, cK, 2, true},
        {{cA, cA, cA}, cK, 2, false}, // wrong size
        {{c2}, JK, 1, false},         // only a joker follows a joker
        {{JK}, JK, 1, true},
        {{c7, c7, JK}, c5, 3, true},
        {{c7, c8}, 0, 0, false}, // two values are no group
        {{c3, c3, c3, c3}, 0, 0, true},
        {{c3, c3, c3, c3, JK}, 0, 0, false}, // never more than four
        {{}, 0, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isLegalPlay(c.play, c.tableSize, c.tableValue), c.legal)
            << "play of " << c.play.size() << " against " << c.tableSize << "x" << c.tableValue;
}

TEST(LegalPlay, GroupValueOfJokersAlone) {
    EXPECT_EQ(groupValueOf(std::vector<int>{JK, JK}), JK);
    EXPECT_EQ(groupValueOf(std::vector<int>{JK, c6}), c6);
}

TEST(ClickAcceptance, FirstCardAgainstAGroup) {
    TGameRecord r;
    setHand(r, 4, {c5, JK, JK});
    setTable(r, c6, 3);
    // For y = 14 the jokers count twice: 2 + 2 >= 3.
    EXPECT_TRUE(acceptsClick(r, 4, 2));
    EXPECT_FALSE(acceptsClick(r, 4, 1)); // the 5 is below the 6s
    // Selecting both jokers cannot complete a group of three: the play stays unavailable.
    clickToPlay(r, 2);
    clickToPlay(r, 3);
    EXPECT_FALSE(mayPlaySelection(r));
    EXPECT_FALSE(acceptsClick(r, 4, 1));
}

TEST(ClickAcceptance, CardByCardRules) {
    struct Case {
        std::vector<int> selectedSlots;
        int tableValue, tableSize;
        int slot;
        bool accepted;
        const char* why;
    };
    // Hand: 8 8 8 9 K JK  (slots 1..6)
    const Case cases[] = {
        {{}, 0, 0, 4, true, "empty table: anything"},
        {{}, c7, 2, 4, true, "a single 9 with the joker makes a pair"},
        {{}, c7, 3, 4, false, "a 9 and one joker are not three"},
        {{}, c7, 3, 1, true, "three 8s"},
        {{}, cQ, 1, 1, false, "an 8 does not beat a queen"},
        {{1, 2}, c7, 2, 1, true, "clicking a selected card deselects it, even when complete"},
        {{1, 2}, c7, 2, 3, false, "the selection is complete"},
        {{1}, c7, 2, 6, true, "a joker joins"},
        {{1}, c7, 3, 4, false, "a 9 does not join 8s"},
        {{1}, 0, 0, 2, true, "same value joins"},
        {{6}, c7, 2, 4, true, "after a joker: 9 + joker makes two"},
        // The selected joker counts twice (as held and as selected): the click is taken, though
        // the group cannot be completed and the play button stays off.
        {{6}, c7, 3, 4, true, "after a joker: the selected joker is counted twice"},
        {{6}, cK, 2, 1, false, "after a joker: an 8 is below the kings"},
        {{1, 2, 3, 6}, 0, 0, 5, false, "never a fifth card"},
    };
    for (const auto& c : cases) {
        TGameRecord r;
        setHand(r, 4, {c8, c8, c8, c9, cK, JK});
        if (c.tableSize) setTable(r, c.tableValue, c.tableSize);
        r.selection.clear();
        for (int s : c.selectedSlots)
            r.selection.slot[++r.selection.count] = static_cast<std::uint8_t>(s);
        EXPECT_EQ(acceptsClick(r, 4, c.slot), c.accepted) << c.why;
    }
}

TEST(ClickAcceptance, OutOfRangeSlotsAreRefused) {
    TGameRecord r;
    setHand(r, 4, {c8});
    EXPECT_FALSE(acceptsClick(r, 4, 0));
    EXPECT_FALSE(acceptsClick(r, 4, 2)); // empty slot
    EXPECT_FALSE(acceptsClick(r, 4, 21));
    EXPECT_FALSE(acceptsClick(r, 5, 1));
    EXPECT_EQ(clickToPlay(r, 30), TClickResult::Ignored);
}

} // namespace
} // namespace vantor
