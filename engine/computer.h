#pragma once
// The computer player: a fixed list of rules tried in order on the seat's own hand, the card
// counts and the group on the table. It writes its choice into the selection (empty: a pass).

#include "engine/record.h"
#include "engine/view.h"

namespace vantor {

struct TDecision {
    const char* rule = ""; // "End-1-1" ... "Begin-3", "Error", or "" for a pass
    bool pass() const { return *rule == '\0'; }
};

// Decides the move of `seat` and fills the selection. `view` only hears the beeps of "Error".
TDecision decideMove(TGameRecord& r, int seat, TTableView& view);
inline TDecision decideMove(TGameRecord& r, int seat) {
    TSilentView silent;
    return decideMove(r, seat, silent);
}

} // namespace vantor
