#pragma once
// The card exchange from the second round of a game on: the Citizen gives its two highest cards
// to the Vantor and gets two back, the Minister its highest card to the Vice-Vantor and gets one
// back. The steps are driven one at a time by the turn states 21 to 26.

#include "engine/record.h"
#include "engine/view.h"

#include <vector>

namespace vantor {

// Seats of the previous round's places.
inline int vantorSeat(const TGameRecord& r) {
    return r.previousPlaces[1];
}
inline int viceVantorSeat(const TGameRecord& r) {
    return r.previousPlaces[2];
}
inline int ministerSeat(const TGameRecord& r) {
    return r.previousPlaces[3];
}
inline int citizenSeat(const TGameRecord& r) {
    return r.previousPlaces[4];
}

// Whether the previous round's places are all known, so an exchange can take place.
bool exchangeDue(const TGameRecord& r);

// Moves the card at `slot` from one hand to another, with the lift, the flight (face down,
// always) and the pauses of a gift. Returns false, changing nothing, when the slot holds no card
// or the receiver's hand is full.
bool transferCard(TGameRecord& r, TTableView& view, int from, int to, int slot, bool lift,
                  bool settle);

// The slot whose card a computer Vantor or Vice-Vantor gives back: its lowest lone card up to a
// 10; failing that its highest card up to a 10; failing that its lowest card. 0 for an empty hand.
int givingRuleSlot(const TGameRecord& r, int seat);

// The `count` cards the giving rule gives from `seat`, each chosen on the hand left after the
// ones before it, as a computer Vantor gives its two. The record is not changed.
std::vector<TCardCode> givingRuleCards(const TGameRecord& r, int seat, int count);

// The six steps. Each returns nothing and leaves the record's turn at the next state.
void citizenGives(TGameRecord& r, TTableView& view);      // on "To Begin": -> 21
void vantorStep(TGameRecord& r, TTableView& view);        // 21 -> 24 (computer) or 23 (local)
void vantorGivesChosen(TGameRecord& r, TTableView& view); // 23 or a remote gift -> 24
void ministerGives(TGameRecord& r, TTableView& view);     // 24 -> 25
void viceStep(TGameRecord& r, TTableView& view);          // 25 -> leader (computer) or 26
void viceGivesChosen(TGameRecord& r, TTableView& view);   // 26 or a remote gift -> leader

} // namespace vantor
