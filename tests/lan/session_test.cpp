#include "lan/session.h"
#include "memory_net.h"
#include "table_harness.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantor::lan::test {
namespace {

const char* const kNames[4] = {"Host", "Ann", "Bo", "Cleo"};

// A host and `joiners` joiners over the in-memory network, seated and dealt.
struct TTable {
    TMemoryNet net;
    std::vector<std::unique_ptr<TCopy>> copies;

    TTable(int joiners, TChunking chunking, int rounds = 4, bool noJokers = false, bool open = true,
           std::uint64_t seed = 11)
        : net(joiners, chunking, static_cast<unsigned>(seed)) {
        for (int k = 0; k <= joiners; ++k) {
            copies.push_back(std::make_unique<TCopy>(net.end(k), kNames[k],
                                                     seed * 10 + static_cast<std::uint64_t>(k)));
            net.end(k).session = copies.back()->session.get();
        }
        host().session->host();
        for (int k = 1; k <= joiners; ++k) {
            copies[static_cast<std::size_t>(k)]->session->join(newGameFor(kNames[k]));
            net.connect(k);
            net.pumpAll();
        }
        host().record.RoundsPerGame = rounds;
        host().record.NoJokers = noJokers;
        if (open) {
            EXPECT_TRUE(host().session->openTable(host().source, newGameFor("Host")));
            net.pumpAll();
        }
    }
    TCopy& host() { return *copies[0]; }
    TCopy& joiner(int k) { return *copies[static_cast<std::size_t>(k)]; }
    std::vector<TCopy*> all() {
        std::vector<TCopy*> v;
        for (auto& c : copies) v.push_back(c.get());
        return v;
    }
    TGameRun play(const std::function<bool()>& stop = {}) {
        return playTable(
            all(), [this] { net.pump(); }, stop);
    }
};

struct TGameCase {
    int joiners;
    TChunking chunking;
    bool noJokers;
};

class LanGame : public ::testing::TestWithParam<TGameCase> {};

TEST_P(LanGame, EveryCopyPlaysTheSameGame) {
    const TGameCase c = GetParam();
    for (std::uint64_t seed : {3u, 4u}) {
        TTable t(c.joiners, c.chunking, 4, c.noJokers, true, seed);
        const TGameRun run = t.play();
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.roundsCompared, 4);
        // With three joiners every Vantor is a person: each later round had a chosen gift.
        if (c.joiners == 3) {
            EXPECT_EQ(run.exchanges, 3);
        }
        for (TCopy* copy : t.all()) {
            copy->session->poll(1);
            EXPECT_TRUE(copy->events.losses.empty());
            EXPECT_TRUE(copy->events.logLines.empty()) << copy->events.logLines.front();
            EXPECT_EQ(copy->events.finished, 1);
            EXPECT_EQ(copy->record.RoundNumber, 4);
            EXPECT_EQ(copy->record.NoJokers, c.noJokers);
        }
        for (int k = 1; k <= c.joiners; ++k) {
            EXPECT_EQ(t.joiner(k).events.opened, 1);
            EXPECT_EQ(t.joiner(k).record.localRole, k + 1);
        }
        // Leaving after the game is over shows nothing on the others.
        t.host().session->leave();
        t.net.pumpAll();
        for (int k = 1; k <= c.joiners; ++k) EXPECT_TRUE(t.joiner(k).events.losses.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, LanGame,
                         ::testing::Values(TGameCase{1, TChunking::Whole, false},
                                           TGameCase{2, TChunking::Whole, true},
                                           TGameCase{3, TChunking::Whole, false},
                                           TGameCase{1, TChunking::OneByte, true},
                                           TGameCase{3, TChunking::OneByte, false},
                                           TGameCase{2, TChunking::Random, false},
                                           TGameCase{3, TChunking::Random, true}));

TEST(LanGameEvents, ReportsDuringAPauseWaitTillTheMoveIsDone) {
    // Every pause on every copy lets the network deliver, as a window's event loop would: a
    // frame must never be applied in the middle of another move or exchange step.
    TTable t(3, TChunking::Random, 4, false, false, 21);
    for (TCopy* c : t.all()) c->view.duringPause = [&t] { t.net.pump(); };
    ASSERT_TRUE(t.host().session->openTable(t.host().source, newGameFor("Host")));
    const TGameRun run = t.play();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.roundsCompared, 4);
    for (TCopy* c : t.all()) EXPECT_TRUE(c->events.logLines.empty());
}

TEST(LanSeating, NamesAndComputerSeatsThroughTheSeatMapping) {
    TTable one(1, TChunking::Whole);
    EXPECT_EQ(one.host().session->hostSeatNames()[1], "PC  ");
    EXPECT_EQ(one.host().session->hostSeatNames()[3], "PC  ");
    EXPECT_EQ(one.host().session->hostSeatNames()[2], "Ann ");
    const TGameRecord& j = one.joiner(1).record;
    EXPECT_EQ(j.seatName[2], "Host");
    EXPECT_EQ(j.seatName[4], "Ann");
    EXPECT_TRUE(j.computerSeat[1] && j.computerSeat[3] && !j.computerSeat[2]);

    TTable three(3, TChunking::Whole);
    for (TCopy* c : three.all()) {
        for (int s = 1; s <= kSeats; ++s) EXPECT_FALSE(c->record.computerSeat[s]);
        EXPECT_EQ(c->session->joiners(), 3);
    }
    EXPECT_EQ(three.host().events.seatedJoiners, (std::vector<int>{1, 2, 3}));
    // Role 3 sees the host at its seat 3, role 2 at seat 1 and role 4 at seat 2.
    EXPECT_EQ(three.joiner(2).record.seatName[3], "Host");
    EXPECT_EQ(three.joiner(2).record.seatName[1], "Ann");
    EXPECT_EQ(three.joiner(2).record.seatName[2], "Cleo");
}

// A joiner fed by hand: what it stores from the host's seat messages.
class TSink : public TLanTransport {
public:
    std::string sent;
    int closes = 0;
    void send(int, std::string_view b) override { sent.append(b); }
    void close(int) override { ++closes; }
};

TEST(LanSeating, RoleThreeStoresConnect4Names) {
    TSink sink;
    TGameRecord r;
    TTestView view;
    TRecordingEvents events;
    TLanSession s(r, view, sink, events, {});
    s.join(newGameFor("Bo"));
    s.connected(0);
    EXPECT_EQ(sink.sent, "zov9225connect1Bo  ");
    s.received(0, "connect2+3HostAnn Bo  PC  ");
    EXPECT_EQ(s.role(), 3);
    EXPECT_EQ(events.seatedRole, 3);
    s.received(0, "connect4+ABCDEFGHIJKLMNOP");
    EXPECT_EQ(s.joiners(), 3);
    EXPECT_EQ(r.seatName[3], "ABCD");
    EXPECT_EQ(r.seatName[1], "EFGH");
    EXPECT_EQ(r.seatName[4], "IJKL");
    EXPECT_EQ(r.seatName[2], "MNOP");
    EXPECT_TRUE(events.logLines.empty());
}

TEST(LanSeating, StrangersGetNoSeat) {
    TSink sink;
    TGameRecord r;
    TTestView view;
    TRecordingEvents events;
    TLanSession host(r, view, sink, events, {});
    host.host();
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case refused[] = {
        {"another game", "zov9125connect1Abcd"},
        {"another number", "zov9226connect1Abcd"},
        {"garbage", "GET / HTTP/1.0\r\n\r\n"},
    };
    int peer = 1;
    for (const auto& c : refused) {
        host.connected(peer);
        host.received(peer, c.bytes);
        EXPECT_EQ(sink.sent, "") << c.what;
        EXPECT_EQ(host.joiners(), 0) << c.what;
        ++peer;
    }
    for (int k = 0; k < 4; ++k) {
        host.connected(peer);
        host.received(peer, buildJoinRequest("J" + std::to_string(k)));
        ++peer;
    }
    // The fourth gets no seat reply; its connection is closed.
    EXPECT_EQ(host.joiners(), 3);
    EXPECT_EQ(sink.closes, 1);
    EXPECT_EQ(std::count(sink.sent.begin(), sink.sent.end(), '+'), 6); // 3 replies, 3 updates
    EXPECT_FALSE(events.logLines.empty());
}

TEST(LanFailure, JoinerLeavingMidGameEndsItEverywhere) {
    for (int joiners : {1, 2, 3}) {
        SCOPED_TRACE(joiners);
        TTable t(joiners, TChunking::Random, 4);
        auto midGame = [&] {
            return t.host().record.RoundNumber == 2 && isSeat(t.host().record.turn);
        };
        t.play(midGame);
        ASSERT_TRUE(midGame());
        t.joiner(joiners).session->leave();
        t.net.pumpAll();
        EXPECT_EQ(t.host().events.losses, (std::vector<TLanLoss>{TLanLoss::JoinerLeft}));
        EXPECT_FALSE(t.host().record.gameRunning);
        EXPECT_NE(
            std::find(t.host().view.cueNames.begin(), t.host().view.cueNames.end(), "WWrongs"),
            t.host().view.cueNames.end());
        for (int k = 1; k < joiners; ++k) {
            EXPECT_EQ(t.joiner(k).events.losses, (std::vector<TLanLoss>{TLanLoss::Aborted}));
            EXPECT_FALSE(t.joiner(k).record.gameRunning);
            EXPECT_FALSE(t.joiner(k).session->chatOpen());
        }
        EXPECT_TRUE(t.joiner(joiners).events.losses.empty());
    }
}

TEST(LanFailure, HostLeavingEndsTheJoinersGame) {
    TTable t(2, TChunking::Whole, 3);
    t.play([&] { return t.host().record.RoundNumber == 1 && t.host().record.RoundPhase == 2; });
    t.host().session->leave();
    t.net.pumpAll();
    for (int k = 1; k <= 2; ++k)
        EXPECT_EQ(t.joiner(k).events.losses, (std::vector<TLanLoss>{TLanLoss::HostLeft}));
}

TEST(LanFailure, SilentJoinerIsLostAfterTheSilenceLimit) {
    TTable t(2, TChunking::Whole, 3);
    TLanConfig defaults;
    // Joiner 1 keeps sending its pulses; joiner 2 has gone quiet (its machine stopped).
    std::int64_t now = 0;
    for (; now <= defaults.silenceMs + 2 * defaults.pulseMs; now += 500) {
        t.joiner(1).session->poll(now);
        t.net.pump();
        t.host().session->poll(now);
        t.net.pump();
        if (!t.host().events.losses.empty()) break;
    }
    EXPECT_EQ(t.host().events.losses, (std::vector<TLanLoss>{TLanLoss::Silent}));
    EXPECT_GT(now, defaults.silenceMs);
    t.net.pumpAll();
    EXPECT_EQ(t.joiner(1).events.losses, (std::vector<TLanLoss>{TLanLoss::Aborted}));
}

TEST(LanFailure, SilentHostIsLostOnTheJoiner) {
    TTable t(1, TChunking::Whole, 3);
    TLanConfig defaults;
    std::int64_t now = 0;
    for (; now <= 2 * defaults.silenceMs && t.joiner(1).events.losses.empty(); now += 500) {
        t.joiner(1).session->poll(now); // the host's copy has stopped: it never polls
        t.net.pump();
    }
    EXPECT_EQ(t.joiner(1).events.losses, (std::vector<TLanLoss>{TLanLoss::Silent}));
    EXPECT_GT(now, defaults.silenceMs);
    EXPECT_FALSE(t.joiner(1).record.gameRunning);
}

TEST(LanFailure, JoinerLeavingWhileTheHostWaitsEndsTheSetUp) {
    TTable t(2, TChunking::Whole, 3, false, false);
    t.joiner(1).session->leave();
    t.net.pumpAll();
    EXPECT_EQ(t.host().events.losses, (std::vector<TLanLoss>{TLanLoss::JoinerLeft}));
    EXPECT_EQ(t.joiner(2).events.losses, (std::vector<TLanLoss>{TLanLoss::Aborted}));
    TShuffleSource source(1);
    EXPECT_FALSE(t.host().session->openTable(source, newGameFor("Host")));
}

TEST(LanFailure, RefusedConnectionMeansNoGame) {
    TSink sink;
    TGameRecord r;
    TTestView view;
    TRecordingEvents events;
    TLanSession s(r, view, sink, events, {});
    s.join(newGameFor("Bo"));
    EXPECT_TRUE(s.noGameFlag());
    s.socketError(0);
    EXPECT_EQ(events.noGames, 1);
    EXPECT_TRUE(events.losses.empty());
}

TEST(LanFrames, FramesThatDoNotFitTheTableAreDroppedAndLogged) {
    TTable t(1, TChunking::Whole, 3);
    t.play([&] { return t.joiner(1).record.RoundPhase == 2 && t.joiner(1).record.turn == 2; });
    TCopy& j = t.joiner(1);
    ASSERT_EQ(j.record.turn, 2); // the host's seat on this joiner: it waits for the host's move
    const TGameRecord before = j.record;
    const TCardCode notHeld = j.record.hand[4].code[1];
    const TCardCode held = j.record.hand[2].code[1];
    const std::string frames[] = {
        buildPlay(&notHeld, 1, 1),       // a card the mover does not hold
        buildStep(TFrameKind::Begin, 1), // the round has begun already
        buildStep(TFrameKind::Exchange3, 1),
        buildVantorGift(1, 2, 1),     // no exchange under way
        buildDeal(t.host().record),   // no round is over
        "connect2+2HostAnn PC  PC  ", // seated already
        "\xFF\xFE\x01",
    };
    for (const auto& f : frames) j.session->received(0, f);
    EXPECT_EQ(j.events.logLines.size(), std::size(frames));
    EXPECT_EQ(j.record.turn, before.turn);
    for (int s = 1; s <= kSeats; ++s) EXPECT_EQ(j.record.hand[s].count, before.hand[s].count);
    // A joiner's frame for a seat that is not its own is not forwarded nor applied by the host.
    TCopy& h = t.host();
    const std::size_t hostLogs = h.events.logLines.size();
    h.session->received(1, buildPlay(&held, 1, 2));
    EXPECT_EQ(h.events.logLines.size(), hostLogs + 1);
    t.net.pumpAll();
    EXPECT_EQ(j.events.logLines.size(), std::size(frames));
}

TEST(LanChat, LinesReachEveryoneWithTheSendersColour) {
    TTable t(3, TChunking::OneByte, 3);
    EXPECT_TRUE(t.joiner(2).session->sendChat("hello from role 3"));
    t.net.pumpAll();
    EXPECT_TRUE(t.host().session->sendChat("welcome"));
    EXPECT_FALSE(t.host().session->sendChat(""));
    t.net.pumpAll();
    for (TCopy* c : t.all()) {
        const auto& lines = c->session->memo().lines();
        ASSERT_TRUE(lines[1].used);
        EXPECT_EQ(lines[0].colour, roleColour(3));
        EXPECT_EQ(lines[1].colour, roleColour(1));
        EXPECT_EQ(lines[1].text, "welcome");
        EXPECT_FALSE(lines[2].used); // each line exactly once
    }
    // A joiner cannot speak for another role: the host rewrites the sender.
    t.net.end(1).send(0, "s4pretending\r\n");
    t.net.pumpAll();
    EXPECT_EQ(t.joiner(3).session->memo().lines()[2].colour, roleColour(2));
}

TEST(LanSecret, CodeTypedOnTheSendButtonRedrawsTheOtherHands) {
    TTable t(1, TChunking::Whole, 3);
    TLanSession& s = *t.joiner(1).session;
    s.secretFocusChanged();
    bool switched = false;
    for (char c : std::string("71948")) switched = s.secretTyped(std::string(1, c));
    EXPECT_TRUE(switched);
    EXPECT_TRUE(s.handsRevealed());
}

} // namespace
} // namespace vantor::lan::test
