#pragma once
// TFormCount: the game information window of the menu item "General score": the game number,
// the games of the cycle, the scores and the ratings of the game in play.

#include "records/statistics.h"
#include "table/form_aux.h"

#include <array>

class QLabel;

namespace vantor {

// The lamp beside the heading: no account, an account logged in, an account game.
enum class TAccountLamp { None, LoggedIn, AccountGame };

class TFormCount : public TAuxWindow {
public:
    // `playerName` as the player window shows it (trailing blanks are dropped).
    TFormCount(const TCount& count, const QString& playerName, TAccountLamp lamp,
               QWidget* parent = nullptr);

    void reCaption();

    QLabel* LabelHeading = nullptr;
    std::array<QLabel*, 7> LabelNames{};
    std::array<QLabel*, 7> LabelValues{};
    QLabel* ImageLamp = nullptr;
    TZovCardsButton* Button1 = nullptr;

private:
    TCount count;
    QString playerName;
};

// Fills the texts and shows the window modally ("WOpenFo" first).
void ShowGameInformation(const TCountInput& input, const QString& playerName, TAccountLamp lamp,
                         const std::function<void(std::string_view cue)>& playCue,
                         QWidget* parent = nullptr);

} // namespace vantor
