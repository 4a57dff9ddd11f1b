#pragma once
// The end-of-game bookkeeping in its fixed order: account settlement, the new rating, the
// history line, the tournament and statistics posts, the sound, the club line, the LAN
// connection, the end of the cycle and the return to the menu. The window calls runEndOfGame
// with the engine's results; the online steps are callbacks that the online code supplies.

#include "records/club.h"
#include "records/end_of_cycle.h"
#include "records/history.h"
#include "records/player.h"
#include "records/statistics.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// ---- account games ----

struct TAccountTransport {
    std::function<bool(TZovGame& record)> fetch;       // false when the request failed
    std::function<bool(const TZovGame& record)> store; // false when the request failed
};

// Start of an account game: fetch, store the pre-charged record (three tries, "WWrongs" and a
// wait of 2 then 3 seconds between them). Returns the fetched record, which the game keeps in
// memory, or nullopt: the game does not start ("Could not connect to server!").
std::optional<TZovGame> startAccountGame(const TAccountTransport& transport,
                                         const std::function<void(std::string_view cue)>& playCue,
                                         const std::function<void(int seconds)>& wait);

struct TAccountSettlement {
    TZovGame record;             // as stored
    bool cycleCompleted = false; // KonL went back to 0
};

// End of an account game: fetch again, settle the rating and the cycle, store. On a failure the
// player is asked whether to repeat (`askRepeat` shows "Could not connect to server!" "\n\r"
// "Repeat?"); nullopt when the player gives up (the service keeps the pre-charged record).
std::optional<TAccountSettlement> settleAccountGame(const TAccountTransport& transport,
                                                    std::int64_t rememberedKonL,
                                                    std::int64_t result, std::int64_t generalScore,
                                                    const std::function<bool()>& askRepeat);

// ---- the whole end of a game ----

struct TEndOfGameInput {
    StatsMode mode = StatsMode::Computer;
    std::int64_t gameResult = 0;          // the engine's GameResult
    std::int64_t gameNumber = 1;          // GameNumber
    std::int64_t carriedScore = 0;        // CarriedScore: the general score when the game started
    std::array<std::string, 5> seatNames; // 1-4, seat 4 the local player
    bool accountLoggedIn = false;         // an account is logged in during a local game
    // Tournament games: the figures the tournament server reported.
    std::int64_t tournamentScoreChange = 0;
    double tournamentRating = 0;
};

struct TEndOfGameSteps {
    // Account games, step 2: usually settleAccountGame over the service.
    std::function<std::optional<TAccountSettlement>()> settleAccount;
    // Tournament games: posts the result to the tournament service.
    std::function<void(std::int64_t gameResult)> postTournamentResult;
    // Every game: the usage statistics of the game.
    std::function<void(const TEndOfGameInput& input, double newRating)> postStatistics;
    std::function<void(std::string_view cue)> playCue;
    std::function<void(const std::string& message)> showError;
    std::function<void()> closeLan;
    std::function<void(const TEndOfCycleInput& input)> showEndOfCycle;
    // After a local cycle on the computer table: the world top ten entry with the score.
    std::function<void(std::int64_t score)> offerWorldTopTen;
    // Account cycles: the world top ten request with its repeat question; nullopt on giving up.
    std::function<std::optional<int>(std::int64_t cycleScore)> submitAccountCycle;
    // Records an account reward; false when that failed.
    std::function<bool(int reward)> recordReward;
    std::function<void()> showMenu;
    TWordLookup word;
};

struct TEndOfGameOutcome {
    double newRating = 0;
    std::int64_t generalScore = 0;
    THistoryWrite history;
    TGameStoreOutcome club;
    bool cycleEnded = false;
    std::optional<TEndOfCycleInput> cycle; // what the end-of-cycle window was shown
};

TEndOfGameOutcome runEndOfGame(const TEndOfGameInput& input, TCurrentPlayer& player,
                               TClubFile& clubOfMode, const std::filesystem::path& home,
                               const TEndOfGameSteps& steps,
                               const THistoryStamp& stamp = currentHistoryStamp());

} // namespace vantor
