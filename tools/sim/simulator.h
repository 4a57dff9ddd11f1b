#pragma once
// Whole games with the computer player on every seat, through the real engine, with the rules'
// invariants checked after every move.

#include <cstdint>
#include <optional>
#include <string>

namespace vantor::sim {

struct TSimOptions {
    int games = 100;
    int rounds = 3;
    bool noJokers = false;
    bool quick = false;
    std::uint64_t seed = 1;
};

struct TSimReport {
    long games = 0;
    long rounds = 0;
    long moves = 0;
    double pointsPerSeat[5] = {};
    double seconds = 0;
    std::optional<std::string> failure; // the broken invariant, when one broke
};

TSimReport runSimulation(const TSimOptions& options);

} // namespace vantor::sim
