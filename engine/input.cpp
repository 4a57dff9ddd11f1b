#include "engine/input.h"

#include "engine/legality.h"
#include "engine/round.h"

#include <array>

namespace vantor {
namespace {

bool isCardSlot(const TGameRecord& r, int slot) {
    return isSlot(slot) && r.hand[kLocalSeat].value[slot] != kEmptyValue;
}

void removeFromSelection(TGameRecord& r, int place) {
    TSelection& sel = r.selection;
    for (int k = place; k < sel.count && k < 4; ++k) sel.slot[k] = sel.slot[k + 1];
    sel.slot[sel.count] = 0;
    --sel.count;
}

void refreshLift(TGameRecord& r) {
    clearLift(r, kLocalSeat);
    for (int k = 1; k <= r.selection.count && k <= 4; ++k)
        if (const int slot = r.selection.slot[k]) r.lift[kLocalSeat][slot] = liftFor(kLocalSeat);
}

} // namespace

const char* clickCue(TClickResult result) {
    switch (result) {
    case TClickResult::Refused:
        return "WWrongs";
    case TClickResult::Selected:
        return "SDing00";
    case TClickResult::Deselected:
        return "SDing0N";
    default:
        return nullptr;
    }
}

TClickResult clickToPlay(TGameRecord& r, int slot) {
    if (!isCardSlot(r, slot)) return TClickResult::Ignored;
    if (!acceptsClick(r, kLocalSeat, slot)) return TClickResult::Refused;
    TClickResult result;
    if (const int place = selectionPlace(r, slot)) {
        removeFromSelection(r, place);
        result = TClickResult::Deselected;
    } else {
        r.selection.slot[++r.selection.count] = static_cast<std::uint8_t>(slot);
        result = TClickResult::Selected;
    }
    refreshLift(r);
    return result;
}

TClickResult clickVantorGift(TGameRecord& r, int slot) {
    if (!isCardSlot(r, slot)) return TClickResult::Ignored;
    TSelection& sel = r.selection;
    TClickResult result = TClickResult::Ignored;
    if (sel.slot[1] == slot || sel.slot[2] == slot) {
        sel.slot[sel.slot[1] == slot ? 1 : 2] = 0;
        --sel.count;
        result = TClickResult::Deselected;
    } else if (sel.slot[1] == 0 || sel.slot[2] == 0) {
        sel.slot[sel.slot[1] == 0 ? 1 : 2] = static_cast<std::uint8_t>(slot);
        ++sel.count;
        result = TClickResult::Selected;
    }
    clearLift(r, kLocalSeat);
    for (int p = 1; p <= 2; ++p)
        if (sel.slot[p]) r.lift[kLocalSeat][sel.slot[p]] = liftFor(kLocalSeat);
    return result;
}

TClickResult clickViceGift(TGameRecord& r, int slot) {
    if (!isCardSlot(r, slot)) return TClickResult::Ignored;
    TSelection& sel = r.selection;
    clearLift(r, kLocalSeat);
    if (sel.count == 1 && sel.slot[1] == slot) {
        sel.clear();
        return TClickResult::Deselected;
    }
    sel.clear();
    sel.count = 1;
    sel.slot[1] = static_cast<std::uint8_t>(slot);
    r.lift[kLocalSeat][slot] = liftFor(kLocalSeat);
    return TClickResult::Selected;
}

bool mayPlaySelection(const TGameRecord& r) {
    return (r.groupSize > 0 && r.selection.count == r.groupSize) ||
           (r.groupSize == 0 && r.selection.count >= 1);
}

bool mayPass(const TGameRecord& r) {
    return r.selection.count == 0 && r.groupSize > 0;
}

bool giftsComplete(const TGameRecord& r) {
    if (r.turn == tsVantorChoosing) return r.selection.slot[1] != 0 && r.selection.slot[2] != 0;
    if (r.turn == tsViceChoosing) return r.selection.count == 1 && r.selection.slot[1] != 0;
    return false;
}

bool clickWouldTake(const TGameRecord& r, int slot) {
    if (!isCardSlot(r, slot)) return false;
    switch (r.turn) {
    case kLocalSeat:
        return acceptsClick(r, kLocalSeat, slot);
    case tsVantorChoosing:
        if (r.selection.slot[1] != 0 && r.selection.slot[2] != 0)
            return r.selection.slot[1] == slot || r.selection.slot[2] == slot;
        return true;
    case tsViceChoosing:
        return true;
    default:
        return false;
    }
}

void computeHints(TGameRecord& r, int seat) {
    if (!isSeat(seat) || r.groupSize == 0) return;
    const int v = r.groupValue;
    const int s = r.groupSize;
    const TSeatHand& h = r.hand[seat];
    std::array<int, kHighestValue + 1> count{};
    for (int slot = 1; slot <= kSlots; ++slot)
        if (h.value[slot] >= 1 && h.value[slot] <= kHighestValue) ++count[h.value[slot]];
    const int jokers = count[kJokerValue];
    bool naturalLeft = false;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const int x = h.value[slot];
        if (x == kEmptyValue || x == kJokerValue) continue;
        if (x < v || count[x] + jokers < s) {
            r.hint[seat][slot] = 'b';
        } else {
            naturalLeft = true;
        }
    }
    const bool jokersUsable = naturalLeft || (s == 1 && jokers >= 1) || (s == 2 && jokers == 2);
    if (jokersUsable) return;
    for (int slot = 1; slot <= kSlots; ++slot)
        if (h.value[slot] == kJokerValue) r.hint[seat][slot] = 'b';
}

} // namespace vantor
