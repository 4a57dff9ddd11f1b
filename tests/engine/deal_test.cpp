#include "engine/deal.h"
#include "fixtures.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace vantor {
namespace {
using namespace test;

TEST(Shuffle, EveryCardNumberExactlyOnce) {
    TShuffleSource source(42);
    for (int round = 0; round < 200; ++round) {
        TGameRecord r;
        shuffleDeck(r, source);
        std::set<std::string> codes;
        for (int i = 1; i <= kDeckSize; ++i) {
            codes.insert(r.deckCode[i].bytes());
            EXPECT_EQ(r.deckValue[i], cardValue(r.deckCode[i]));
        }
        ASSERT_EQ(codes.size(), 54u);
    }
}

TEST(Shuffle, PositionsAreRoughlyUniform) {
    // Each card should reach position 1 about equally often.
    TShuffleSource source(7);
    std::map<std::string, int> first;
    const int rounds = 54 * 400;
    for (int k = 0; k < rounds; ++k) {
        TGameRecord r;
        shuffleDeck(r, source);
        ++first[r.deckCode[1].bytes()];
    }
    ASSERT_EQ(first.size(), 54u);
    for (const auto& [code, n] : first) {
        EXPECT_GT(n, 300) << code;
        EXPECT_LT(n, 500) << code;
    }
}

TEST(Shuffle, UnseededSourcesDifferAndSeededOnesRepeat) {
    TShuffleSource a(3), b(3);
    TGameRecord ra, rb;
    shuffleDeck(ra, a);
    shuffleDeck(rb, b);
    EXPECT_EQ(ra.deckCode, rb.deckCode);
    TShuffleSource c, d;
    TGameRecord rc, rd;
    shuffleDeck(rc, c);
    shuffleDeck(rd, d);
    EXPECT_NE(rc.deckCode, rd.deckCode);
}

void placeDeckInOrder(TGameRecord& r) {
    for (int i = 1; i <= kDeckSize; ++i) {
        r.deckCode[i] = cardOfNumber(i);
        r.deckValue[i] = static_cast<std::uint8_t>(cardValue(r.deckCode[i]));
    }
}

void swapDeck(TGameRecord& r, int a, int b) {
    std::swap(r.deckCode[a], r.deckCode[b]);
    std::swap(r.deckValue[a], r.deckValue[b]);
}

TEST(Jokers, AtTheEndTheFirst52PositionsStay) {
    TGameRecord r;
    placeDeckInOrder(r); // jokers at 53 and 54
    const auto before = r.deckCode;
    removeJokers(r);
    for (int i = 1; i <= 52; ++i) EXPECT_EQ(r.deckCode[i], before[i]) << i;
}

TEST(Jokers, HolesTakeTheCardsOf54Then53) {
    TGameRecord r;
    placeDeckInOrder(r);
    swapDeck(r, 5, 53);  // joker j2 now at 5, card 5 at 53
    swapDeck(r, 40, 54); // joker j3 now at 40, card 40 at 54
    removeJokers(r);
    EXPECT_EQ(r.deckCode[5], cardOfNumber(40)); // from position 54
    EXPECT_EQ(r.deckCode[40], cardOfNumber(5)); // from position 53
    std::set<std::string> dealt;
    for (int i = 1; i <= 52; ++i) {
        EXPECT_FALSE(r.deckCode[i].isJoker());
        dealt.insert(r.deckCode[i].bytes());
    }
    EXPECT_EQ(dealt.size(), 52u);
}

TEST(Jokers, OneJokerAtTheEnd) {
    TGameRecord r;
    placeDeckInOrder(r);
    swapDeck(r, 10, 54); // j3 at 10, card 10 at 54; j2 still at 53
    removeJokers(r);
    EXPECT_EQ(r.deckCode[10], cardOfNumber(10));
    std::set<std::string> dealt;
    for (int i = 1; i <= 52; ++i) dealt.insert(r.deckCode[i].bytes());
    EXPECT_EQ(dealt.size(), 52u);
}

TEST(Distribution, ComputerTableHandSizes) {
    struct Case {
        bool noJokers;
        std::array<int, 4> counts;
    };
    const Case cases[] = {{false, {14, 13, 14, 13}}, {true, {13, 13, 13, 13}}};
    for (const auto& c : cases) {
        TGameRecord r;
        r.NoJokers = c.noJokers;
        TShuffleSource source(11);
        shuffleAndDeal(r, source);
        for (int s = 1; s <= kSeats; ++s) EXPECT_EQ(r.hand[s].count, c.counts[s - 1]) << s;
        if (c.noJokers) {
            for (int s = 1; s <= kSeats; ++s) EXPECT_EQ(countValue(r, s, JK), 0);
        }
    }
}

TEST(Distribution, EveryRoleSeesTheSameTableFromItsOwnSeat) {
    // One deck, dealt on four copies: the card in a player's hand must be the same on every copy.
    TGameRecord host;
    TShuffleSource source(5);
    shuffleDeck(host, source);
    // Which host seat each role sits at, and the seat mapping of every role's copy.
    const int hostSeatOfRole[5] = {0, 4, 2, 1, 3};
    std::array<TGameRecord, 5> copies;
    for (int role = 1; role <= 4; ++role) {
        copies[role].deckCode = host.deckCode;
        copies[role].deckValue = host.deckValue;
        distribute(copies[role], role);
        EXPECT_EQ(copies[role].hand[kLocalSeat].code,
                  [&] {
                      TGameRecord h = host;
                      distribute(h, 1);
                      return h.hand[hostSeatOfRole[role]].code;
                  }())
            << "role " << role;
    }
    // Turn order: the seat after each player is the same player on every copy.
    for (int role = 1; role <= 4; ++role) {
        const auto& mine = copies[role];
        const int nextHostSeat = nextSeat(hostSeatOfRole[role]);
        int nextRole = 0;
        for (int q = 1; q <= 4; ++q)
            if (hostSeatOfRole[q] == nextHostSeat) nextRole = q;
        EXPECT_EQ(mine.hand[1].code, copies[nextRole].hand[kLocalSeat].code) << "role " << role;
    }
}

TEST(Leader, ComputerTableFromTheGameNumber) {
    const int expected[] = {0, 1, 2, 3, 4, 1, 2, 3, 4};
    for (int g = 1; g <= 8; ++g) {
        TGameRecord r;
        r.GameNumber = g;
        EXPECT_EQ(firstRoundLeader(r), expected[g]) << g;
    }
}

TEST(Leader, LanFirstRoundIsAlwaysLedByTheRole3Player) {
    const int hostSeatOfRole[5] = {0, 4, 2, 1, 3};
    for (int role = 1; role <= 4; ++role) {
        TGameRecord r;
        r.mode = TTableMode::Lan;
        r.localRole = role;
        r.RoundNumber = 1;
        const int leader = firstRoundLeader(r);
        // Seat `leader` on this copy is the host's seat 1, where role 3 sits.
        TGameRecord host;
        placeDeckInOrder(host);
        TGameRecord mine = host;
        distribute(host, 1);
        distribute(mine, role);
        EXPECT_EQ(mine.hand[leader].code, host.hand[hostSeatOfRole[3]].code) << "role " << role;
    }
}

} // namespace
} // namespace vantor
