// Whole games between separate copies over real TCP on 127.0.0.1, on ports the system chooses.

#include "lan/net/socket_transport.h"
#include "table_harness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include "tests/qt_wait.h"

#include <gtest/gtest.h>
#include <memory>

namespace vantor::lan::test {
namespace {

const char* const kNames[4] = {"Host", "Ann", "Bo", "Cleo"};
constexpr qint64 kLimitMs = 60000;

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "test_lan_net";
    static char* argv[] = {name, nullptr};
    static QCoreApplication a(argc, argv);
    return a;
}

using vantor::test::waitFor;
using vantor::test::pumpEvents;

struct TNetCopy {
    TLanSocketTransport transport;
    std::unique_ptr<TCopy> copy;
    TNetCopy(const std::string& name, std::uint64_t seed) {
        copy = std::make_unique<TCopy>(transport, name, seed);
        transport.attach(copy->session.get());
    }
};

struct TNetTable {
    std::vector<std::unique_ptr<TNetCopy>> copies;

    explicit TNetTable(int joiners, int rounds) {
        app();
        for (int k = 0; k <= joiners; ++k)
            copies.push_back(
                std::make_unique<TNetCopy>(kNames[k], 100 + static_cast<std::uint64_t>(k)));
        TNetCopy& h = *copies[0];
        h.copy->session->host();
        QString error;
        EXPECT_TRUE(h.transport.listen(0, QHostAddress::LocalHost, &error)) << error.toStdString();
        const quint16 port = h.transport.serverPort();
        for (int k = 1; k <= joiners; ++k) {
            TCopy& j = *copies[static_cast<std::size_t>(k)]->copy;
            j.session->join(newGameFor(kNames[k]));
            copies[static_cast<std::size_t>(k)]->transport.connectToHost("127.0.0.1", port);
            // Joiners are seated in the order they connect.
            EXPECT_TRUE(waitFor([&] { return j.session->connectionState() == 2; }));
        }
        h.copy->record.RoundsPerGame = rounds;
        EXPECT_TRUE(h.copy->session->openTable(h.copy->source, newGameFor("Host")));
        for (int k = 1; k <= joiners; ++k)
            EXPECT_TRUE(waitFor(
                [&] { return copies[static_cast<std::size_t>(k)]->copy->record.gameRunning; }));
    }
    TCopy& copy(int k) { return *copies[static_cast<std::size_t>(k)]->copy; }
    std::vector<TCopy*> all() {
        std::vector<TCopy*> v;
        for (auto& c : copies) v.push_back(c->copy.get());
        return v;
    }
    TGameRun play(const std::function<bool()>& stop = {}) {
        QElapsedTimer clock;
        clock.start();
        return playTable(
            all(), pumpEvents,
            [&] {
                if (clock.elapsed() > kLimitMs) {
                    ADD_FAILURE() << "time limit";
                    return true;
                }
                return stop && stop();
            },
            10000000);
    }
};

class TcpGame : public ::testing::TestWithParam<int> {};

TEST_P(TcpGame, CompleteGameOverLoopback) {
    const int joiners = GetParam();
    TNetTable t(joiners, 4);
    const TGameRun run = t.play();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.roundsCompared, 4);
    for (TCopy* c : t.all()) {
        EXPECT_TRUE(c->events.losses.empty());
        EXPECT_TRUE(c->events.logLines.empty()) << c->events.logLines.front();
        EXPECT_EQ(c->record.RoundNumber, 4);
        // Four full rounds were scored: 9 + 6 + 3 + 0 points each.
        int points = 0;
        for (int s = 1; s <= kSeats; ++s) points += c->record.GamePoints[s];
        EXPECT_EQ(points, 4 * 18);
    }
}

INSTANTIATE_TEST_SUITE_P(Joiners, TcpGame, ::testing::Values(1, 2, 3));

TEST(TcpFailure, DisconnectMidGameEndsItOnTheOthers) {
    TNetTable t(2, 4);
    t.play([&] { return t.copy(0).record.RoundNumber == 2 && isSeat(t.copy(0).record.turn); });
    // Joiner 2 goes away as a crashed program would: its sockets simply close.
    t.copy(2).session->leave();
    t.copies[2]->transport.shutdown();
    EXPECT_TRUE(waitFor(
        [&] { return !t.copy(0).events.losses.empty() && !t.copy(1).events.losses.empty(); }));
    EXPECT_EQ(t.copy(0).events.losses, (std::vector<TLanLoss>{TLanLoss::JoinerLeft}));
    EXPECT_EQ(t.copy(1).events.losses, (std::vector<TLanLoss>{TLanLoss::Aborted}));
    EXPECT_FALSE(t.copy(0).record.gameRunning);
    EXPECT_FALSE(t.copy(1).record.gameRunning);
    EXPECT_TRUE(waitFor([&] { return t.copies[0]->transport.openConnections() == 0; }));
}

TEST(TcpFailure, HalfOpenJoinerDoesNotFreezeTheHost) {
    app();
    TLanSocketTransport transport;
    TGameRecord record;
    TTestView view;
    TRecordingEvents events;
    TLanConfig config;
    config.localName = "Host";
    config.pulseMs = 100;
    config.silenceMs = 800;
    TLanSession host(record, view, transport, events, config);
    view.session = &host;
    transport.attach(&host);
    host.host();
    ASSERT_TRUE(transport.listen(0, QHostAddress::LocalHost));
    // A raw connection that joins and then never says another word.
    QTcpSocket raw;
    raw.connectToHost(QHostAddress::LocalHost, transport.serverPort());
    ASSERT_TRUE(raw.waitForConnected(5000));
    raw.write(buildJoinRequest("Mute").c_str());
    ASSERT_TRUE(waitFor([&] { return host.joiners() == 1; }));
    TShuffleSource source(5);
    ASSERT_TRUE(host.openTable(source, newGameFor("Host")));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitFor([&] { return !events.losses.empty(); }, 5000));
    EXPECT_EQ(events.losses, (std::vector<TLanLoss>{TLanLoss::Silent}));
    EXPECT_GE(clock.elapsed(), 700);
}

TEST(TcpFailure, NobodyListeningMeansNoGame) {
    app();
    // A port that was just free: listen, note it, stop.
    quint16 port = 0;
    {
        TLanSocketTransport probe;
        ASSERT_TRUE(probe.listen(0, QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    TNetCopy j("Ann", 1);
    j.copy->session->join(newGameFor("Ann"));
    j.transport.connectToHost("127.0.0.1", port);
    EXPECT_TRUE(waitFor([&] { return j.copy->events.noGames > 0; }));
    EXPECT_TRUE(j.copy->session->noGameFlag());
}

} // namespace
} // namespace vantor::lan::test
