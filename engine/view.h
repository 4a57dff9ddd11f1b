#pragma once
// What the engine asks of whoever shows the table: the main window implements it, tests and the
// simulator use the silent view. Everything has a do-nothing default.

#include "engine/cards.h"

#include <string_view>

namespace vantor {

// Speech-bubble colours.
enum class TBubble { Yellow, Red, Blue, Fiolet, Green };

// What a speech bubble says. Name shows the seat's name, NameAndPoints "name: points".
enum class TSaying { Name, NameAndPoints, Go, Pass, Vantor, ViceVantor, Minister, Citizen };

// Captions of the two table buttons.
enum class TButtonCaption { ToBegin, Ok, Pass, NextRound, ExitToMenu };

// The messages a move or an exchange step sends to the other copies or to the service.
enum class TOutgoing {
    Deal,
    Begin,
    Play,
    Exchange1,
    Exchange2,
    Exchange3,
    Exchange4,
    Exchange5,
    Next
};

// One card in flight. Hand places are seat and slot with the hand's card count at the moment the
// flight starts (the layout of a hand depends on it); table places are 1..4 with seat 0.
struct TFlight {
    TCardCode code;
    int fromSeat = 0, fromSlot = 0, fromCount = 0;
    int toSeat = 0, toSlot = 0, toCount = 0;
    bool faceUp = true;
    bool offTable = false; // a cleared table card leaving; the destination is off the table
    bool always = false;   // flies even when card flights are switched off
};

class TTableView {
public:
    virtual ~TTableView() = default;

    virtual void drawHand(int /*seat*/) {}
    virtual void drawTable() {}
    virtual void drawFrames() {}
    virtual void say(int /*seat*/, TSaying, TBubble) {}
    virtual void pointTurn(int /*seat*/) {}
    virtual void flyCard(const TFlight&) {}
    virtual void playCue(std::string_view /*name*/, bool /*wait*/) {}
    virtual void pause(int /*milliseconds*/) {}
    virtual void beep() {}
    virtual void setButton(int /*which*/, TButtonCaption, bool /*enabled*/) {}
    virtual void enableButton(int /*which*/, bool /*enabled*/) {}
    virtual void showPoints(int /*seat*/) {}
    virtual void showResult() {}
    virtual void restartMoveClock(int /*seat*/) {}
    // The cards of a play or a gift, in selection order (count 0 for a pass).
    virtual void send(TOutgoing, const TCardCode* /*cards*/, int /*count*/) {}
    // The tick should run (interval 200 ms at the table) or stop.
    virtual void runTick(bool /*running*/) {}
};

// The view of tests and the simulator: nothing is shown, nothing waits.
class TSilentView : public TTableView {};

} // namespace vantor
