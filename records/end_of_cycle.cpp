#include "records/end_of_cycle.h"

#include "base/decimal_checksums.h"

namespace vantor {

int rewardForPlace(int place) {
    if (place == 1) return 25;
    if (place >= 2 && place <= 10) return 10;
    return 0;
}

TEndOfCycleView endOfCycleView(const TEndOfCycleInput& input, const TCycleWords& lookup) {
    const auto word = [&](std::string_view english) {
        return lookup ? lookup(english) : std::string(english);
    };
    TEndOfCycleView view;
    view.caption = word("The completion of game");
    const std::string result = word("Result: ") + std::to_string(input.cycleResult);
    const int place = input.place;

    if (place == 1) {
        view.outcome = CycleOutcome::Best;
        view.sound = "WFiBest";
        view.lines[0] = {word("CONGRATULATIONS!!!"), 32, CycleColour::Purple};
        view.lines[1] = {word("Your result - the best!"), 28, CycleColour::Default};
        view.lines[2] = {result, 0, CycleColour::Green};
        std::string title;
        switch (input.mode) {
        case CycleMode::Account:
            title = word("You become the Vice-Vantor of the order!");
            break;
        case CycleMode::Computer:
            title = word("You become a Master of the Order!");
            break;
        case CycleMode::Lan:
            title = word("You become a Bachelor of the Order!");
            break;
        case CycleMode::ComputerWithAccount:
            break;
        }
        view.lines[3] = {title, 22, CycleColour::Purple};
        view.animation = "GEndBest";
        view.stopFrame = 25;
        view.fixedFrame = 25;
    } else if (place >= 2 && place <= 10) {
        view.outcome = CycleOutcome::Good;
        view.sound = "WFiGood";
        view.lines[0] = {word("CONGRATULATIONS!!!"), 32, CycleColour::Maroon};
        view.lines[1] = {word("Good result!"), 28, CycleColour::Default};
        view.lines[2] = {result, 0, CycleColour::Green};
        view.lines[3] = {word("You have hitted in top ten players!"), 22, CycleColour::Maroon};
        view.animation = "GEndGood";
        view.stopFrame = 24;
        view.fixedFrame = 24;
    } else {
        view.outcome = CycleOutcome::Bad;
        view.sound = "WFiBads";
        view.lines[0] = {word("Our regrets..."), 32, CycleColour::Navy};
        view.lines[1] = {word("Your result keeps to wish best"), 20, CycleColour::Default};
        std::string line3 = result;
        if (place > 10) line3 += " ; " + word("Place: ") + std::to_string(place);
        view.lines[2] = {line3, 0, CycleColour::Green};
        view.lines[3] = {word("You have not hitted in ten best players..."), 20, CycleColour::Navy};
        view.animation = "GEndBads";
        view.stopFrame = 0;
        view.fixedFrame = 3;
    }
    if (place >= 1 && place <= 10) {
        view.medal = true;
        view.placePicture = "GPlace" + zeroPadded(static_cast<std::uint64_t>(place), 2);
    }

    const bool account = input.mode == CycleMode::Account;
    view.clubEmblem = account ? "GClubB" : input.mode == CycleMode::Lan ? "GClubG" : "GClubF";
    view.accountIcon = account;
    if (account && input.reward > 0) {
        view.rewardShown = true;
        const std::string reward = std::to_string(input.reward);
        view.rewardLine = {word("You get") + " " + reward + " " + word("Zovs") + "!!!", 20,
                           CycleColour::Red};
        view.rewardNumber = {reward, 44, CycleColour::Yellow};
        view.lineY = {80, 120, 160, 200};
    }
    return view;
}

} // namespace vantor
