#pragma once
// TFormWait: the waiting window of a LAN set-up. The host sees the joins as they happen and
// starts with Ok once one joiner is seated; a joiner waits for its seat and the window closes by
// itself when the host's seat reply comes. Cancel closes the sockets.

#include <QDialog>
#include <functional>

class QLabel;
class QTimer;

namespace vantor {

class TAnimationLabel;
class TZovCardsButton;

class TFormWait : public QDialog {
public:
    explicit TFormWait(QWidget* parent = nullptr);

    // What the window asks of the LAN set-up behind it.
    struct TSide {
        std::function<bool()> noGame; // the no-game flag: nothing answers this joiner
        std::function<void()> cancel; // the sockets close, the connection state becomes 0
    };
    TSide side;

    // Before showing: the status line, the join lines hidden, Ok disabled and Cancel enabled.
    void Prepare(bool host);
    // Host: a joiner was seated; `joiners` is the count (1..3).
    void JoinerSeated(int joiners);
    // Joiner: the seat reply came; the join result is set and the window closes.
    void Seated();
    // The set-up ended without a game (the table was lost while waiting).
    void Abandon();

    void Timer1Timer();  // every second
    void Button1Click(); // Ok: the host starts the game
    void Button2Click(); // Cancel

    bool JoinResult = false;
    bool host() const { return fHost; }

    QLabel* Label1 = nullptr; // status
    QLabel* Label2 = nullptr; // "The second player was connected..."
    QLabel* Label3 = nullptr; // "The third player was connected..."
    QLabel* Label4 = nullptr; // "The fourth player was connected..."
    TAnimationLabel* Animation = nullptr;
    TZovCardsButton* Button1 = nullptr;
    TZovCardsButton* Button2 = nullptr;
    QTimer* Timer1 = nullptr;

    void reject() override; // Esc and the window's close box act as Cancel while it is offered

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void finish(bool joined);
    bool fHost = true;
};

} // namespace vantor
