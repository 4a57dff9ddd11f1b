#pragma once
// Round points, the game result, and the choice between the next round and the end of the game.

#include "engine/record.h"
#include "engine/view.h"

#include <array>
#include <string>

namespace vantor {

// Points of a place code in a normal round: 9, 6, 3, 0.
int placePoints(int placeCode);

// Scores the round that has just ended: round and game points, the cue for the local place,
// `GameResult`, and then either "Next Round" (turn 10) or the end of the game (turn 11).
void scoreRound(TGameRecord& r, TTableView& view);

// 3 x the local seat's game points minus those of the three others.
std::int32_t gameResultOf(const TGameRecord& r);

// What the end-of-game bookkeeping receives from the engine when "Exit to menu" is pressed.
struct TGameOutcome {
    std::int32_t gameResult = 0;
    std::int32_t newScore = 0;
    std::int32_t gameNumber = 0;
    std::int32_t carriedScore = 0;
    bool endsCycle = false; // GameNumber is a multiple of 20
    std::array<std::string, kSeats + 1> seatName{};
};
TGameOutcome gameOutcome(const TGameRecord& r);

// The cue after the game, outside the end of a cycle: "WKoGood", "WKoBads" or none ("").
const char* gameEndCue(std::int32_t gameResult);

constexpr int kGamesInCycle = 20;

} // namespace vantor
