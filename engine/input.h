#pragma once
// The local player's choices at the table: selecting cards to play, choosing the gifts of the
// exchange, the darkening of unusable cards and which buttons are offered. The window plays the
// cue each result names and redraws; the rules live here so tests and other copies share them.

#include "engine/record.h"

namespace vantor {

enum class TClickResult {
    Ignored,    // not a card, or a click the state does not take
    Refused,    // the legality test refused it ("WWrongs")
    Selected,   // appended to the selection ("SDing00")
    Deselected, // taken out of the selection ("SDing0N")
};

// The cue a click result plays; nullptr for an ignored click.
const char* clickCue(TClickResult result);

// A click on slot `slot` of the local hand while the local seat is to move.
TClickResult clickToPlay(TGameRecord& r, int slot);
// A click while the local Vantor chooses two cards (state 23).
TClickResult clickVantorGift(TGameRecord& r, int slot);
// A click while the local Vice-Vantor chooses one card (state 26).
TClickResult clickViceGift(TGameRecord& r, int slot);

// Button7 (play) and Button8 (pass) while the local seat is to move.
bool mayPlaySelection(const TGameRecord& r);
bool mayPass(const TGameRecord& r);
// Button7 ("Ok") while choosing gifts.
bool giftsComplete(const TGameRecord& r);

// Whether a click on the slot would be taken: the hand cursor shows over it.
bool clickWouldTake(const TGameRecord& r, int slot);

// Marks with 'b' the cards of `seat` that cannot be used against the group on the table.
void computeHints(TGameRecord& r, int seat);

} // namespace vantor
