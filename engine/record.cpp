#include "engine/record.h"

#include <algorithm>

namespace vantor {

TGameRecord::TGameRecord() {
    deckValue.fill(kEmptyValue);
    for (auto& h : hint) h.fill('#');
    faceUp[kLocalSeat] = true;
    computerSeat = {false, true, true, true, false};
}

void clearHints(TGameRecord& r) {
    for (auto& h : r.hint) h.fill('#');
}

void clearLift(TGameRecord& r, int seat) {
    if (isSeat(seat)) r.lift[seat].fill(0);
}

void sortHand(TGameRecord& r, int seat) {
    if (!isSeat(seat)) return;
    TSeatHand& h = r.hand[seat];
    // Compact first, then an insertion sort: stable, and cheap for twenty slots.
    int n = 0;
    for (int s = 1; s <= kSlots; ++s) {
        if (h.value[s] == kEmptyValue) continue;
        ++n;
        if (s != n) {
            h.code[n] = h.code[s];
            h.value[n] = h.value[s];
        }
    }
    for (int s = n + 1; s <= kSlots; ++s) {
        h.code[s] = TCardCode::empty();
        h.value[s] = kEmptyValue;
    }
    for (int i = 2; i <= n; ++i) {
        const TCardCode code = h.code[i];
        const std::uint8_t value = h.value[i];
        int j = i - 1;
        for (; j >= 1 && h.value[j] > value; --j) {
            h.code[j + 1] = h.code[j];
            h.value[j + 1] = h.value[j];
        }
        h.code[j + 1] = code;
        h.value[j + 1] = value;
    }
    h.count = static_cast<std::uint8_t>(n);
}

int countValue(const TGameRecord& r, int seat, int value) {
    if (!isSeat(seat)) return 0;
    const auto& v = r.hand[seat].value;
    return static_cast<int>(std::count(v.begin() + 1, v.end(), value));
}

int findCard(const TGameRecord& r, int seat, const TCardCode& code) {
    if (!isSeat(seat)) return 0;
    for (int s = 1; s <= kSlots; ++s)
        if (r.hand[seat].code[s] == code) return s;
    return 0;
}

int seatsWithCards(const TGameRecord& r) {
    int n = 0;
    for (int s = 1; s <= kSeats; ++s) n += r.hand[s].count != 0;
    return n;
}

bool nextSeatEmpty(const TGameRecord& r, int seat) {
    return r.hand[nextSeat(seat)].count == 0;
}

int highestSlot(const TGameRecord& r, int seat) {
    if (!isSeat(seat)) return 0;
    for (int s = kSlots; s >= 1; --s)
        if (r.hand[seat].value[s] != kEmptyValue) return s;
    return 0;
}

} // namespace vantor
