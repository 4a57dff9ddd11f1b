#include "base/fields.h"
#include "records/end_of_game.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantor {
namespace {

using test::TempFolder;

TEST(EndOfCycle, WindowInputs) {
    const struct {
        TEndOfCycleInput input;
        CycleOutcome outcome;
        const char* sound;
        const char* line3;
        const char* line4;
        bool medal;
        const char* emblem;
    } cases[] = {
        {{1, 300, 0, CycleMode::Computer},
         CycleOutcome::Best,
         "WFiBest",
         "Result: 300",
         "You become a Master of the Order!",
         true,
         "GClubF"},
        {{1, 300, 0, CycleMode::Lan},
         CycleOutcome::Best,
         "WFiBest",
         "Result: 300",
         "You become a Bachelor of the Order!",
         true,
         "GClubG"},
        {{1, 300, 25, CycleMode::Account},
         CycleOutcome::Best,
         "WFiBest",
         "Result: 300",
         "You become the Vice-Vantor of the order!",
         true,
         "GClubB"},
        {{1, 300, 0, CycleMode::ComputerWithAccount},
         CycleOutcome::Best,
         "WFiBest",
         "Result: 300",
         "",
         true,
         "GClubF"},
        {{10, 12, 0, CycleMode::Computer},
         CycleOutcome::Good,
         "WFiGood",
         "Result: 12",
         "You have hitted in top ten players!",
         true,
         "GClubF"},
        {{0, -40, 0, CycleMode::Computer},
         CycleOutcome::Bad,
         "WFiBads",
         "Result: -40",
         "You have not hitted in ten best players...",
         false,
         "GClubF"},
        {{11, 90, 0, CycleMode::Account},
         CycleOutcome::Bad,
         "WFiBads",
         "Result: 90 ; Place: 11",
         "You have not hitted in ten best players...",
         false,
         "GClubB"},
    };
    for (const auto& c : cases) {
        const TEndOfCycleView view = endOfCycleView(c.input);
        EXPECT_EQ(view.outcome, c.outcome);
        EXPECT_EQ(view.sound, c.sound);
        EXPECT_EQ(view.lines[2].text, c.line3);
        EXPECT_EQ(view.lines[3].text, c.line4);
        EXPECT_EQ(view.medal, c.medal);
        EXPECT_EQ(view.clubEmblem, c.emblem);
        EXPECT_EQ(view.caption, "The completion of game");
        if (c.medal) {
            EXPECT_EQ(view.placePicture, c.input.place == 10 ? "GPlace10" : "GPlace01");
        }
    }
    EXPECT_EQ(rewardForPlace(1), 25);
    EXPECT_EQ(rewardForPlace(2), 10);
    EXPECT_EQ(rewardForPlace(10), 10);
    EXPECT_EQ(rewardForPlace(11), 0);
    EXPECT_EQ(rewardForPlace(0), 0);

    const TEndOfCycleView rewarded = endOfCycleView({1, 300, 25, CycleMode::Account});
    EXPECT_TRUE(rewarded.rewardShown);
    EXPECT_EQ(rewarded.rewardLine.text, "You get 25 Zovs!!!");
    EXPECT_EQ(rewarded.rewardNumber.size, 44);
    EXPECT_EQ(rewarded.lineY, (std::array<int, 4>{80, 120, 160, 200}));
    const TEndOfCycleView failed = endOfCycleView({1, 300, -1, CycleMode::Account});
    EXPECT_FALSE(failed.rewardShown);
    EXPECT_EQ(failed.lineY, (std::array<int, 4>{100, 175, 250, 325}));
}

TEST(AccountGame, StartRetriesTheStoreThreeTimes) {
    for (const int failures : {0, 1, 2, 3}) {
        int stores = 0;
        std::vector<std::string> cues;
        std::vector<int> waits;
        TZovGame stored;
        TAccountTransport transport{[](TZovGame& r) {
                                        r.Kon = 4;
                                        r.Rating = 2.0;
                                        r.KonL = 3;
                                        r.Score = 11;
                                        return true;
                                    },
                                    [&](const TZovGame& r) {
                                        stored = r;
                                        return ++stores > failures;
                                    }};
        const auto kept = startAccountGame(
            transport, [&](std::string_view cue) { cues.emplace_back(cue); },
            [&](int s) { waits.push_back(s); });
        EXPECT_EQ(kept.has_value(), failures < 3) << failures;
        EXPECT_EQ(stores, std::min(failures + 1, 3));
        EXPECT_EQ(cues.size(), static_cast<std::size_t>(failures));
        const std::vector<int> expectedWaits[] = {{}, {2}, {2, 3}, {2, 3}};
        EXPECT_EQ(waits, expectedWaits[failures]);
        // The service holds the pre-charged record; memory keeps the fetched one.
        EXPECT_EQ(stored.Kon, 5);
        EXPECT_EQ(stored.KonL, 0);
        EXPECT_EQ(stored.Score, 0);
        if (kept) {
            EXPECT_EQ(kept->Kon, 4);
            EXPECT_EQ(kept->KonL, 3);
        }
    }
    const auto noFetch = startAccountGame(
        {[](TZovGame&) { return false; }, [](const TZovGame&) { return true; }}, {}, {});
    EXPECT_FALSE(noFetch.has_value());
}

TEST(AccountGame, SettlementRepeatsWhileThePlayerAsks) {
    TZovGame service = preChargedRecord(TZovGame{});
    int stores = 0;
    TAccountTransport transport{[&](TZovGame& r) {
                                    r = service;
                                    return true;
                                },
                                [&](const TZovGame& r) {
                                    if (++stores < 2) return false;
                                    service = r;
                                    return true;
                                }};
    int asked = 0;
    const auto settled = settleAccountGame(transport, 19, 30, 30, [&] { return ++asked < 5; });
    ASSERT_TRUE(settled.has_value());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(settled->cycleCompleted);
    EXPECT_NEAR(service.Rating, 30.05, 1e-9);
    EXPECT_EQ(service.Sessions, 1);
    EXPECT_EQ(service.Best, 30);

    stores = -100;
    EXPECT_FALSE(settleAccountGame(transport, 0, 1, 1, [] { return false; }).has_value());
}

struct Recorder {
    std::vector<std::string> calls;
    std::optional<TEndOfCycleInput> cycle;
    TEndOfGameSteps steps() {
        TEndOfGameSteps s;
        s.postTournamentResult = [this](std::int64_t r) {
            calls.push_back("tour " + std::to_string(r));
        };
        s.postStatistics = [this](const TEndOfGameInput&, double) { calls.push_back("stats"); };
        s.playCue = [this](std::string_view cue) { calls.push_back(std::string(cue)); };
        s.showError = [this](const std::string& m) { calls.push_back("error " + m); };
        s.closeLan = [this] { calls.push_back("close lan"); };
        s.showEndOfCycle = [this](const TEndOfCycleInput& c) {
            cycle = c;
            calls.push_back("cycle");
        };
        s.offerWorldTopTen = [this](std::int64_t score) {
            calls.push_back("world " + std::to_string(score));
        };
        s.showMenu = [this] { calls.push_back("menu"); };
        return s;
    }
};

TEST(EndOfGame, NewPlayerAgainstTheComputer) {
    TempFolder home;
    ASSERT_TRUE(seedClubFiles(home.path()));
    TClubFile club = clubFile(home.path(), ClubKind::Computer);
    TCurrentPlayer player;
    ASSERT_EQ(checkNewPlayer("Ann", "", "", player), PlayerCheck::Ok);
    ASSERT_EQ(loadGameStart(club, player), ClubStatus::Ok);
    TEndOfGameInput input;
    input.gameResult = 25;
    input.gameNumber = 1;
    Recorder recorder;
    const TEndOfGameOutcome out =
        runEndOfGame(input, player, club, home.path(), recorder.steps(), {9, 5, "11.12.2026"});
    EXPECT_DOUBLE_EQ(out.newRating, 2.5);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"stats", "WKoGood", "menu"}));
    EXPECT_TRUE(out.history.ok);
    const auto rows = readHistoryRows(historyFilePath(home.path(), "Vantor4.clb", 1));
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(trimRight((*rows)[0].player), "Ann");
    EXPECT_EQ((*rows)[0].rating, "      2,50");
    EXPECT_EQ((*rows)[0].typeCode, 'L');
    const TClubLines lines = readClubFile(club.path).lines;
    EXPECT_EQ(lines[1].substr(0, 20), padRight("Ann", 20));
    EXPECT_EQ(lines[1].substr(20, 10), "  2,500000");
}

