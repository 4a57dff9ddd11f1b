#include "engine/exchange.h"

#include "engine/round.h"

namespace vantor {

bool exchangeDue(const TGameRecord& r) {
    for (int p = 1; p <= kSeats; ++p)
        if (!isSeat(r.previousPlaces[p])) return false;
    return true;
}

bool transferCard(TGameRecord& r, TTableView& view, int from, int to, int slot, bool lift,
                  bool settle) {
    if (!isSeat(from) || !isSeat(to) || from == to || !isSlot(slot)) return false;
    if (r.hand[from].value[slot] == kEmptyValue || r.hand[to].count >= kSlots) return false;
    if (lift) {
        r.lift[from][slot] = liftFor(from);
        view.drawHand(from);
        view.pause(500);
    }
    TFlight f;
    f.fromSeat = from;
    f.fromSlot = slot;
    f.fromCount = r.hand[from].count;
    f.faceUp = false;
    f.always = true;
    clearLift(r, from);

    TSeatHand& giver = r.hand[from];
    f.code = giver.code[slot];
    const std::uint8_t value = giver.value[slot];
    giver.code[slot] = TCardCode::empty();
    giver.value[slot] = kEmptyValue;
    sortHand(r, from);
    view.drawHand(from);

    TSeatHand& receiver = r.hand[to];
    const int free = receiver.count + 1;
    receiver.code[free] = f.code;
    receiver.value[free] = value;
    sortHand(r, to);
    const int newSlot = findCard(r, to, f.code);

    r.lift[to][newSlot] = liftFor(to);
    f.toSeat = to;
    f.toSlot = newSlot;
    f.toCount = receiver.count;
    view.flyCard(f);
    view.playCue("WHodsDo", false);
    view.drawHand(to);
    if (settle) {
        view.pause(500);
        clearLift(r, to);
        view.drawHand(to);
    }
    r.selection.count = 0;
    r.selection.slot[1] = r.selection.slot[2] = 0;
    return true;
}

int givingRuleSlot(const TGameRecord& r, int seat) {
    if (!isSeat(seat)) return 0;
    const auto& v = r.hand[seat].value;
    for (int s = 1; s <= kSlots - 1; ++s) {
        if (v[s] > 8) continue;
        if (v[s] != v[s + 1] && (s == 1 || v[s] != v[s - 1])) return s;
    }
    for (int s = kSlots; s >= 1; --s)
        if (v[s] <= 8) return s;
    for (int s = 1; s <= kSlots; ++s)
        if (v[s] != kEmptyValue) return s;
    return 0;
}

std::vector<TCardCode> givingRuleCards(const TGameRecord& r, int seat, int count) {
    std::vector<TCardCode> cards;
    if (!isSeat(seat)) return cards;
    TGameRecord left = r;
    for (int k = 0; k < count; ++k) {
        const int slot = givingRuleSlot(left, seat);
        if (slot == 0) break;
        cards.push_back(left.hand[seat].code[slot]);
        left.hand[seat].code[slot] = TCardCode::empty();
        left.hand[seat].value[slot] = kEmptyValue;
        sortHand(left, seat);
    }
    return cards;
}

namespace {

void giveByRule(TGameRecord& r, TTableView& view, int from, int to) {
    transferCard(r, view, from, to, givingRuleSlot(r, from), true, true);
    clearLift(r, from);
}

void turnToLeader(TGameRecord& r, TTableView& view) {
    r.turn = r.leader;
    view.drawFrames();
    view.pointTurn(r.turn);
}

} // namespace

void citizenGives(TGameRecord& r, TTableView& view) {
    const int c = citizenSeat(r), v = vantorSeat(r);
    for (int k = 0; k < 2; ++k) {
        transferCard(r, view, c, v, highestSlot(r, c), true, false);
        clearLift(r, v);
    }
    r.turn = tsVantorGives;
}

void vantorStep(TGameRecord& r, TTableView& view) {
    const int v = vantorSeat(r), c = citizenSeat(r);
    view.drawHand(v);
    if (r.computerSeat[v]) {
        giveByRule(r, view, v, c);
        giveByRule(r, view, v, c);
        r.turn = tsMinisterGives;
    } else if (v == kLocalSeat) {
        r.selection.clear();
        r.turn = tsVantorChoosing;
    }
    // Otherwise a remote player chooses: the state stays 21 until the gift arrives.
}

void vantorGivesChosen(TGameRecord& r, TTableView& view) {
    const int v = vantorSeat(r), c = citizenSeat(r);
    const int first = r.selection.slot[1], second = r.selection.slot[2];
    if (!isSlot(first) || !isSlot(second) || first == second) return;
    const TCardCode secondCode = r.hand[v].code[second];
    if (!transferCard(r, view, v, c, first, false, true)) return;
    transferCard(r, view, v, c, findCard(r, v, secondCode), false, true);
    r.turn = tsMinisterGives;
}

void ministerGives(TGameRecord& r, TTableView& view) {
    const int m = ministerSeat(r), vv = viceVantorSeat(r);
    transferCard(r, view, m, vv, highestSlot(r, m), true, false);
    r.turn = tsViceGives;
}

void viceStep(TGameRecord& r, TTableView& view) {
    const int vv = viceVantorSeat(r), m = ministerSeat(r);
    clearLift(r, vv);
    view.drawHand(vv);
    if (r.computerSeat[vv]) {
        giveByRule(r, view, vv, m);
        turnToLeader(r, view);
    } else if (vv == kLocalSeat) {
        r.selection.clear();
        r.turn = tsViceChoosing;
    }
}

void viceGivesChosen(TGameRecord& r, TTableView& view) {
    const int vv = viceVantorSeat(r), m = ministerSeat(r);
    if (!transferCard(r, view, vv, m, r.selection.slot[1], false, true)) return;
    r.selection.clear();
    turnToLeader(r, view);
}

} // namespace vantor
