#pragma once
// Copies of the game at one LAN table, each with its own record, view and session, and a driver
// that plays every human seat the way a person would: the computer player's choice made by
// clicking the cards and pressing the table buttons, only when the button is offered.

#include "engine/computer.h"
#include "engine/exchange.h"
#include "engine/flow.h"
#include "engine/input.h"
#include "lan/session.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vantor::lan::test {

// The window's part of the view: button states and the send hook to the session.
class TTestView : public TSilentView {
public:
    TLanSession* session = nullptr;
    bool enabled[9] = {};
    int cues = 0;
    std::vector<std::string> cueNames;

    void setButton(int which, TButtonCaption, bool on) override { enabled[which] = on; }
    void enableButton(int which, bool on) override { enabled[which] = on; }
    void send(TOutgoing what, const TCardCode* cards, int count) override {
        if (session) session->outgoing(what, cards, count);
    }
    void playCue(std::string_view name, bool) override { cueNames.emplace_back(name); }
    // A window's pause keeps painting and lets socket events in; this stands for that.
    std::function<void()> duringPause;
    void pause(int) override {
        if (duringPause) duringPause();
    }
};

class TRecordingEvents : public TLanEvents {
public:
    std::vector<int> seatedJoiners;
    int seatedRole = 0;
    int opened = 0;
    int chats = 0;
    int finished = 0;
    int noGames = 0;
    std::vector<TLanLoss> losses;
    std::vector<std::string> logLines;

    void joinerSeated(int j) override { seatedJoiners.push_back(j); }
    void seated(int role) override { seatedRole = role; }
    void tableOpened() override { ++opened; }
    void chatChanged() override { ++chats; }
    void tableLost(TLanLoss why) override { losses.push_back(why); }
    void noGame() override { ++noGames; }
    void gameFinished() override { ++finished; }
    void log(std::string_view line) override { logLines.emplace_back(line); }
};

struct TCopy {
    TGameRecord record;
    TTestView view;
    TRecordingEvents events;
    std::unique_ptr<TLanSession> session;
    TShuffleSource source;

    TCopy(TLanTransport& transport, const std::string& name, std::uint64_t seed) : source(seed) {
        TLanConfig config;
        config.localName = name;
        session = std::make_unique<TLanSession>(record, view, transport, events, config);
        view.session = session.get();
    }
};

inline TNewGame newGameFor(const std::string& name) {
    TNewGame g;
    g.localName = name;
    return g;
}

// The local seat's move, chosen by the computer player and entered card by card.
inline void localMove(TCopy& c) {
    TGameRecord& r = c.record;
    TGameRecord scratch = r;
    decideMove(scratch, kLocalSeat);
    const TSelection wanted = scratch.selection;
    for (int k = 1; k <= wanted.count; ++k)
        ASSERT_EQ(clickToPlay(r, wanted.slot[k]), TClickResult::Selected);
    if (wanted.count == 0) {
        ASSERT_TRUE(mayPass(r));
        ASSERT_EQ(pressButton8(r, c.view), TButtonOutcome::Done);
    } else {
        ASSERT_TRUE(mayPlaySelection(r));
        ASSERT_EQ(pressButton7(r, c.view, c.source), TButtonOutcome::Done);
    }
}

// The giving rule entered through the gift clicks, then "Ok".
inline void localGifts(TCopy& c, int cards) {
    TGameRecord& r = c.record;
    for (const TCardCode& code : givingRuleCards(r, kLocalSeat, cards)) {
        const int slot = findCard(r, kLocalSeat, code);
        const TClickResult result = cards == 2 ? clickVantorGift(r, slot) : clickViceGift(r, slot);
        ASSERT_EQ(result, TClickResult::Selected);
    }
    ASSERT_TRUE(giftsComplete(r));
    ASSERT_EQ(pressButton7(r, c.view, c.source), TButtonOutcome::Done);
}

// Host seat of each copy's own player.
inline int hostSeatOf(int role) {
    static constexpr int seat[5] = {0, 4, 2, 1, 3};
    return seat[role];
}

