// The engine's speed: one decision of the computer player, and one silent round from the deal
// to the scoring with the computer player on all four seats.
#include "engine/computer.h"
#include "engine/flow.h"
#include "engine/round.h"

#include <benchmark/benchmark.h>

namespace {
using namespace vantor;

void BM_ComputerDecision(benchmark::State& state) {
    // A mid-round position: seat 2 must answer a single with a full hand of groups.
    TGameRecord r;
    TShuffleSource source(17);
    shuffleAndDeal(r, source);
    r.groupValue = 6;
    r.groupSize = 1;
    TSilentView view;
    for (auto _ : state) {
        const TDecision d = decideMove(r, 2, view);
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(r.selection);
    }
}
BENCHMARK(BM_ComputerDecision);

void BM_ComputerLead(benchmark::State& state) {
    TGameRecord r;
    TShuffleSource source(23);
    shuffleAndDeal(r, source);
    TSilentView view;
    for (auto _ : state) {
        r.groupValue = r.groupSize = 0;
        benchmark::DoNotOptimize(decideMove(r, 1, view));
    }
}
BENCHMARK(BM_ComputerLead);

void BM_SilentRound(benchmark::State& state) {
    TShuffleSource source(99);
    TSilentView view;
    TGameRecord r;
    configureSeats(r);
    long moves = 0;
    for (auto _ : state) {
        startGame(r, view, source, TNewGame{});
        pressButton7(r, view, source);
        while (isSeat(r.turn)) {
            const int seat = r.turn;
            decideMove(r, seat, view);
            playSelection(r, view, seat, false);
            ++moves;
        }
        benchmark::DoNotOptimize(r.GamePoints);
    }
    state.counters["moves/round"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SilentRound);

} // namespace
