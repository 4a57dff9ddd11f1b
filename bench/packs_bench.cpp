// Loading one large face set from a pack the size of the first face-set pack: 31 sets of 54
// faces in two sizes. The loader opens the pack, reads the 54 large faces of one set by name
// and closes it again; decoding the PNG pictures is not part of this.
#include "packs/card_sets.h"
#include "packs/pack.h"
#include "packs/pack_writer.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace vantor {
namespace {

std::vector<std::string> faceNames(const TFaceSet& set, const char* size) {
    std::vector<std::string> names;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            names.push_back(faceResourceName(set, static_cast<TSuit>(suit), rank, size));
    names.push_back(jokerResourceName(set, true, size));
    names.push_back(jokerResourceName(set, false, size));
    return names;
}

// About 33 MB: large faces of 20 KB, small ones of 5 KB, as the rendered packs hold.
const std::filesystem::path& benchPack() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "vantor-bench-ZovCards06A.dll";
        TPackWriter writer;
        std::mt19937 rng(6);
        for (const TFaceSet& set : faceSets()) {
            if (std::string_view(set.pack) != kFacePackA) continue;
            for (const auto& [size, bytes] : {std::pair{"", 5000}, std::pair{"B", 20000}})
                for (const std::string& name : faceNames(set, size)) {
                    std::vector<std::uint8_t> data(static_cast<std::size_t>(bytes));
                    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
                    writer.addRcData(name, std::move(data));
                }
        }
        writer.write(path);
        return path;
    }();
    return file;
}

void BM_LoadLargeFaceSetFromPack(benchmark::State& state) {
    const auto& file = benchPack();
    const auto names = faceNames(faceSets()[29], "B");
    std::size_t bytes = 0;
    for (auto _ : state) {
        TPack pack;
        if (pack.open(file) != TPackStatus::Ok) {
            state.SkipWithError("bench pack unreadable");
            return;
        }
        for (const std::string& name : names) {
            auto png = pack.readRcData(name);
            if (!png) {
                state.SkipWithError("face missing");
                return;
            }
            bytes += png->size();
            benchmark::DoNotOptimize(png->data());
        }
        pack.close();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_LoadLargeFaceSetFromPack)->Unit(benchmark::kMillisecond);

void BM_OpenPackDirectory(benchmark::State& state) {
    const auto& file = benchPack();
    for (auto _ : state) {
        TPack pack;
        benchmark::DoNotOptimize(pack.open(file));
    }
}
BENCHMARK(BM_OpenPackDirectory)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantor
