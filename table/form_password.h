#pragma once
// TFormPassword: the player window of a local game. In login mode it asks a club member for the
// password; in new-player mode for a name and a password typed twice. Errors show in Label4.

#include "records/club.h"
#include "records/player.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vantor {

class TZovCardsButton;

class TFormPassword : public QDialog {
public:
    enum class TMode { Login, NewPlayer };

    // `club` is the club file of the current mode; `player` receives the accepted entry.
    TFormPassword(TMode mode, int slot, TClubFile& club, TCurrentPlayer& player,
                  QWidget* parent = nullptr);

    // Ok: runs the checks; accepts the window when they pass, otherwise shows the error.
    void Button1Click();

    QLineEdit* Edit1 = nullptr; // name
    QLineEdit* Edit2 = nullptr; // password
    QLineEdit* Edit3 = nullptr; // password again
    QLabel* Label4 = nullptr;   // error text
    TZovCardsButton* Button1 = nullptr;
    TZovCardsButton* Button2 = nullptr;

    TMode mode() const { return fMode; }

private:
    TMode fMode;
    int fSlot;
    TClubFile& fClub;
    TCurrentPlayer& fPlayer;
};

} // namespace vantor
