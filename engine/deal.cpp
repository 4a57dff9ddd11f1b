#include "engine/deal.h"

#include <chrono>

namespace vantor {

TShuffleSource::TShuffleSource(std::optional<std::uint64_t> seed)
    : engine_(seed.value_or(0)), fixed_(seed.has_value()) {
    reseed();
}

void TShuffleSource::reseed() {
    if (fixed_) return;
    // The clock alone could repeat for two shuffles in the same tick; the counter keeps them apart.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint64_t>(now), ++reseeds_};
    engine_.seed(seq);
}

int TShuffleSource::drawCardNumber() {
    // Multiply-shift maps the 64 random bits onto 0..53; the bias is below 54 in 2^64.
    const unsigned __int128 wide = static_cast<unsigned __int128>(engine_()) * kDeckSize;
    return static_cast<int>(wide >> 64) + 1;
}

void shuffleDeck(TGameRecord& r, TShuffleSource& source) {
    source.reseed();
    std::uint64_t taken = 0;
    for (int i = 1; i <= kDeckSize; ++i) {
        int number;
        do {
            number = source.drawCardNumber();
        } while (taken & (std::uint64_t{1} << number));
        taken |= std::uint64_t{1} << number;
        r.deckCode[i] = cardOfNumber(number);
        r.deckValue[i] = static_cast<std::uint8_t>(cardValue(r.deckCode[i]));
    }
}

void removeJokers(TGameRecord& r) {
    for (int i = 1; i <= kDeckSize; ++i) {
        if (r.deckCode[i].isJoker()) {
            r.deckCode[i] = TCardCode::empty();
            r.deckValue[i] = kEmptyValue;
        }
    }
    for (int from : {54, 53}) {
        for (int i = 1; i <= kDeckSize; ++i) {
            if (r.deckCode[i].isEmpty()) {
                r.deckCode[i] = r.deckCode[from];
                r.deckValue[i] = r.deckValue[from];
                break;
            }
        }
    }
}

TSlice dealSlice(int slice, bool noJokers) {
    static constexpr TSlice withJokers[4] = {{1, 13}, {14, 26}, {27, 40}, {41, 54}};
    static constexpr TSlice without[4] = {{1, 13}, {14, 26}, {27, 39}, {40, 52}};
    return (noJokers ? without : withJokers)[slice & 3];
}

int sliceOfSeat(int role, int seat) {
    // Rows: role 1..4; columns: seat 1..4; 0 = A, 1 = B, 2 = C, 3 = D.
    static constexpr int table[4][4] = {{2, 1, 3, 0}, {3, 0, 2, 1}, {1, 3, 0, 2}, {0, 2, 1, 3}};
    if (role < 1 || role > 4 || !isSeat(seat)) return 0;
    return table[role - 1][seat - 1];
}

void distribute(TGameRecord& r, int role) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        TSeatHand& h = r.hand[seat];
        h = TSeatHand();
        const TSlice slice = dealSlice(sliceOfSeat(role, seat), r.NoJokers);
        int slot = 1;
        for (int pos = slice.first; pos <= slice.last; ++pos, ++slot) {
            h.code[slot] = r.deckCode[pos];
            h.value[slot] = r.deckValue[pos];
        }
        h.count = static_cast<std::uint8_t>(slice.last - slice.first + 1);
        sortHand(r, seat);
    }
}

void shuffleAndDeal(TGameRecord& r, TShuffleSource& source) {
    shuffleDeck(r, source);
    if (r.NoJokers) removeJokers(r);
    distribute(r, r.mode == TTableMode::Computer ? 1 : r.localRole);
}

int firstRoundLeader(const TGameRecord& r) {
    if (r.mode == TTableMode::Computer) {
        const int m = ((r.GameNumber % 4) + 4) % 4;
        return m == 0 ? 4 : m;
    }
    // Rows by RoundNumber mod 4 (1, 2, 3, 0); columns by role 1..4.
    static constexpr int table[4][4] = {{1, 3, 4, 2}, {2, 4, 1, 3}, {3, 1, 2, 4}, {4, 2, 3, 1}};
    const int remainder = ((r.RoundNumber % 4) + 4) % 4;
    const int row = remainder == 0 ? 3 : remainder - 1;
    const int role = r.localRole >= 1 && r.localRole <= 4 ? r.localRole : 1;
    return table[row][role - 1];
}

} // namespace vantor
