// vantor-sim: plays whole games with the computer player on all four seats and checks the rules'
// invariants after every move; `decide` and `give` ask the computer player about one position.
#include "position.h"
#include "simulator.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: vantor-sim [--games N] [--rounds 3|4|5] [--no-jokers] [--quick] [--seed S]\n"
    "       vantor-sim decide < position\n"
    "       vantor-sim give < hand\n";

std::optional<long long> number(const char* text, long long low, long long high) {
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < low || v > high) return std::nullopt;
    return v;
}

int bad(const std::string& what) {
    std::cerr << "vantor-sim: " << what << '\n' << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "decide") == 0)
        return argc == 2 ? vantor::sim::decideFromText(std::cin, std::cout, std::cerr)
                         : bad("decide takes no arguments");
    if (argc >= 2 && std::strcmp(argv[1], "give") == 0)
        return argc == 2 ? vantor::sim::giveFromText(std::cin, std::cout, std::cerr)
                         : bad("give takes no arguments");

    vantor::sim::TSimOptions options;
    bool seedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](long long low, long long high) -> std::optional<long long> {
            if (i + 1 >= argc) return std::nullopt;
            return number(argv[++i], low, high);
        };
        if (arg == "--games") {
            const auto v = value(1, 100000000);
            if (!v) return bad("--games needs a number from 1");
            options.games = static_cast<int>(*v);
        } else if (arg == "--rounds") {
            const auto v = value(3, 5);
            if (!v) return bad("--rounds needs 3, 4 or 5");
            options.rounds = static_cast<int>(*v);
        } else if (arg == "--seed") {
            const auto v = value(0, 0x7FFFFFFFFFFFFFFFLL);
            if (!v) return bad("--seed needs a non-negative number");
            options.seed = static_cast<std::uint64_t>(*v);
            seedGiven = true;
        } else if (arg == "--no-jokers") {
            options.noJokers = true;
        } else if (arg == "--quick") {
            options.quick = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else {
            return bad("unknown argument \"" + arg + "\"");
        }
    }
    if (!seedGiven) options.seed = static_cast<std::uint64_t>(std::time(nullptr));

    const auto report = vantor::sim::runSimulation(options);
    std::printf("games %ld, rounds %ld, moves %ld (%d rounds a game%s%s, seed %llu)\n",
                report.games, report.rounds, report.moves, options.rounds,
                options.noJokers ? ", no jokers" : "", options.quick ? ", quick game" : "",
                static_cast<unsigned long long>(options.seed));
    std::printf("average game points: seat 1 %.2f, seat 2 %.2f, seat 3 %.2f, seat 4 %.2f\n",
                report.pointsPerSeat[1], report.pointsPerSeat[2], report.pointsPerSeat[3],
                report.pointsPerSeat[4]);
    std::printf("%.0f rounds per second\n",
                report.seconds > 0 ? static_cast<double>(report.rounds) / report.seconds : 0.0);
    if (report.failure) {
        std::fprintf(stderr, "vantor-sim: invariant broken: %s\n", report.failure->c_str());
        return 1;
    }
    return 0;
}
