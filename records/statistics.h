#pragma once
// The numbers that follow a player from game to game: the local rating, the account record
// `TZovGame` kept by the game service with its pre-charge and settlement, the cycle rules and the
// texts of the game information window.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::int64_t kGamesPerCycle = 20;

// The running average of a tenth of the results: (G x R + S / 10) / (G + 1), to six decimals,
// limited to -99.99 ... 99.99.
double localRating(std::int64_t gamesBefore, double initialRating, std::int64_t result);

// The games-in-cycle number of a game: 1 ... 20 (the 20th, 40th, ... game shows 20).
std::int64_t gameInCycle(std::int64_t gameNumber);
bool endsCycle(std::int64_t gameNumber);

// ---- account record ----

// The token this game sends with every account request.
inline constexpr std::string_view kGameIdentifier = "qvtlx9";
// The penalty charged before an account game and refunded when it is settled.
inline constexpr double kAccountPenalty = 50.0;
inline constexpr double kAccountDivisor = 20.0;

struct TZovGame {
    std::int32_t Kon = 0;
    std::int32_t Score = 0;
    std::int32_t Sessions = 0;
    double Rating = 0;
    char PlayNow = 'N';
    std::int32_t R1 = 0;
    std::string R2 = "#";
    std::int32_t Place = 0;
    std::int32_t Best = 0;
    std::int32_t Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0;
    std::int32_t KonL = 0;
    char WindA = ' ', WindB = ' ';
    std::uint8_t WhoL = 0, SkL = 0;
    std::int32_t Bank = 0;
    std::uint8_t DoBank = 0;
    std::int32_t Win = 0, WinL = 0, Won = 0, WonL = 0, Nih = 0, NihL = 0, Sco = 0, ScoL = 0;
};

// The rating as if the coming games (`games`, 1 in this program) were already played with the
// penalty as result: (K x (R - K/20) - 50) / K' + K'/20 with K' = K + games.
double accountPreChargeRating(std::int64_t kon, double rating, std::int64_t games = 1);

// Cancels the penalty and adds the result: K/20 + (50 + K x (x - K/20) + S) / K.
double accountSettledRating(std::int64_t kon, double preCharged, std::int64_t result);

// The record stored when an account game starts: Kon grows by the games, the rating is
// pre-charged, KonL and Score are 0. The caller keeps the fetched record in memory.
TZovGame preChargedRecord(const TZovGame& fetched, std::int64_t games = 1);

// The record stored when an account game ends, from the record fetched then (which holds the
// pre-charge) and the KonL remembered before that fetch. Returns true when the game completed
// the cycle (Sessions grew, KonL and Score back to 0, Best kept or raised).
bool settleAccountRecord(TZovGame& record, std::int64_t rememberedKonL, std::int64_t result,
                         std::int64_t generalScore, std::int64_t games = 1);

// Form bodies of the account exchange. Name, password and R2 are percent-encoded.
std::string zovGameFetchBody(std::string_view nick, std::string_view password,
                             std::string_view gameId = kGameIdentifier);
std::string zovGameStoreBody(std::string_view nick, std::string_view password,
                             const TZovGame& record, std::string_view gameId = kGameIdentifier);

// Reads a fetch reply into `record` after resetting Kon, Score, Sessions, Rating, R1, PlayNow and
// R2. Values that are missing or not numbers keep their reset value. Returns true when the reply
// held the "$" that starts the values.
bool parseZovGameReply(std::string_view reply, TZovGame& record);

// A store succeeded when the reply contains "ok".
bool zovGameStoreReplyOk(std::string_view reply);

// The rating as the store body writes it: "." as decimal mark, 0 for magnitudes below 0.00001.
std::string accountRatingText(double rating);

// ---- game information window ----

enum class StatsMode { Computer, Lan, Account, Tournament };

struct TCount {
    std::string Count_KonAll;
    std::string Count_KonCur;
    std::string Count_ScoBeg;
    std::string Count_ScoCur;
    std::string Count_ScoAll;
    std::string Count_ReiBeg;
    std::string Count_ReiCur;
};

struct TCountInput {
    StatsMode mode = StatsMode::Computer;
    std::int64_t gameNumber = 1;
    std::int64_t initialScore = 0;
    std::int64_t result = 0;
    double initialRating = 0;
    std::int64_t accountKonL = 0;     // account games
    std::int64_t tournamentScore = 0; // tournament games: the tournament client's figures
    std::int64_t tournamentRating = 0;
};

TCount makeCount(const TCountInput& input);

} // namespace vantor
