#include "engine/round.h"

#include "engine/input.h"
#include "engine/scoring.h"

#include <algorithm>

namespace vantor {
namespace {

// The nearest seat before `seat` that still has cards, looking back at most three seats.
int previousSeatWithCards(const TGameRecord& r, int seat) {
    int s = seat;
    for (int k = 0; k < 3; ++k) {
        s = previousSeat(s);
        if (r.hand[s].count > 0) return s;
    }
    return 0;
}

void sayNameAgainBefore(const TGameRecord& r, TTableView& view, int seat) {
    if (const int before = previousSeatWithCards(r, seat))
        view.say(before, TSaying::Name, TBubble::Yellow);
}

void clearTable(TGameRecord& r, TTableView& view) {
    for (int k = 1; k <= r.groupSize && k <= 4; ++k) {
        const TCardCode top = r.current.code[k].isEmpty() ? r.previous.code[k] : r.current.code[k];
        if (!top.isEmpty()) {
            TFlight f;
            f.code = top;
            f.fromSlot = k;
            f.offTable = true;
            f.always = true;
            view.flyCard(f);
        }
        r.current.code[k] = r.previous.code[k] = TCardCode::empty();
        r.current.value[k] = r.previous.value[k] = kEmptyValue;
    }
    r.trail.reset();
    r.groupValue = 0;
    r.groupSize = 0;
    view.drawTable();
    for (int s = 1; s <= kSeats; ++s)
        if (r.placeCode[s] == pcPlaying) view.say(s, TSaying::Name, TBubble::Yellow);
}

void handlePass(TGameRecord& r, TTableView& view, int passer) {
    view.say(passer, TSaying::Pass, TBubble::Green);
    sayNameAgainBefore(r, view, passer);
    view.playCue("WDiPass", false);

    const int m = r.trail.index;
    const int n = seatsWithCards(r);
    const bool successorEmpty = nextSeatEmpty(r, passer);
    const bool cleared = (m >= 3 && r.trail.at(m - 1) && r.trail.at(m - 2)) ||
                         ((n == 2 || n == 3) && m >= 2 && r.trail.at(m - 1) && successorEmpty) ||
                         (n == 2 && successorEmpty && nextSeatEmpty(r, nextSeat(passer)));
    if (cleared) {
        clearTable(r, view);
    } else {
        r.trail.record(true);
    }
}

void goOut(TGameRecord& r, TTableView& view, int mover) {
    auto taken = [&](int code) {
        return std::find(r.placeCode.begin() + 1, r.placeCode.end(), code) != r.placeCode.end();
    };
    int code = pcPlaying;
    if (!taken(pcVantor) && !taken(pcViceVantor) && !taken(pcMinister) && !taken(pcCitizen)) {
        code = pcVantor;
    } else if (taken(pcVantor) && !taken(pcViceVantor)) {
        code = pcViceVantor;
    } else if (taken(pcVantor) && taken(pcViceVantor) && !taken(pcMinister)) {
        code = pcMinister;
    }
    if (code == pcPlaying) return;
    r.placeCode[mover] = static_cast<std::uint8_t>(code);
    view.say(mover, titleOf(code), bubbleOf(code));
}

void nextTurn(TGameRecord& r, TTableView& view) {
    int seat = isSeat(r.turn) ? r.turn : kLocalSeat;
    seat = nextSeat(seat);
    // A seat without cards is skipped and the skip recorded; with two or more seats holding
    // cards two skips always reach one, the third is only a guard.
    for (int k = 0; k < 3 && r.hand[seat].count == 0; ++k) {
        r.trail.record(true);
        seat = nextSeat(seat);
    }
    r.turn = static_cast<std::uint8_t>(seat);
    const bool localToBeat = seat == kLocalSeat && r.groupSize > 0;
    if (localToBeat && r.hand[kLocalSeat].count > 0) view.enableButton(8, true);
    clearHints(r);
    view.drawHand(kLocalSeat);
    if (localToBeat) {
        computeHints(r, kLocalSeat);
        view.drawHand(kLocalSeat);
    }
    view.drawFrames();
    view.pointTurn(seat);
}

} // namespace

TSaying titleOf(int placeCode) {
    switch (placeCode) {
    case pcVantor:
        return TSaying::Vantor;
    case pcViceVantor:
        return TSaying::ViceVantor;
    case pcMinister:
        return TSaying::Minister;
    default:
        return TSaying::Citizen;
    }
}

TBubble bubbleOf(int placeCode) {
    switch (placeCode) {
    case pcVantor:
        return TBubble::Red;
    case pcViceVantor:
        return TBubble::Blue;
    case pcMinister:
        return TBubble::Fiolet;
    default:
        return TBubble::Green;
    }
}

bool roundIsOver(const TGameRecord& r, int mover) {
    return seatsWithCards(r) <= 1 || (r.QuickGame && isSeat(mover) && r.hand[mover].count == 0);
}

int nextSeatWithCards(const TGameRecord& r, int seat) {
    const int next = nextSeat(seat);
    return r.hand[next].count == 0 ? nextSeat(next) : next;
}

void settleFinalPlaces(TGameRecord& r, TTableView& view, int mover) {
    if (!r.QuickGame) {
        for (int s = 1; s <= kSeats; ++s) {
            if (r.placeCode[s] == pcPlaying) {
                r.placeCode[s] = pcCitizen;
                view.say(s, TSaying::Citizen, TBubble::Green);
            }
        }
    } else {
        // The winner is the Vantor; the others are ranked by the cards they still hold, and
        // equal counts by turn order starting after the winner.
        const int winner = isSeat(mover) ? mover : kLocalSeat;
        r.placeCode[winner] = pcVantor;
        int order[3];
        int n = 0;
        for (int s = nextSeat(winner); s != winner; s = nextSeat(s)) order[n++] = s;
        std::stable_sort(order, order + 3,
                         [&](int a, int b) { return r.hand[a].count < r.hand[b].count; });
        for (int k = 0; k < 3; ++k) {
            const int code = pcViceVantor - k;
            r.placeCode[order[k]] = static_cast<std::uint8_t>(code);
        }
        for (int k = 0; k < 3; ++k)
            view.say(order[k], titleOf(r.placeCode[order[k]]), bubbleOf(r.placeCode[order[k]]));
    }
    // The remaining hands are turned face up; the scoring that follows draws them.
    for (int s = 1; s <= kSeats; ++s)
        if (r.hand[s].count > 0) r.faceUp[s] = true;
    for (int s = 1; s <= kSeats; ++s) {
        const int code = r.placeCode[s];
        if (code >= pcCitizen && code <= pcVantor)
            r.previousPlaces[5 - code] = static_cast<std::uint8_t>(s);
    }
}

void playSelection(TGameRecord& r, TTableView& view, int seat, bool send) {
    if (!isSeat(seat)) return;
    TSeatHand& hand = r.hand[seat];

    // The codes are noted first: the hand is sorted again after every removal.
    TCardCode codes[4];
    int n = 0;
    for (int k = 1; k <= r.selection.count && k <= 4; ++k) {
        const int slot = r.selection.slot[k];
        if (!isSlot(slot) || hand.value[slot] == kEmptyValue) continue;
        const TCardCode code = hand.code[slot];
        if (std::find(codes, codes + n, code) != codes + n) continue;
        codes[n++] = code;
    }

    if (send) view.send(TOutgoing::Play, codes, n);
    if (r.mode == TTableMode::Tournament) view.restartMoveClock(nextSeatWithCards(r, seat));

    clearLift(r, seat);
    view.enableButton(7, false);
    view.enableButton(8, false);

    if (n == 0) {
        handlePass(r, view, seat);
    } else {
        r.groupSize = n;
        view.say(seat, TSaying::Go, TBubble::Blue);
        sayNameAgainBefore(r, view, seat);
        clearHints(r);
        const bool jokersOnly =
            std::all_of(codes, codes + n, [](const TCardCode& c) { return c.isJoker(); });
        if (jokersOnly) r.groupValue = kJokerValue;
        for (int k = 1; k <= n; ++k) {
            const int slot = findCard(r, seat, codes[k - 1]);
            if (slot == 0) continue;
            const int value = hand.value[slot];
            r.previous.code[k] = r.current.code[k];
            r.previous.value[k] = r.current.value[k];
            r.current.code[k] = codes[k - 1];
            r.current.value[k] = static_cast<std::uint8_t>(value);
            if (value != kJokerValue) r.groupValue = value;
            const int countBefore = hand.count;
            hand.code[slot] = TCardCode::empty();
            hand.value[slot] = kEmptyValue;
            sortHand(r, seat);
            view.drawHand(seat);
            TFlight f;
            f.code = codes[k - 1];
            f.fromSeat = seat;
            f.fromSlot = slot;
            f.fromCount = countBefore;
            f.toSlot = k;
            f.faceUp = true;
            view.flyCard(f);
            view.drawTable();
            view.playCue("WHodsDo", false);
        }
        r.trail.record(false);
        if (hand.count == 0) goOut(r, view, seat);
    }

    r.selection.clear();
    if (roundIsOver(r, seat)) {
        settleFinalPlaces(r, view, seat);
        scoreRound(r, view);
    } else {
        nextTurn(r, view);
    }
}

} // namespace vantor
