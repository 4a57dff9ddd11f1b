#pragma once
// TFormEndGame: the end-of-cycle window (congratulations or regrets, the title, the medal and the
// fanfare), and the end-of-game bookkeeping that "Exit to menu" runs for games against the
// computer and LAN games.

#include "records/end_of_cycle.h"
#include "records/end_of_game.h"
#include "table/form_aux.h"

#include <functional>
#include <string_view>

namespace vantor {

using TPlayCue = std::function<void(std::string_view cue)>;

class TFormEndGame : public TAuxWindow {
public:
    TFormEndGame(const TEndOfCycleInput& input, const TPlayCue& playCue, QWidget* parent = nullptr);

    const TEndOfCycleView& view() const { return cycleView; }
    // The text area as drawn: lines, medal, coins.
    QImage textArea() const;

    QLabel* ImageText = nullptr;
    TAnimationLabel* AnimationResult = nullptr;
    TAnimationLabel* AnimationClub = nullptr;
    QLabel* ImageAccount = nullptr;
    TZovCardsButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TEndOfCycleInput input;
    TEndOfCycleView cycleView;
    TPlayCue playCue;
    bool fanfarePlayed = false;
};

// The end-of-cycle window, shown modally.
void ShowEndOfCycle(const TEndOfCycleInput& input, const TPlayCue& playCue,
                    QWidget* parent = nullptr);

// What the main window lends the end of a game. Every member may be left empty.
struct TExitToMenuSide {
    TPlayCue playCue;
    std::function<void()> closeLan;
    std::function<void(const TEndOfGameInput& input, double newRating)> postStatistics;
    // After a local cycle on the computer table: the world top ten entry.
    std::function<void(std::int64_t score)> offerWorldTopTen;
    // The account and tournament steps, for when those games come through here too.
    std::function<std::optional<TAccountSettlement>()> settleAccount;
    std::function<void(std::int64_t gameResult)> postTournamentResult;
    std::function<std::optional<int>(std::int64_t cycleScore)> submitAccountCycle;
    std::function<bool(int reward)> recordReward;
    // The main menu comes back (music, menu, tick, menu entries).
    std::function<void()> showMenu;
    QWidget* parent = nullptr;
};

// "Exit to menu" after the last round: the history line, the sounds, the club line, the LAN
// connection closed, every twentieth game the end-of-cycle window, then the menu. Messages
// (a history or club file that cannot be written) appear in the notice window.
TEndOfGameOutcome ExitToMenu(const TEndOfGameInput& input, TCurrentPlayer& player,
                             TClubFile& clubOfMode, const std::filesystem::path& home,
                             const TExitToMenuSide& side,
                             const THistoryStamp& stamp = currentHistoryStamp());

} // namespace vantor
