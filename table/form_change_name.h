#pragma once
// The change of name during a game against the computer: the player window in its new-player
// form ("Welcome!"), then the member's line moved under the new name and the message.

#include "records/player.h"
#include "table/form_aux.h"

#include <filesystem>
#include <functional>
#include <string_view>

class QLineEdit;

namespace vantor {

// The player window in new-player mode: name, password and the password again. Ok checks them
// and shows a problem in Label4; Esc and Cancel close without accepting.
class TFormChangeName : public TAuxWindow {
public:
    explicit TFormChangeName(QWidget* parent = nullptr);

    // The name (cp1251, up to 20) and password (up to 5) accepted by Ok.
    std::string acceptedName() const { return checked.name; }
    std::string acceptedPassword() const { return checked.password; }

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    TZovCardsButton *Button1 = nullptr, *Button2 = nullptr;

    void Button1Click();

private:
    TCurrentPlayer checked;
};

enum class TChangeNameResult { Cancelled, Changed, FileProblem };

struct TChangeNameSide {
    std::function<void(std::string_view cue)> playCue;
    // Writes the new name on the player's seat.
    std::function<void(const QString& name)> writeSeatName;
    QWidget* parent = nullptr;
};

// The menu item "ChangeName". A member's line in the computer club moves under the new name;
// a new player changes only in memory. Cancel changes nothing.
TChangeNameResult ChangeName(TCurrentPlayer& player, TClubFile& computerClub,
                             const TChangeNameSide& side);

} // namespace vantor