// Every copy's record is the host's game seen from its own seat.
inline void expectSameTable(const std::vector<TCopy*>& copies) {
    const TGameRecord& h = copies[0]->record;
    for (std::size_t i = 1; i < copies.size(); ++i) {
        const TGameRecord& j = copies[i]->record;
        const int role = j.localRole;
        SCOPED_TRACE("joiner with role " + std::to_string(role));
        EXPECT_EQ(j.RoundNumber, h.RoundNumber);
        EXPECT_EQ(j.turn <= 4 ? 0 : j.turn, h.turn <= 4 ? 0 : h.turn);
        for (int hs = 1; hs <= kSeats; ++hs) {
            const int ls = localSeatOfHostSeat(role, hs);
            EXPECT_EQ(j.hand[ls].count, h.hand[hs].count) << "host seat " << hs;
            for (int s = 1; s <= kSlots; ++s) {
                EXPECT_EQ(j.hand[ls].code[s], h.hand[hs].code[s])
                    << "host seat " << hs << " slot " << s;
                EXPECT_EQ(j.hand[ls].value[s], h.hand[hs].value[s]);
            }
            EXPECT_EQ(j.GamePoints[ls], h.GamePoints[hs]) << "host seat " << hs;
            EXPECT_EQ(j.placeCode[ls], h.placeCode[hs]) << "host seat " << hs;
            EXPECT_EQ(j.seatName[ls], h.seatName[hs]) << "host seat " << hs;
            EXPECT_EQ(j.computerSeat[ls], h.computerSeat[hs]) << "host seat " << hs;
        }
        for (int p = 1; p <= kSeats; ++p) {
            if (!isSeat(h.previousPlaces[p])) continue;
            EXPECT_EQ(j.previousPlaces[p], localSeatOfHostSeat(role, h.previousPlaces[p]));
        }
    }
}

struct TGameRun {
    int roundsCompared = 0;
    int exchanges = 0;
    bool finished = false;
};

// Plays the copies' game to its end. `pump` delivers what is on the wire; `stop` may end the
// run early (a disconnect test). copies[0] is the host.
inline TGameRun playTable(const std::vector<TCopy*>& copies, const std::function<void()>& pump,
                          const std::function<bool()>& stop = {}, int steps = 200000) {
    TGameRun run;
    TCopy& host = *copies[0];
    int comparedRound = 0;
    for (int step = 0; step < steps; ++step) {
        pump();
        if (stop && stop()) return run;
        bool allOver = true;
        for (TCopy* c : copies) allOver &= c->record.gameOver && c->record.turn == tsGameOver;
        if (allOver) {
            expectSameTable(copies);
            ++run.roundsCompared;
            run.finished = true;
            return run;
        }
        for (TCopy* cp : copies) {
            TCopy& c = *cp;
            TGameRecord& r = c.record;
            if (!r.gameRunning) continue;
            const bool isHost = cp == &host;
            // As the window does around every engine operation of its own.
            TLanSession::THold hold(*c.session);
            if (r.RoundPhase == 1) {
                if (isHost && c.view.enabled[7]) pressButton7(r, c.view, c.source);
                continue;
            }
            switch (r.turn) {
            case 1:
            case 2:
            case 3:
                if (isHost) tick(r, c.view);
                break;
            case kLocalSeat:
                localMove(c);
                break;
            case tsVantorChoosing:
                ++run.exchanges;
                localGifts(c, 2);
                break;
            case tsViceChoosing:
                localGifts(c, 1);
                break;
            case tsVantorGives:
            case tsMinisterGives:
            case tsViceGives:
                if (isHost && c.view.enabled[7]) pressButton7(r, c.view, c.source);
                break;
            case tsRoundOver:
                if (isHost && c.view.enabled[7]) {
                    bool everyone = true;
                    for (TCopy* o : copies)
                        everyone &=
                            o->record.turn == tsRoundOver && o->record.RoundNumber == r.RoundNumber;
                    if (everyone && comparedRound != r.RoundNumber) {
                        expectSameTable(copies);
                        ++run.roundsCompared;
                        comparedRound = r.RoundNumber;
                    }
                    if (everyone) pressButton7(r, c.view, c.source);
                }
                break;
            default:
                break;
            }
            if (::testing::Test::HasFatalFailure()) return run;
        }
    }
    ADD_FAILURE() << "the game did not end";
    return run;
}

} // namespace vantor::lan::test
