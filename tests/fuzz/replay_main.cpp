// Driver for fuzz targets in the ordinary build: feeds the entry point every file of the corpus
// folders given on the command line, then a fixed series of pseudo-random inputs (some of them
// mutations of the corpus files). A crash or sanitizer report fails the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], ec)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
        }
    }
    for (const auto& seed : seeds) LLVMFuzzerTestOneInput(seed.data(), seed.size());

    std::mt19937 rng(20261211);
    std::vector<std::uint8_t> input;
    for (int round = 0; round < 4000; ++round) {
        if (!seeds.empty() && round % 2 == 0) {
            input = seeds[rng() % seeds.size()];
            const int flips = 1 + static_cast<int>(rng() % 8);
            for (int f = 0; f < flips && !input.empty(); ++f)
                input[rng() % input.size()] = static_cast<std::uint8_t>(rng());
            if (rng() % 4 == 0 && !input.empty()) input.resize(rng() % input.size());
        } else {
            input.resize(rng() % 512);
            for (auto& b : input) b = static_cast<std::uint8_t>(rng());
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("replayed %zu seeds and 4000 generated inputs\n", seeds.size());
    return 0;
}
