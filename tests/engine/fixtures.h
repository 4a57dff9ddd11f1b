#pragma once
// Small helpers for building positions by card value.

#include "engine/record.h"
#include "engine/view.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace vantor::test {

// Fills a seat's hand with real codes for the given values (suits taken in turn) and sorts it.
inline void setHand(TGameRecord& r, int seat, const std::vector<int>& values) {
    static int suitTurn = 0;
    TSeatHand& h = r.hand[seat];
    h = TSeatHand();
    int slot = 1;
    int jokers = 0;
    for (int v : values) {
        TCardCode code;
        if (v == kJokerValue) {
            code = TCardCode::fromBytes(jokers++ == 0 ? "j2" : "j3");
        } else {
            const char rank = cardOfNumber(v == 13 ? 1 : 4 * v + 1).chars[0];
            const char bytes[2] = {rank, kSuits[(suitTurn++) % 4]};
            code = TCardCode::fromBytes(std::string_view(bytes, 2));
        }
        h.code[slot] = code;
        h.value[slot] = static_cast<std::uint8_t>(v);
        ++slot;
    }
    h.count = static_cast<std::uint8_t>(values.size());
    sortHand(r, seat);
}

// A hand of `n` cards nobody looks at, for the card counts of other seats.
inline void setCount(TGameRecord& r, int seat, int n) {
    TSeatHand& h = r.hand[seat];
    h = TSeatHand();
    for (int s = 1; s <= n; ++s) {
        h.code[s] = cardOfNumber(s);
        h.value[s] = static_cast<std::uint8_t>(cardValue(h.code[s]));
    }
    h.count = static_cast<std::uint8_t>(n);
    sortHand(r, seat);
}

inline std::vector<int> handValues(const TGameRecord& r, int seat) {
    std::vector<int> v;
    for (int s = 1; s <= r.hand[seat].count; ++s) v.push_back(r.hand[seat].value[s]);
    return v;
}

// Puts a group on the table as if it had been played.
inline void setTable(TGameRecord& r, int value, int size) {
    r.groupValue = value;
    r.groupSize = size;
    for (int k = 1; k <= size; ++k) {
        r.current.value[k] = static_cast<std::uint8_t>(value);
        r.current.code[k] = cardOfNumber(value == 14 ? 52 + k : (value == 13 ? k : 4 * value + k));
    }
}

// Selects slots in order, as the computer or a message would.
inline void select(TGameRecord& r, std::initializer_list<int> slots) {
    r.selection.clear();
    for (int s : slots) r.selection.slot[++r.selection.count] = static_cast<std::uint8_t>(s);
}

// A view that writes down what it was asked to show.
struct TRecordingView : TSilentView {
    std::vector<std::string> cues;
    std::vector<std::pair<int, TSaying>> sayings;
    std::vector<TFlight> flights;
    std::vector<int> pauses;
    int beeps = 0;
    void playCue(std::string_view name, bool) override { cues.emplace_back(name); }
    void say(int seat, TSaying s, TBubble) override { sayings.emplace_back(seat, s); }
    void flyCard(const TFlight& f) override { flights.push_back(f); }
    void pause(int ms) override { pauses.push_back(ms); }
    void beep() override { ++beeps; }
};

// Values by name, to keep the cases readable.
constexpr int c3 = 1, c4 = 2, c5 = 3, c6 = 4, c7 = 5, c8 = 6, c9 = 7, c10 = 8, cJ = 9, cQ = 10,
              cK = 11, cA = 12, c2 = 13, JK = 14;

} // namespace vantor::test
