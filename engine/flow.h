#pragma once
// The turn state machine of the table: the deal sequence, the two table buttons and the tick
// that lets the computer seats move. The window calls these and adds what only a window has
// (captions, the click effect, menus); tests and the simulator call them directly.

#include "engine/deal.h"
#include "engine/record.h"
#include "engine/view.h"

#include <string>

namespace vantor {

// Who plays seat 4 in the new game, as the player's record gives it.
struct TNewGame {
    std::int32_t storedGameNumber = 0; // games already in the player's record
    std::int32_t carriedScore = 0;
    bool freshPlayer = true; // a guest, or an account without games: game 1, score 0
    std::string localName;
};

// The local seat of a host seat for a copy with LAN role 1..4 (the host's numbering is the
// reference; every copy sees its own player at seat 4).
int localSeatOfHostSeat(int role, int hostSeat);

// Sets which seats are played by a computer player, from the mode, role and joiners: on the
// computer table seats 1 to 3; on a LAN the host's seats no joiner has taken, in this copy's
// numbering (only the host moves them; joiners apply the host's plays); in the tournament none.
void configureSeats(TGameRecord& r);

// Whether this copy paces the table with its buttons: the computer table, the LAN host and the
// tournament's first seat.
bool pacesTable(const TGameRecord& r);

// The deal sequence for the first round of a new game, and for every later round.
void startGame(TGameRecord& r, TTableView& view, TShuffleSource& source, const TNewGame& game);
// `countRound` false: a LAN joiner's repeated deal that does not count as a new round.
void dealNextRound(TGameRecord& r, TTableView& view, TShuffleSource& source,
                   bool countRound = true);

enum class TButtonOutcome { Nothing, Done, ExitToMenu };

TButtonOutcome pressButton7(TGameRecord& r, TTableView& view, TShuffleSource& source);
TButtonOutcome pressButton8(TGameRecord& r, TTableView& view);

// One tick at the table: seats 1, 2 and 3, in that order, each move once when the turn is
// theirs and this copy's computer plays them.
void tick(TGameRecord& r, TTableView& view);

} // namespace vantor
