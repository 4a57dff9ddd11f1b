#pragma once
// What the end-of-cycle window shows: from the place, the cycle result, the reward and the mode
// it derives the sound, the four text lines with their sizes and colours, the title, the medal,
// the pictures and the animation.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantor {

enum class CycleMode {
    Account,             // an online-account game
    Computer,            // a game against the computer, no account logged in
    ComputerWithAccount, // a game against the computer while an account is logged in
    Lan,
};

struct TEndOfCycleInput {
    int place = 0;                // 0 not placed, 1-10 local top ten, world place for accounts
    std::int64_t cycleResult = 0; // the general score at the end of the 20th game
    int reward = 0;               // account games: 25, 10 or 0; -1 when recording it failed
    CycleMode mode = CycleMode::Computer;
};

// 25 for place 1, 10 for places 2-10, otherwise 0.
int rewardForPlace(int place);

enum class CycleOutcome { Best, Good, Bad };
enum class CycleColour { Default, Purple, Maroon, Navy, Green, Red, Yellow };

struct TCycleLine {
    std::string text; // empty: the line is not shown
    int size = 0;     // 0: the window's normal size
    CycleColour colour = CycleColour::Default;
};

struct TEndOfCycleView {
    CycleOutcome outcome = CycleOutcome::Bad;
    std::string caption;             // "The completion of game"
    std::string sound;               // "WFiBest", "WFiGood" or "WFiBads"
    std::array<TCycleLine, 4> lines; // centred between x = 50 and x = 400
    std::array<int, 4> lineY{100, 175, 250, 325};
    bool medal = false;       // "GMedal" with placePicture over it
    std::string placePicture; // "GPlace01" ... "GPlace10"
    std::string animation;    // "GEndBest", "GEndGood", "GEndBads"
    int stopFrame = 0;        // 0: the animation loops
    int fixedFrame = 0;       // shown when animations are off
    std::string clubEmblem;   // "GClubB", "GClubF", "GClubG"
    bool accountIcon = false; // "Account48" at 32 x 32
    bool rewardShown = false; // the coin pictures "GZovs128", "GZovsT128"
    TCycleLine rewardLine;    // "You get 25 Zovs!!!"
    TCycleLine rewardNumber;  // drawn large on the coin
};

using TCycleWords = std::function<std::string(std::string_view english)>;

TEndOfCycleView endOfCycleView(const TEndOfCycleInput& input, const TCycleWords& word = {});

} // namespace vantor
