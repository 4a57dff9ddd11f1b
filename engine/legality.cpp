#include "engine/legality.h"

namespace vantor {

int groupValueOf(std::span<const int> values) {
    if (values.empty() || values.size() > 4) return 0;
    int natural = 0;
    for (int v : values) {
        if (v == kJokerValue) continue;
        if (v < 1 || v > 13) return 0;
        if (natural != 0 && natural != v) return 0;
        natural = v;
    }
    return natural == 0 ? kJokerValue : natural;
}

bool isLegalPlay(std::span<const int> values, int tableSize, int tableValue) {
    const int value = groupValueOf(values);
    if (value == 0) return false;
    if (tableSize == 0) return true;
    return static_cast<int>(values.size()) == tableSize && value >= tableValue;
}

int selectionPlace(const TGameRecord& r, int slot) {
    for (int k = 1; k <= r.selection.count && k <= 4; ++k)
        if (r.selection.slot[k] == slot) return k;
    return 0;
}

bool acceptsClick(const TGameRecord& r, int seat, int slot) {
    if (!isSeat(seat) || !isSlot(slot)) return false;
    const TSeatHand& h = r.hand[seat];
    const int x = h.value[slot];
    if (x == kEmptyValue) return false;
    const int n = r.selection.count;
    const int s = r.groupSize;
    const int v = r.groupValue;
    const int jokers = countValue(r, seat, kJokerValue);
    auto count = [&](int y) { return countValue(r, seat, y); };

    if (n == 0) {
        if (s == 0) return true;
        if (x != kJokerValue) return x >= v && count(x) + jokers >= s;
        for (int y = 1; y <= kJokerValue; ++y)
            if (y >= v && count(y) + jokers >= s) return true;
        return false;
    }
    if (selectionPlace(r, slot) != 0) return true;
    // The selection never holds more than four cards, whatever the table.
    if (n == s || n >= 4) return false;
    if (x == kJokerValue) return true;
    int selectedJokers = 0;
    int naturalValue = 0;
    for (int k = 1; k <= n; ++k) {
        const int sv = h.value[r.selection.slot[k]];
        if (sv == kJokerValue) {
            ++selectedJokers;
        } else {
            naturalValue = sv;
        }
    }
    if (selectedJokers == n) return x >= v && count(x) + jokers + selectedJokers >= s;
    return x == naturalValue;
}

} // namespace vantor
