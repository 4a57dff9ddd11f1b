#include "records/fixed_numbers.h"
#include "records/statistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(LocalRating, Formula) {
    const struct {
        std::int64_t games;
        double rating;
        std::int64_t result;
        double expected;
        const char* field;
    } cases[] = {
        {0, 0.0, 25, 2.5, "  2,500000"},        {0, 0.0, -25, -2.5, " -2,500000"},
        {9, 1.0, 0, 0.9, "  0,900000"},         {0, 0.0, 2000, 99.99, " 99,990000"},
        {0, 0.0, -2000, -99.99, "-99,990000"},  {5, 0.0, 1, 0.016667, "  0,016667"},
        {2, 0.0, 1, 0.033333, "  0,033333"},    {2, 1.0, 1, 0.7, "  0,700000"},
        {40, 99.99, 5000, 99.99, " 99,990000"}, {3, 0.25, -1, 0.1625, "  0,162500"},
    };
    for (const auto& c : cases) {
        const double rating = localRating(c.games, c.rating, c.result);
        EXPECT_NEAR(rating, c.expected, 1e-12) << c.games << " " << c.rating << " " << c.result;
        EXPECT_EQ(ratingSixDecimals(rating), c.field);
    }
}

TEST(LocalRating, TwoDecimalForms) {
    EXPECT_EQ(ratingTwoDecimals(localRating(0, 0, 25)), "  2,50");
    EXPECT_EQ(ratingTwoDecimals(localRating(0, 0, -25)), " -2,50");
    EXPECT_EQ(ratingTwoDecimals(0.25), "  0,25");
    EXPECT_EQ(ratingTwoDecimals(-99.99), "-99,99");
    EXPECT_EQ(ratingTwoDecimals(0.125), "  0,12"); // halves to even
    EXPECT_EQ(ratingTwoDecimals(-0.001), "  0,00");
}

