#include "simulator.h"

#include "engine/computer.h"
#include "engine/exchange.h"
#include "engine/flow.h"
#include "engine/input.h"
#include "engine/legality.h"
#include "engine/round.h"

#include <chrono>
#include <functional>
#include <set>
#include <sstream>
#include <vector>

namespace vantor::sim {
namespace {

// Keeps the cards laid on the table this round, so every card can be found exactly once.
class TSimView : public TSilentView {
public:
    std::vector<TCardCode> played;
    std::function<void()> afterMove;

    void flyCard(const TFlight& f) override {
        if (f.toSeat == 0 && !f.offTable) played.push_back(f.code);
    }
    void pointTurn(int) override {
        if (afterMove) afterMove();
    }
};

struct TFailure {
    std::string what;
};

// The message is built only when the check fails: this runs after every move.
#define SIM_REQUIRE(ok, what)                                                                      \
    do {                                                                                           \
        if (!(ok)) throw TFailure{std::string(what)};                                              \
    } while (false)

std::string codeName(const TCardCode& c) {
    return valueName(cardValue(c));
}

// A number 0..63 for each of the 54 cards, to mark them seen without allocating.
int cardIndex(const TCardCode& c) {
    const int v = cardValue(c);
    if (v == kJokerValue) return 56 + (c.chars[1] == '3');
    for (int s = 0; s < 4; ++s)
        if (kSuits[s] == c.chars[1]) return v * 4 + s;
    return 63;
}

struct TSeen {
    std::uint64_t bits = 0;
    bool insert(const TCardCode& c) {
        const std::uint64_t bit = std::uint64_t{1} << cardIndex(c);
        const bool fresh = !(bits & bit);
        bits |= bit;
        return fresh;
    }
};

void checkInvariants(const TGameRecord& r, const TSimView& view) {
    TSeen seen;
    int total = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const TSeatHand& h = r.hand[seat];
        int count = 0;
        int last = 0;
        bool emptySeen = false;
        for (int s = 1; s <= kSlots; ++s) {
            if (h.value[s] == kEmptyValue) {
                SIM_REQUIRE(h.code[s].isEmpty(), "empty slot holds a code");
                emptySeen = true;
                continue;
            }
            SIM_REQUIRE(!emptySeen, "hand of seat " + std::to_string(seat) + " is not compacted");
            SIM_REQUIRE(h.value[s] >= last,
                        "hand of seat " + std::to_string(seat) + " is not sorted");
            SIM_REQUIRE(cardValue(h.code[s]) == h.value[s], "slot value does not match its code");
            SIM_REQUIRE(isCardCode(h.code[s]), "unknown card code in a hand");
            last = h.value[s];
            ++count;
            SIM_REQUIRE(seen.insert(h.code[s]), "card " + codeName(h.code[s]) + " held twice");
        }
        SIM_REQUIRE(count == h.count, "card count of seat " + std::to_string(seat) + " is wrong");
        SIM_REQUIRE(!(r.NoJokers && countValue(r, seat, kJokerValue) > 0),
                    "a joker dealt without jokers");
        total += count;
    }
    for (const TCardCode& c : view.played)
        SIM_REQUIRE(seen.insert(c), "card " + codeName(c) + " both played and held");
    total += static_cast<int>(view.played.size());
    SIM_REQUIRE(total == (r.NoJokers ? 52 : 54), "cards lost or made: " + std::to_string(total));
    for (int k = 1; k <= r.groupSize; ++k) {
        const TCardCode& c = r.current.code[k];
        bool onTable = false;
        for (const auto& p : view.played) onTable |= p == c;
        SIM_REQUIRE(onTable, "table card was never played");
    }
    std::set<int> places;
    for (int s = 1; s <= kSeats; ++s)
        if (r.placeCode[s] != 0)
            SIM_REQUIRE(places.insert(r.placeCode[s]).second, "a place given twice");
    SIM_REQUIRE(r.groupSize >= 0 && r.groupSize <= 4, "group size out of range");
}

// Seat 4 is played as a person would: the computer player's choice is made by clicking the
// cards one by one and pressing the buttons, so every choice passes the click acceptance.
void localMove(TGameRecord& r, TSimView& view, TShuffleSource& source) {
    TGameRecord scratch = r;
    decideMove(scratch, kLocalSeat);
    const TSelection wanted = scratch.selection;
    for (int k = 1; k <= wanted.count; ++k) {
        const TClickResult result = clickToPlay(r, wanted.slot[k]);
        SIM_REQUIRE(result == TClickResult::Selected,
                    "the click acceptance refused a computer choice");
    }
    if (wanted.count == 0) {
        SIM_REQUIRE(mayPass(r), "the computer passed on an empty table");
        SIM_REQUIRE(pressButton8(r, view) == TButtonOutcome::Done, "pass not taken");
    } else {
        SIM_REQUIRE(mayPlaySelection(r), "play button not offered for a computer choice");
        SIM_REQUIRE(pressButton7(r, view, source) == TButtonOutcome::Done, "play not taken");
    }
}

// The giving rule applied through the choice clicks of the local Vantor or Vice-Vantor.
void localGifts(TGameRecord& r, int cards) {
    for (const TCardCode& code : givingRuleCards(r, kLocalSeat, cards)) {
        const int slot = findCard(r, kLocalSeat, code);
        const TClickResult result = cards == 2 ? clickVantorGift(r, slot) : clickViceGift(r, slot);
        SIM_REQUIRE(result == TClickResult::Selected, "a gift click was not taken");
    }
    SIM_REQUIRE(giftsComplete(r), "Ok not offered after choosing the gifts");
}

void checkRoundEnd(const TGameRecord& r, int& expectedPoints) {
    std::set<int> places;
    for (int s = 1; s <= kSeats; ++s) places.insert(r.placeCode[s]);
    SIM_REQUIRE((places == std::set<int>{1, 2, 3, 4}), "places after the round are not 1 to 4");
    int sum = 0;
    for (int s = 1; s <= kSeats; ++s) sum += r.GamePoints[s];
    if (!r.QuickGame) {
        expectedPoints += 18;
        SIM_REQUIRE(sum == expectedPoints, "game points do not add up");
    }
    SIM_REQUIRE(r.GameResult ==
                    3 * r.GamePoints[4] - r.GamePoints[1] - r.GamePoints[2] - r.GamePoints[3],
                "GameResult is not 3 x own points minus the others'");
}

long playGame(TGameRecord& r, TSimView& view, TShuffleSource& source, int gameIndex, long& moves) {
    TNewGame game;
    game.storedGameNumber = gameIndex;
    game.freshPlayer = false;
    game.localName = "Robot";
    view.played.clear();
    startGame(r, view, source, game);
    checkInvariants(r, view);
    long rounds = 0;
    int expectedPoints = 0;
    view.afterMove = [&] {
        ++moves;
        checkInvariants(r, view);
    };
    for (int guard = 0; guard < 100000; ++guard) {
        if (r.RoundPhase == 1) {
            // "To Begin" after every deal.
            SIM_REQUIRE(pressButton7(r, view, source) == TButtonOutcome::Done,
                        "To Begin not taken");
            continue;
        }
        switch (r.turn) {
        case 1:
        case 2:
        case 3:
            tick(r, view);
            break;
        case kLocalSeat:
            localMove(r, view, source);
            break;
        case tsVantorChoosing:
            localGifts(r, 2);
            [[fallthrough]];
        case tsVantorGives:
        case tsMinisterGives:
        case tsViceGives:
            SIM_REQUIRE(pressButton7(r, view, source) == TButtonOutcome::Done,
                        "exchange step not taken");
            checkInvariants(r, view);
            break;
        case tsViceChoosing:
            localGifts(r, 1);
            SIM_REQUIRE(pressButton7(r, view, source) == TButtonOutcome::Done,
                        "exchange step not taken");
            break;
        case tsRoundOver:
            ++rounds;
            checkRoundEnd(r, expectedPoints);
            view.played.clear();
            pressButton7(r, view, source);
            SIM_REQUIRE(r.RoundPhase == 1, "next round not dealt");
            checkInvariants(r, view);
            break;
        case tsGameOver:
            ++rounds;
            checkRoundEnd(r, expectedPoints);
            SIM_REQUIRE(r.RoundNumber == r.RoundsPerGame, "game ended before its last round");
            SIM_REQUIRE(pressButton8(r, view) == TButtonOutcome::ExitToMenu,
                        "Exit to menu not offered");
            view.afterMove = nullptr;
            return rounds;
        default:
            SIM_REQUIRE(false, "unexpected turn state " + std::to_string(r.turn));
        }
    }
    SIM_REQUIRE(false, "the game did not end");
    return rounds;
}

} // namespace

TSimReport runSimulation(const TSimOptions& options) {
    TSimReport report;
    TShuffleSource source(options.seed);
    TSimView view;
    const auto start = std::chrono::steady_clock::now();
    std::int64_t points[5] = {};
    try {
        for (int g = 0; g < options.games; ++g) {
            TGameRecord r;
            r.RoundsPerGame = options.rounds;
            r.NoJokers = options.noJokers;
            r.QuickGame = options.quick;
            configureSeats(r);
            report.rounds += playGame(r, view, source, g, report.moves);
            for (int s = 1; s <= kSeats; ++s) points[s] += r.GamePoints[s];
            ++report.games;
        }
    } catch (const TFailure& f) {
        std::ostringstream out;
        out << f.what << " (game " << report.games + 1 << ", seed " << options.seed << ")";
        report.failure = out.str();
    }
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (int s = 1; s <= kSeats; ++s)
        report.pointsPerSeat[s] = report.games ? static_cast<double>(points[s]) / report.games : 0;
    return report;
}

} // namespace vantor::sim
