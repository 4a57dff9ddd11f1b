#include "engine/computer.h"

namespace vantor {
namespace {

// The seat's hand seen by value: the first slot and size of each value's run, 1..14.
struct TWorkTable {
    std::array<int, kHighestValue + 1> first{};
    std::array<int, kHighestValue + 1> size{};
    int jokers = 0;
    int joker1 = 0, joker2 = 0;
    int groups = 0;
};

TWorkTable buildWorkTable(const TGameRecord& r, int seat) {
    TWorkTable w;
    const TSeatHand& h = r.hand[seat];
    // The hand is sorted: its cards fill the first slots and the first empty slot ends them.
    for (int s = 1; s <= kSlots; ++s) {
        const int v = h.value[s];
        if (v == kEmptyValue) break;
        if (v < 1 || v > kHighestValue) continue;
        if (w.size[v] == 0) {
            w.first[v] = s;
            w.groups += v != kJokerValue;
        }
        ++w.size[v];
    }
    w.jokers = w.size[kJokerValue];
    w.joker1 = w.jokers >= 1 ? w.first[kJokerValue] : 0;
    w.joker2 = w.jokers >= 2 ? w.first[kJokerValue] + 1 : 0;
    return w;
}

// The two seats a computer seat keeps an eye on. The local seat is never watched by seats 1 to 3;
// when seat 4 is played by the computer it watches the two seats after it.
std::array<int, 2> watchedSeats(int seat) {
    switch (seat) {
    case 1:
        return {2, 3};
    case 2:
        return {3, 1};
    case 3:
        return {1, 2};
    default:
        return {1, 2};
    }
}

bool othersHoldAtLeast(const TGameRecord& r, int n) {
    return r.hand[1].count >= n && r.hand[2].count >= n && r.hand[3].count >= n;
}

struct TChoice {
    TSelection& sel;
    const TWorkTable& w;

    void run(int v, int n) {
        sel.clear();
        for (int k = 1; k <= n; ++k) sel.slot[k] = static_cast<std::uint8_t>(w.first[v] + k - 1);
        sel.count = static_cast<std::uint8_t>(n);
    }
    void addJokers() {
        if (w.jokers == 0) return;
        for (int place = 1; place <= 4; ++place) {
            if (sel.slot[place] != 0) continue;
            sel.slot[place] = static_cast<std::uint8_t>(w.joker1);
            if (place < 4 && w.joker2) sel.slot[place + 1] = static_cast<std::uint8_t>(w.joker2);
            return;
        }
    }
    void keepPlaces(int n) {
        for (int k = n + 1; k <= 4; ++k) sel.slot[k] = 0;
        sel.count = static_cast<std::uint8_t>(n);
    }
};

} // namespace

TDecision decideMove(TGameRecord& r, int seat, TTableView& view) {
    r.selection.clear();
    if (!isSeat(seat) || r.hand[seat].count == 0) return {};
    const TWorkTable w = buildWorkTable(r, seat);
    TChoice choose{r.selection, w};
    const int tv = r.groupValue;
    const int ts = r.groupSize;
    const bool tableEmpty = ts == 0;
    const bool few = w.groups <= 2;
    bool watchedShort = false;
    for (int s : watchedSeats(seat)) watchedShort |= r.hand[s].count >= 1 && r.hand[s].count <= 5;
    const bool endgame = few || (watchedShort && w.groups <= 4);

    const char* rule = "";
    auto selected = [&] { return r.selection.count > 0; };

    if (few && tableEmpty) {
        for (int c = 6; c >= 1 && !selected(); --c) {
            for (int v = 13; v >= 1; --v) {
                if (w.size[v] + w.jokers != c) continue;
                choose.run(v, w.size[v]);
                choose.addJokers();
                r.selection.count = static_cast<std::uint8_t>(c >= 5 ? 4 : c);
                rule = "End-1-1";
                break;
            }
        }
    }
    if (!selected() && endgame && tableEmpty) {
        for (int c = 4; c >= 1 && !selected(); --c) {
            for (int v = 13; v >= 1; --v) {
                if (w.size[v] != c) continue;
                choose.run(v, c);
                rule = "End-1-2";
                break;
            }
        }
    }
    if (!selected() && endgame && !tableEmpty) {
        for (int v = 13; v >= 1; --v) {
            if (w.size[v] == ts && v >= tv) {
                choose.run(v, ts);
                rule = "End-2";
                break;
            }
        }
    }
    if (!selected() && endgame && !tableEmpty) {
        for (int v = 13; v >= 1; --v) {
            if (w.size[v] + w.jokers >= ts && v >= tv) {
                choose.run(v, w.size[v]);
                choose.addJokers();
                choose.keepPlaces(ts);
                rule = "End-3";
                break;
            }
        }
    }
    if (!selected() && !endgame) {
        bool lowSingle = false;
        for (int v = 1; v <= 7; ++v) lowSingle |= w.size[v] == 1;
        if (tableEmpty && !lowSingle && othersHoldAtLeast(r, 10)) {
            for (int v = 1; v <= 7; ++v) {
                if (w.size[v] == 2) {
                    choose.run(v, 2);
                    rule = "Begin-S";
                    break;
                }
            }
        }
    }
    if (!selected() && !endgame) {
        const int limit =
            othersHoldAtLeast(r, 12) || (othersHoldAtLeast(r, 6) && tableEmpty) ? 11 : 13;
        for (int c = 1; c <= 4 && !selected(); ++c) {
            for (int v = 1; v <= limit; ++v) {
                if (v >= tv && w.size[v] == c && (tableEmpty || ts == c)) {
                    choose.run(v, c);
                    rule = "Begin-0";
                    break;
                }
            }
        }
    }
    if (!selected() && !endgame && ts >= 1 && ts <= 3) {
        static constexpr const char* names[4] = {"", "Begin-1", "Begin-2", "Begin-3"};
        const int limit = othersHoldAtLeast(r, 12) ? 11 : 12;
        for (int v = limit; v >= 1; --v) {
            if (v >= tv && w.size[v] >= ts) {
                choose.run(v, ts);
                rule = names[ts];
                break;
            }
        }
    }
    if (!selected() && tableEmpty) {
        // A safety net: the leader never passes.
        view.beep();
        r.selection.clear();
        r.selection.slot[1] = 1;
        r.selection.count = 1;
        rule = "Error";
        view.beep();
    }
    if (selected()) {
        r.groupValue = r.hand[seat].value[r.selection.slot[1]];
        r.groupSize = r.selection.count;
    }
    return {rule};
}

} // namespace vantor