TEST(Cycles, GameInCycleShowsTwentyNotZero) {
    const struct {
        std::int64_t game, inCycle;
        bool ends;
    } cases[] = {{1, 1, false},  {19, 19, false}, {20, 20, true},
                 {21, 1, false}, {40, 20, true},  {41, 1, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(gameInCycle(c.game), c.inCycle) << c.game;
        EXPECT_EQ(endsCycle(c.game), c.ends) << c.game;
    }
}

TEST(AccountRating, NewAccountIsPreChargedAndSettled) {
    EXPECT_NEAR(accountPreChargeRating(0, 0.0), -49.95, 1e-12);
    TZovGame fetched; // a new account
    const TZovGame charged = preChargedRecord(fetched);
    EXPECT_EQ(charged.Kon, 1);
    EXPECT_NEAR(charged.Rating, -49.95, 1e-12);
    for (const std::int64_t s : {0, 25, -30, 300}) {
        TZovGame record = charged;
        settleAccountRecord(record, 0, s, s);
        EXPECT_NEAR(record.Rating, static_cast<double>(s) + 0.05, 1e-9) << s;
        EXPECT_EQ(record.Kon, 1);
    }
}

TEST(AccountRating, SettlementKeepsTheServiceInvariant) {
    // The service keeps R = K/20 + Q/K, Q the total of all results.
    const struct {
        std::int64_t kon, total, result;
    } cases[] = {{1, 10, 5}, {10, 30, 14}, {57, -400, -60}, {1000, 12345, 0}, {3, 0, 81}};
    for (const auto& c : cases) {
        const double k = static_cast<double>(c.kon);
        TZovGame record;
        record.Kon = static_cast<std::int32_t>(c.kon);
        record.Rating = k / 20 + static_cast<double>(c.total) / k;
        TZovGame charged = preChargedRecord(record);
        EXPECT_EQ(charged.Kon, c.kon + 1);
        EXPECT_NEAR(charged.Rating, (k + 1) / 20 + static_cast<double>(c.total - 50) / (k + 1),
                    1e-9);
        settleAccountRecord(charged, 3, c.result, 0);
        EXPECT_NEAR(charged.Rating,
                    (k + 1) / 20 + static_cast<double>(c.total + c.result) / (k + 1), 1e-9);
    }
    // A record whose pre-charge was lost cannot divide by zero.
    TZovGame lost;
    settleAccountRecord(lost, 0, 10, 10);
    EXPECT_TRUE(std::isfinite(lost.Rating));
    EXPECT_EQ(lost.Kon, 1);
}

TEST(AccountRating, CycleRules) {
    const struct {
        std::int64_t konL;
        std::int32_t best;
        std::int64_t general;
        bool completes;
        std::int32_t konLAfter, scoreAfter, bestAfter, sessionsAfter;
    } cases[] = {
        {19, 100, 250, true, 0, 0, 250, 4}, {19, 300, 250, true, 0, 0, 300, 4},
        {5, 300, 42, false, 6, 42, 300, 3}, {0, 0, -7, false, 1, -7, 0, 3},
        {25, 10, 5, true, 0, 0, 10, 4},
    };
    for (const auto& c : cases) {
        TZovGame record;
        record.Kon = 40;
        record.Rating = 2;
        record.Best = c.best;
        record.Sessions = 3;
        EXPECT_EQ(settleAccountRecord(record, c.konL, 1, c.general), c.completes) << c.konL;
        EXPECT_EQ(record.KonL, c.konLAfter);
        EXPECT_EQ(record.Score, c.scoreAfter);
        EXPECT_EQ(record.Best, c.bestAfter);
        EXPECT_EQ(record.Sessions, c.sessionsAfter);
    }
}

TEST(AccountExchange, FetchReplyParser) {
    const struct {
        const char* reply;
        bool dollar;
        std::int32_t kon, best, sessions, konL, score, r1;
        double rating;
        const char* r2;
    } cases[] = {
        {"", false, 0, 7, 0, 7, 0, 0, 0.0, "#"},
        {"no values", false, 0, 7, 0, 7, 0, 0, 0.0, "#"},
        {"x$12 300 3,5 2 19 -40 9 abc$tail", true, 12, 300, 2, 19, -40, 9, 3.5, "abc"},
        {"$12 300 -49.95 2 7 -40 9 abc\r\n", true, 12, 300, 2, 7, -40, 9, -49.95, "abc"},
        {"$1 2", true, 1, 2, 0, 7, 0, 0, 0.0, "#"},
        {"$a b c d e f g h", true, 0, 7, 0, 7, 0, 0, 0.0, "h"},
        // The first character after the digits is the decimal mark, whatever it is.
        {"$99999999999 1 1e400 2", true, 0, 1, 2, 7, 0, 0, 1.4, "#"},
        {"$1 2 nan 3", true, 1, 2, 3, 7, 0, 0, 0.0, "#"},
        {"$  4   5  6  ", true, 4, 5, 0, 7, 0, 0, 6.0, "#"},
        {"$", true, 0, 7, 0, 7, 0, 0, 0.0, "#"},
    };
    for (const auto& c : cases) {
        TZovGame record;
        record.Kon = 99;
        record.Rating = 5;
        record.R2 = "old";
        record.Best = 7;
        record.KonL = 7;
        record.PlayNow = 'Y';
        EXPECT_EQ(parseZovGameReply(c.reply, record), c.dollar) << c.reply;
        EXPECT_EQ(record.Kon, c.kon) << c.reply;
        EXPECT_EQ(record.Best, c.best) << c.reply;
        EXPECT_EQ(record.Sessions, c.sessions) << c.reply;
        EXPECT_EQ(record.KonL, c.konL) << c.reply;
        EXPECT_EQ(record.Score, c.score) << c.reply;
        EXPECT_EQ(record.R1, c.r1) << c.reply;
        EXPECT_DOUBLE_EQ(record.Rating, c.rating) << c.reply;
        EXPECT_EQ(record.R2, c.r2) << c.reply;
        EXPECT_EQ(record.PlayNow, 'N');
    }
}

TEST(AccountExchange, Bodies) {
    EXPECT_EQ(zovGameFetchBody("Ann", "pw"), "nick=Ann&pw=pw&qvtlx9best=0");
    TZovGame record;
    record.Kon = 12;
    record.Best = 300;
    record.Rating = -49.95;
    record.Sessions = 2;
    record.KonL = 7;
    record.Score = -40;
    record.R1 = 9;
    record.R2 = "#";
    EXPECT_EQ(zovGameStoreBody("A n&b", "p=1", record),
              "nick=A%20n%26b&pw=p%3D1&qvtlx9kon=12&qvtlx9best=300&qvtlx9rating=-49.95"
              "&qvtlx9ses=2&qvtlx9konl=7&qvtlx9score=-40&qvtlx9R1=9&qvtlx9R2=%23");
    const struct {
        double rating;
        const char* text;
    } ratings[] = {{0.0, "0"},   {0.000009, "0"},    {-0.000009, "0"}, {0.00001, "0.00001"},
                   {2.5, "2.5"}, {-49.95, "-49.95"}, {NAN, "0"},       {1234.125, "1234.125"}};
    for (const auto& r : ratings) EXPECT_EQ(accountRatingText(r.rating), r.text) << r.rating;
    EXPECT_TRUE(zovGameStoreReplyOk("result: ok"));
    EXPECT_FALSE(zovGameStoreReplyOk("error"));
}

TEST(GameInformation, ThreeModes) {
    TCountInput local;
    local.mode = StatsMode::Computer;
    local.gameNumber = 1;
    local.result = 25;
    TCount count = makeCount(local);
    EXPECT_EQ(count.Count_KonAll, "1");
    EXPECT_EQ(count.Count_KonCur, "1");
    EXPECT_EQ(count.Count_ScoAll, "25");
    EXPECT_EQ(count.Count_ReiBeg, "  0,00");
    EXPECT_EQ(count.Count_ReiCur, "  2,50");

    local.mode = StatsMode::Lan;
    local.gameNumber = 40;
    local.initialScore = 100;
    local.initialRating = 1.0;
    local.result = -10;
    count = makeCount(local);
    EXPECT_EQ(count.Count_KonCur, "20");
    EXPECT_EQ(count.Count_ScoBeg, "100");
    EXPECT_EQ(count.Count_ScoCur, "-10");
    EXPECT_EQ(count.Count_ScoAll, "90");
    EXPECT_EQ(count.Count_ReiBeg, "  1,00");
    EXPECT_EQ(count.Count_ReiCur, ratingTwoDecimals(localRating(39, 1.0, -10)));

    TCountInput account;
    account.mode = StatsMode::Account;
    account.gameNumber = 85;
    account.accountKonL = 19;
    account.initialScore = 7;
    account.initialRating = 7.5;
    account.result = 3;
    count = makeCount(account);
    EXPECT_EQ(count.Count_KonCur, "20");
    EXPECT_EQ(count.Count_ScoAll, "10");
    EXPECT_EQ(count.Count_ReiBeg, "8");
    EXPECT_EQ(count.Count_ReiCur, "?");

    TCountInput tour;
    tour.mode = StatsMode::Tournament;
    tour.gameNumber = 3;
    tour.tournamentScore = 50;
    tour.tournamentRating = 1200;
    tour.result = -4;
    count = makeCount(tour);
    EXPECT_EQ(count.Count_KonCur, "-");
    EXPECT_EQ(count.Count_ScoBeg, "50");
    EXPECT_EQ(count.Count_ScoAll, "46");
    EXPECT_EQ(count.Count_ReiBeg, "1200");
    EXPECT_EQ(count.Count_ReiCur, "?");
}

} // namespace
} // namespace vantor
