#include "engine/flow.h"

#include "base/fields.h"
#include "engine/computer.h"
#include "engine/exchange.h"
#include "engine/input.h"
#include "engine/legality.h"
#include "engine/round.h"

#include <algorithm>

namespace vantor {

int localSeatOfHostSeat(int role, int hostSeat) {
    static constexpr int shift[5] = {0, 0, 2, 3, 1};
    const int s = role >= 1 && role <= 4 ? shift[role] : 0;
    return (hostSeat - 1 + s) % kSeats + 1;
}

void configureSeats(TGameRecord& r) {
    r.computerSeat.fill(false);
    if (r.mode == TTableMode::Computer) {
        r.computerSeat[1] = r.computerSeat[2] = r.computerSeat[3] = true;
    } else if (r.mode == TTableMode::Lan) {
        // In the host's numbering role 2 sits at seat 2, role 3 at seat 1, role 4 at seat 3, and
        // joiners take the roles in that order; the host plays the seats nobody took. Every copy
        // knows them in its own numbering, as it computes the computer's gifts itself.
        const bool hostSeatIsComputer[5] = {false, r.joiners < 2, r.joiners < 1, r.joiners < 3,
                                            false};
        for (int h = 1; h <= kSeats; ++h)
            if (hostSeatIsComputer[h]) r.computerSeat[localSeatOfHostSeat(r.localRole, h)] = true;
    }
}

bool pacesTable(const TGameRecord& r) {
    return r.mode == TTableMode::Computer || r.localRole == 1;
}

namespace {

void dealSequence(TGameRecord& r, TTableView& view, TShuffleSource& source, bool newGame,
                  bool countRound) {
    for (int s = 1; s <= kSeats; ++s) clearLift(r, s);
    if (newGame) {
        r.RoundPoints.fill(0);
        r.GamePoints.fill(0);
        r.RoundNumber = 0;
        r.GameResult = 0;
        r.NewScore = 0;
        r.gameOver = false;
    }
    if (countRound) ++r.RoundNumber;

    const bool dealsHere =
        r.mode == TTableMode::Computer || (r.mode == TTableMode::Lan && r.localRole == 1);
    if (dealsHere) {
        shuffleDeck(r, source);
        if (r.NoJokers) removeJokers(r);
        if (r.mode == TTableMode::Lan) view.send(TOutgoing::Deal, nullptr, 0);
    }
    if (r.RoundNumber == 1) {
        r.leader = static_cast<std::uint8_t>(firstRoundLeader(r));
        r.turn = r.leader;
    }

    r.groupValue = r.groupSize = 0;
    r.selection.clear();
    r.trail.reset();
    r.current.clear();
    r.previous.clear();
    r.RoundPoints.fill(0);
    r.placeCode.fill(0);
    if (r.RoundNumber == 1) r.previousPlaces.fill(0);

    r.gameRunning = true;
    r.gameOver = false;
    clearHints(r);
    view.drawFrames();
    view.drawTable();
    view.setButton(7, TButtonCaption::ToBegin, pacesTable(r));
    view.setButton(8, TButtonCaption::ExitToMenu, false);

    if (r.mode != TTableMode::Tournament)
        distribute(r, r.mode == TTableMode::Computer ? 1 : r.localRole);
    if (r.RoundNumber > 1 && isSeat(r.previousPlaces[1])) {
        r.leader = r.previousPlaces[1];
        r.turn = r.leader;
    }

    r.faceUp.fill(false);
    r.faceUp[kLocalSeat] = true;
    for (int s = 1; s <= kSeats; ++s) {
        view.showPoints(s);
        view.drawHand(s);
    }
    for (int s = 1; s <= kSeats; ++s) {
        if (r.RoundNumber == 1 || !exchangeDue(r)) {
            view.say(s, TSaying::NameAndPoints, TBubble::Yellow);
        } else {
            const int code = 5 - static_cast<int>(std::find(r.previousPlaces.begin() + 1,
                                                            r.previousPlaces.end(), s) -
                                                  r.previousPlaces.begin());
            view.say(s, titleOf(code), bubbleOf(code));
        }
    }
    view.pointTurn(r.turn);
    view.playCue("WTasoKo", false);
    r.RoundPhase = 1;
    view.runTick(false);
}

void restartClockForLeader(TGameRecord& r, TTableView& view) {
    if (r.mode == TTableMode::Tournament) view.restartMoveClock(r.leader);
}

void sendSelection(TGameRecord& r, TTableView& view, TOutgoing what, int seat, int places) {
    TCardCode codes[2];
    int n = 0;
    for (int k = 1; k <= places; ++k)
        if (isSlot(r.selection.slot[k])) codes[n++] = r.hand[seat].code[r.selection.slot[k]];
    view.send(what, codes, n);
}

} // namespace

void startGame(TGameRecord& r, TTableView& view, TShuffleSource& source, const TNewGame& game) {
    if (game.freshPlayer) {
        r.GameNumber = 1;
        r.CarriedScore = 0;
    } else {
        r.GameNumber = game.storedGameNumber + 1;
        r.CarriedScore = game.carriedScore;
    }
    if (r.mode == TTableMode::Computer) {
        for (int s = 1; s <= 3; ++s) r.seatName[s] = "PC";
        r.seatName[kLocalSeat] = std::string(trimRight(game.localName));
    }
    dealSequence(r, view, source, true, true);
}

void dealNextRound(TGameRecord& r, TTableView& view, TShuffleSource& source, bool countRound) {
    dealSequence(r, view, source, false, countRound);
}

TButtonOutcome pressButton7(TGameRecord& r, TTableView& view, TShuffleSource& source) {
    if (!r.gameRunning) return TButtonOutcome::Nothing;
    const bool remoteTable = r.mode != TTableMode::Computer;

    if (r.RoundPhase == 1) {
        r.RoundPhase = 2;
        view.runTick(true);
        view.setButton(7, TButtonCaption::Ok, false);
        view.setButton(8, TButtonCaption::Pass, false);
        view.send(TOutgoing::Begin, nullptr, 0);
        restartClockForLeader(r, view);
        if (r.RoundNumber > 1 && isSeat(r.turn) && exchangeDue(r)) {
            citizenGives(r, view);
            if (remoteTable) view.pause(1000);
            view.enableButton(7, pacesTable(r));
        }
        return TButtonOutcome::Done;
    }

    switch (r.turn) {
    case tsVantorGives:
        view.send(TOutgoing::Exchange1, nullptr, 0);
        vantorStep(r, view);
        view.enableButton(7, r.turn == tsMinisterGives && pacesTable(r));
        return TButtonOutcome::Done;
    case tsVantorChoosing:
        if (!giftsComplete(r)) return TButtonOutcome::Nothing;
        view.enableButton(7, false);
        sendSelection(r, view, TOutgoing::Exchange2, vantorSeat(r), 2);
        vantorGivesChosen(r, view);
        view.enableButton(7, pacesTable(r));
        return TButtonOutcome::Done;
    case tsMinisterGives:
        view.send(TOutgoing::Exchange3, nullptr, 0);
        ministerGives(r, view);
        if (remoteTable) view.pause(1000);
        view.enableButton(7, pacesTable(r));
        return TButtonOutcome::Done;
    case tsViceGives:
        view.send(TOutgoing::Exchange4, nullptr, 0);
        viceStep(r, view);
        view.enableButton(7, false);
        return TButtonOutcome::Done;
    case tsViceChoosing:
        if (!giftsComplete(r)) return TButtonOutcome::Nothing;
        view.enableButton(7, false);
        sendSelection(r, view, TOutgoing::Exchange5, viceVantorSeat(r), 1);
        viceGivesChosen(r, view);
        for (int s = 1; s <= kSeats; ++s) view.say(s, TSaying::Name, TBubble::Yellow);
        restartClockForLeader(r, view);
        return TButtonOutcome::Done;
    case tsRoundOver:
        if (r.mode == TTableMode::Tournament) {
            view.send(TOutgoing::Next, nullptr, 0);
        } else {
            view.runTick(false);
            dealNextRound(r, view, source);
        }
        return TButtonOutcome::Done;
    case kLocalSeat: {
        // The button is offered only for a complete, legal group; a stray press changes nothing.
        if (seatsWithCards(r) <= 1 || !mayPlaySelection(r)) return TButtonOutcome::Nothing;
        int values[4];
        const int n = r.selection.count;
        for (int k = 1; k <= n; ++k) values[k - 1] = r.hand[kLocalSeat].value[r.selection.slot[k]];
        if (!isLegalPlay(std::span<const int>(values, n), r.groupSize, r.groupValue))
            return TButtonOutcome::Nothing;
        playSelection(r, view, kLocalSeat, true);
        return TButtonOutcome::Done;
    }
    default:
        return TButtonOutcome::Nothing;
    }
}

TButtonOutcome pressButton8(TGameRecord& r, TTableView& view) {
    if (r.turn == kLocalSeat && seatsWithCards(r) > 1 && r.gameRunning) {
        if (!isPassAllowed(r)) return TButtonOutcome::Nothing;
        r.selection.clear();
        clearLift(r, kLocalSeat);
        playSelection(r, view, kLocalSeat, true);
        return TButtonOutcome::Done;
    }
    if (r.gameOver) return TButtonOutcome::ExitToMenu;
    return TButtonOutcome::Nothing;
}

void tick(TGameRecord& r, TTableView& view) {
    // Only the computer table and the LAN host move computer seats; joiners receive their plays.
    if (!r.gameRunning || !pacesTable(r) || r.mode == TTableMode::Tournament || r.RoundPhase != 2)
        return;
    for (int seat = 1; seat <= 3; ++seat) {
        if (r.turn != seat || !r.computerSeat[seat]) continue;
        decideMove(r, seat, view);
        playSelection(r, view, seat, r.mode == TTableMode::Lan);
        view.pointTurn(r.turn);
    }
}

} // namespace vantor