TEST(EndOfGame, TwentiethLanGameEndsTheCycle) {
    TempFolder home;
    ASSERT_TRUE(seedClubFiles(home.path()));
    TClubFile net = clubFile(home.path(), ClubKind::Lan);
    TClubLines lines = readClubFile(net.path).lines;
    lines[1] = buildMemberLine({"Me", 1.0, 19, 380, encodePassword("")});
    ASSERT_EQ(writeClubLines(net, lines), ClubStatus::Ok);
    TCurrentPlayer player;
    player.slot = 1;
    ASSERT_EQ(loadGameStart(net, player), ClubStatus::Ok);
    TEndOfGameInput input;
    input.mode = StatsMode::Lan;
    input.gameResult = -5;
    input.gameNumber = 20;
    input.carriedScore = 380;
    input.seatNames = {"", "Al  ", "Bea", "Cy", "Me"};
    Recorder recorder;
    const TEndOfGameOutcome out =
        runEndOfGame(input, player, net, home.path(), recorder.steps(), {9, 5, "11.12.2026"});
    // No game sound at the end of a cycle; the LAN connection closes before the window.
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"stats", "close lan", "cycle", "menu"}));
    ASSERT_TRUE(recorder.cycle.has_value());
    EXPECT_EQ(recorder.cycle->mode, CycleMode::Lan);
    EXPECT_EQ(recorder.cycle->cycleResult, 375);
    EXPECT_EQ(recorder.cycle->place, out.club.store.topTenPlace);
    EXPECT_GE(recorder.cycle->place, 1); // the seeded LAN top ten starts at 400
    const auto rows = readHistoryRows(historyFilePath(home.path(), "Vantor4.net", 1));
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(trimRight((*rows)[0].player), "Me/Cy/Bea/Al");
    EXPECT_EQ((*rows)[0].typeCode, 'N');
}

