#pragma once
// The play operation and the flow of a round: plays and passes, clearing the table when every
// other seat has passed, going out, the end of the round, the next turn and the final places.

#include "engine/record.h"
#include "engine/view.h"

namespace vantor {

// Design units a lifted card moves: up for the local seat, down for the others.
constexpr int kLiftUnits = 15;
inline int liftFor(int seat) {
    return seat == kLocalSeat ? -kLiftUnits : kLiftUnits;
}

// Plays the selection of `seat` (an empty selection is a pass), then runs the round flow:
// going out, the end-of-round test with the final places and the scoring, or the next turn.
// With `send` set the move is handed to the view for the other copies or the service.
// Slots of the selection that are empty, repeated or out of range are left out, so a move that
// reaches here from outside can never read beyond the hand.
void playSelection(TGameRecord& r, TTableView& view, int seat, bool send);

// Whether the round is over after a move by `mover`.
bool roundIsOver(const TGameRecord& r, int mover);

// The seat that lays a group after `seat` would next meet: used by the tournament clock.
int nextSeatWithCards(const TGameRecord& r, int seat);

// Gives the remaining places at the end of a round and turns the remaining hands face up.
void settleFinalPlaces(TGameRecord& r, TTableView& view, int mover);

// The title a place code stands for, and its bubble.
TSaying titleOf(int placeCode);
TBubble bubbleOf(int placeCode);

} // namespace vantor
