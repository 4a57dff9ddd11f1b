#pragma once
// Shuffle and deal: a fresh permutation of the pack every round, the jokers taken out when the
// game is played without them, four slices dealt by the local role, and the round's leader.

#include "engine/record.h"

#include <cstdint>
#include <optional>
#include <random>

namespace vantor {

// The random source of the shuffle. Without a seed it is reseeded from the clock at every
// shuffle; with one (tests, the simulator) the sequence is repeatable.
class TShuffleSource {
public:
    explicit TShuffleSource(std::optional<std::uint64_t> seed = std::nullopt);
    void reseed();
    // A uniform card number 1..54.
    int drawCardNumber();

private:
    std::mt19937_64 engine_;
    bool fixed_;
    std::uint64_t reseeds_ = 0;
};

// Fills deck positions 1..54 with a uniformly random permutation of the card numbers, drawn by
// rejection: a number already taken is simply drawn again.
void shuffleDeck(TGameRecord& r, TShuffleSource& source);

// Empties the joker positions and moves the cards of positions 54 and 53 into the first holes,
// so positions 1 to 52 hold the 52 natural cards.
void removeJokers(TGameRecord& r);

// Deck positions of slice A..D (0..3): first and last position.
struct TSlice {
    int first, last;
};
TSlice dealSlice(int slice, bool noJokers);

// Which slice (0 = A .. 3 = D) seat 1..4 receives for a local role 1..4 (the computer table
// deals as role 1).
int sliceOfSeat(int role, int seat);

// Empties every hand and copies the four slices of the deck into them for the local role.
// Hands are sorted afterwards.
void distribute(TGameRecord& r, int role);

// Shuffle, take out the jokers when asked, and deal for the record's local role.
void shuffleAndDeal(TGameRecord& r, TShuffleSource& source);

// The leader of the first round of a game: on the computer table from `GameNumber`, on a LAN
// and in the tournament from `RoundNumber` through the local role's row.
int firstRoundLeader(const TGameRecord& r);

} // namespace vantor
