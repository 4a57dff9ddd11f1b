// Loading a large face set from a pack, and drawing a large card of the main window's face
// cache at window scale (scaled once, then one blit per draw).
#include "assets/builtin_pictures.h"
#include "packs/card_sets.h"
#include "packs/face_ellipse.h"
#include "packs/pack_writer.h"
#include "settings/settings.h"
#include "table/pictures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {
namespace fs = std::filesystem;

void ensureApp() {
    // One application object for the whole benchmark program; another benchmark file may
    // have made it already.
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantor-bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

std::vector<std::uint8_t> png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// A home folder holding "ZovCards06A.dll" with set 2 ("Modern") in both sizes, written as the
// pack builder writes it (ellipse inverted) from the program's own faces. Made once.
const fs::path& benchHome() {
    static const fs::path home = [] {
        ensureApp();
        std::random_device rd;
        const fs::path dir =
            fs::temp_directory_path() / ("vantor-bench-pictures-" + std::to_string(rd())) / "home";
        fs::create_directories(dir);
        const vantor::TFaceSet& own = vantor::faceSets()[0];
        const vantor::TFaceSet& set = vantor::faceSets()[2];
        vantor::TPackWriter writer;
        for (const char* size : {"", "B"})
            for (int n = 1; n <= 54; ++n) {
                const int index = n - 1;
                const bool joker = index >= 52;
                const auto name = [&](const vantor::TFaceSet& s) {
                    if (joker) return vantor::jokerResourceName(s, index == 52, size);
                    const int group = index / 4;
                    return vantor::faceResourceName(s, static_cast<vantor::TSuit>(index % 4),
                                                    group == 0 ? 2 : group + 2, size);
                };
                QImage face = vantor::builtinPicture(QString::fromStdString(name(own)))
                                  .convertToFormat(QImage::Format_ARGB32);
                if (!joker)
                    vantor::invertFaceEllipse(reinterpret_cast<std::uint32_t*>(face.bits()),
                                              face.width(), face.height(),
                                              static_cast<std::size_t>(face.bytesPerLine() / 4));
                writer.addRcData(name(set), png(face));
            }
        writer.write(dir / vantor::kFacePackA);
        static const fs::path* made = new fs::path(dir.parent_path()); // outlives exit
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*made, ec);
        });
        return dir;
    }();
    return home;
}

// Window size 5: 54 large faces (146 x 198 PNG pictures) read, decoded and restored. With
// VANTOR_BENCH_PACKS naming a folder of packs made by `vantor-packs build`, the second run
// loads set 29 from its "ZovCards06A.dll" (and the narrow backs from "ZovCards06B.dll").
void BM_PicturesLoadLargeFaceSet(benchmark::State& state) {
    const char* real = std::getenv("VANTOR_BENCH_PACKS");
    const int deck = state.range(0) == 1 ? 29 : 2;
    setenv("VANTOR_HOME", state.range(0) == 1 ? real : benchHome().c_str(), 1);
    ensureApp();
    vantor::TSettings settings;
    vantor::TPictures pictures(settings);
    pictures.setNotice([](const QString&) {});
    pictures.setWindow(5, QSize(1520, 1000), 2.0);
    for (auto _ : state) {
        settings.CardDeck = deck;
        if (!pictures.LoadFaceSet()) state.SkipWithError("the pack did not load");
        benchmark::DoNotOptimize(pictures.face(vantor::cardOfNumber(1)).constBits());
    }
    unsetenv("VANTOR_HOME");
}
BENCHMARK(BM_PicturesLoadLargeFaceSet)->Arg(0)->Unit(benchmark::kMillisecond);
const bool realPacksRegistered =
    std::getenv("VANTOR_BENCH_PACKS") &&
    benchmark::RegisterBenchmark("BM_PicturesLoadLargeFaceSet/real", BM_PicturesLoadLargeFaceSet)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond);

// Window size 3 (k = 1.3): a hand of faces drawn at 92 x 125 from the face cache, and in the
// large window (k = 2) at their own size.
void BM_PicturesDrawLargeCard(benchmark::State& state) {
    ensureApp();
    const double k = state.range(0) == 3 ? 1.3 : 2.0;
    const QSize client = state.range(0) == 3 ? QSize(990, 650) : QSize(1520, 1000);
    vantor::TSettings settings;
    vantor::TPictures pictures(settings);
    pictures.setWindow(static_cast<int>(state.range(0)), client, k);
    pictures.LoadFaceSet();
    QImage hand(720, 260, QImage::Format_ARGB32_Premultiplied);
    hand.fill(Qt::darkGreen);
    QPainter p(&hand);
    int x = 0, n = 1;
    for (auto _ : state) {
        pictures.drawFace(p, x, 15, vantor::cardOfNumber(n));
        x = (x + 23) % 480;
        n = n % 54 + 1;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PicturesDrawLargeCard)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

} // namespace
