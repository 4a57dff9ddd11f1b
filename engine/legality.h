#pragma once
// Which groups may be laid, and which of the local player's clicks are taken, card by card.

#include "engine/record.h"

#include <span>

namespace vantor {

// Value of a group of card values: the value of its natural cards, 14 for jokers only,
// 0 when the values do not form a group (empty, more than four, or two natural values).
int groupValueOf(std::span<const int> values);

// Whether a group may be laid on a table holding a group of `tableSize` cards of `tableValue`
// (size 0: the table is empty and any group may lead).
bool isLegalPlay(std::span<const int> values, int tableSize, int tableValue);

// A pass is allowed only while the table holds a group.
inline bool isPassAllowed(const TGameRecord& r) {
    return r.groupSize > 0;
}

// The card-by-card acceptance of a click on slot `slot` of seat `seat` against the current
// selection and table. A click on a selected card is accepted (it deselects).
bool acceptsClick(const TGameRecord& r, int seat, int slot);

// Whether slot is already in the selection; returns its place 1..4 or 0.
int selectionPlace(const TGameRecord& r, int slot);

} // namespace vantor