TEST(EndOfGame, AccountAndTournamentGamesLeaveTheClub) {
    TempFolder home;
    ASSERT_TRUE(seedClubFiles(home.path()));
    TClubFile club = clubFile(home.path(), ClubKind::Computer);
    const std::string before = test::readAll(club.path);

    TCurrentPlayer player;
    player.slot = kSlotAccount;
    player.name = padRight("WebAcc", 20);
    TEndOfGameInput input;
    input.mode = StatsMode::Account;
    input.gameResult = 12;
    input.gameNumber = 60;
    input.carriedScore = 100;
    Recorder recorder;
    TEndOfGameSteps steps = recorder.steps();
    steps.settleAccount = [] {
        TAccountSettlement s;
        s.record.Rating = 7.25;
        s.cycleCompleted = true;
        return std::optional<TAccountSettlement>(s);
    };
    steps.submitAccountCycle = [&](std::int64_t score) {
        recorder.calls.push_back("submit " + std::to_string(score));
        return std::optional<int>(1);
    };
    steps.recordReward = [](int) { return false; };
    TEndOfGameOutcome out = runEndOfGame(input, player, club, home.path(), steps, {9, 5, "x"});
    EXPECT_DOUBLE_EQ(out.newRating, 7.25);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"stats", "submit 112", "cycle", "menu"}));
    EXPECT_EQ(recorder.cycle->reward, -1);
    EXPECT_EQ(recorder.cycle->mode, CycleMode::Account);

    player.slot = kSlotTournament;
    input.mode = StatsMode::Tournament;
    input.gameNumber = 3;
    input.tournamentScoreChange = -7;
    input.tournamentRating = 1500;
    input.seatNames = {"", "A", "B", "C", "D"};
    recorder.calls.clear();
    out = runEndOfGame(input, player, club, home.path(), recorder.steps(), {9, 5, "x"});
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"tour 12", "stats", "WKoGood", "menu"}));
    EXPECT_EQ(test::readAll(club.path), before);
    const auto rows = readHistoryRows(historyFilePath(home.path(), "Vantor4.clb", 1));
    ASSERT_TRUE(rows && rows->size() == 2);
    EXPECT_EQ((*rows)[0].typeCode, 'A');
    EXPECT_EQ((*rows)[1].typeCode, 'T');
    EXPECT_EQ((*rows)[1].result, "        -7");
    EXPECT_EQ((*rows)[1].rating, "   1500,00");
}

} // namespace
} // namespace vantor
