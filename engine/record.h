#pragma once
// The game record: the one shared state of a game at the table. Seats, hand slots, deck
// positions and table places count from one; every array is one larger and index 0 is unused.

#include "engine/cards.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

constexpr int kSeats = 4;
constexpr int kLocalSeat = 4;
constexpr int kSlots = 20;
constexpr int kTrailLength = 54;

// Turn states besides the seats 1 to 4.
enum TTurnState : std::uint8_t {
    tsBrokenOff = 6,
    tsRoundOver = 10,
    tsGameOver = 11,
    tsVantorGives = 21,
    tsVantorChoosing = 23,
    tsMinisterGives = 24,
    tsViceGives = 25,
    tsViceChoosing = 26,
};

// Place codes of a round, in the order the seats go out.
enum TPlaceCode : std::uint8_t {
    pcPlaying = 0,
    pcCitizen = 1,
    pcMinister = 2,
    pcViceVantor = 3,
    pcVantor = 4,
};

// Who sits at the table beside the local player.
enum class TTableMode : std::uint8_t { Computer, Lan, Tournament };

struct TSeatHand {
    std::array<TCardCode, kSlots + 1> code{};
    std::array<std::uint8_t, kSlots + 1> value{};
    std::uint8_t count = 0;

    TSeatHand() { value.fill(kEmptyValue); }
};

struct TTableGroup {
    std::array<TCardCode, 5> code{};
    std::array<std::uint8_t, 5> value{};

    TTableGroup() { value.fill(kEmptyValue); }
    void clear() { *this = TTableGroup(); }
};

// The play being prepared: slot numbers in the order they were chosen, 0 for none.
struct TSelection {
    std::uint8_t count = 0;
    std::array<std::uint8_t, 5> slot{};

    void clear() { *this = TSelection(); }
};

// For the current trick: the index of the next move and, per move, 1 for a pass or a skipped
// seat, 0 for a play.
struct TMoveTrail {
    int index = 1;
    std::array<std::uint8_t, kTrailLength + 1> passed{};

    void reset() { *this = TMoveTrail(); }
    // Records one move and advances; a trick never has more moves than the pack has cards,
    // but the index is held at the last entry rather than trusted.
    void record(bool pass) {
        passed[static_cast<std::size_t>(index)] = pass ? 1 : 0;
        if (index < kTrailLength) ++index;
    }
    bool at(int m) const { return m >= 1 && m <= kTrailLength && passed[m] == 1; }
};

struct TGameRecord {
    std::array<TSeatHand, kSeats + 1> hand{};
    std::array<TCardCode, kDeckSize + 1> deckCode{};
    std::array<std::uint8_t, kDeckSize + 1> deckValue{};

    TTableGroup current;
    TTableGroup previous;
    int groupValue = 0;
    int groupSize = 0;

    TSelection selection;
    TMoveTrail trail;

    std::array<std::uint8_t, kSeats + 1> placeCode{};
    // Seats of the previous round's Vantor, Vice-Vantor, Minister and Citizen (places 1 to 4).
    std::array<std::uint8_t, kSeats + 1> previousPlaces{};

    std::uint8_t turn = 0;
    std::uint8_t leader = 0;
    std::uint8_t RoundPhase = 0;

    std::array<std::int32_t, kSeats + 1> RoundPoints{};
    std::array<std::int32_t, kSeats + 1> GamePoints{};
    std::int32_t GameResult = 0;
    std::int32_t CarriedScore = 0;
    std::int32_t NewScore = 0;
    std::int32_t GameNumber = 0;
    std::int32_t RoundNumber = 0;
    std::int32_t RoundsPerGame = 3;
    bool NoJokers = false;
    bool QuickGame = false;
    bool gameRunning = false;
    bool gameOver = false;

    std::array<std::string, kSeats + 1> seatName{};
    // A seat's cards are shown face up: always the local seat, the others after the round.
    std::array<bool, kSeats + 1> faceUp{};

    // Display marks: a lifted card is drawn raised (or lowered) by this many pixels; a hint
    // mark 'b' darkens a card that cannot be used now, '#' is normal.
    std::array<std::array<int, kSlots + 1>, kSeats + 1> lift{};
    std::array<std::array<char, kSlots + 1>, kSeats + 1> hint{};

    // Mode of the table and which seats this copy's computer player moves.
    TTableMode mode = TTableMode::Computer;
    int localRole = 1; // LAN: 1 host, 2 to 4 joiners; the tournament seat in a tournament
    int joiners = 0;   // LAN host: connected joiners, 1 to 3
    std::array<bool, kSeats + 1> computerSeat{};

    TGameRecord();
};

// Clears the hint marks of every seat ('#').
void clearHints(TGameRecord& r);
// Clears the lift marks of one seat.
void clearLift(TGameRecord& r, int seat);

// Compacts and sorts one seat's hand by value (stable: cards of equal value keep their order,
// jokers last, empty slots after them) and recounts it.
void sortHand(TGameRecord& r, int seat);

// Number of slots 1..20 of a seat holding the given value.
int countValue(const TGameRecord& r, int seat, int value);
// Slot 1..20 of a seat holding `code`, 0 when absent.
int findCard(const TGameRecord& r, int seat, const TCardCode& code);
// Number of seats whose card count is not 0.
int seatsWithCards(const TGameRecord& r);
// The seat after `seat` in turn order (4 wraps to 1).
constexpr int nextSeat(int seat) {
    return seat % kSeats + 1;
}
// The seat before `seat` in turn order (1 wraps to 4).
constexpr int previousSeat(int seat) {
    return (seat + kSeats - 2) % kSeats + 1;
}
// Whether the seat after `seat` has no cards.
bool nextSeatEmpty(const TGameRecord& r, int seat);
// The last occupied slot of a sorted hand (its highest card), 0 for an empty hand.
int highestSlot(const TGameRecord& r, int seat);

constexpr bool isSeat(int seat) {
    return seat >= 1 && seat <= kSeats;
}
constexpr bool isSlot(int slot) {
    return slot >= 1 && slot <= kSlots;
}

} // namespace vantor
