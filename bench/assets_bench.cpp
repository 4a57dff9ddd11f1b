// Drawing a large card face at window scale: the scaled picture is made once and kept, so a
// redraw of the table costs one blit per card.
#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QGuiApplication& guiApp() {
    static int argc = 1;
    static char name[] = "vantor-bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets and caches may outlive the tests.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

// Window size 4 (k = 1.7): a wide card is ScaleK(71) x ScaleK(96) = 121 x 163.
void BM_DrawLargeCardAtWindowScale(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    guiApp();
    const QImage face = vantor::builtinPicture(QStringLiteral("Kr4KB"));
    vantor::TScaledPictureCache cache;
    QImage hand(612, 178, QImage::Format_ARGB32_Premultiplied);
    hand.fill(Qt::darkGreen);
    QPainter p(&hand);
    int x = 0;
    for (auto _ : state) {
        const QImage& card = cache.get(QStringLiteral("Kr4KB"), face, QSize(121, 163), 14);
        p.drawImage(x, 15, card);
        x = (x + 23) % 480;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawLargeCardAtWindowScale)->Unit(benchmark::kMicrosecond);

// The first scaling of a face, what the cache saves on every later draw.
void BM_ScaleLargeCardUncached(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    guiApp();
    const QImage face = vantor::builtinPicture(QStringLiteral("Kr4KB"));
    for (auto _ : state) {
        QImage card = vantor::scaledWithRoundedCorners(face, QSize(121, 163), 14);
        benchmark::DoNotOptimize(card.constBits());
    }
}
BENCHMARK(BM_ScaleLargeCardUncached)->Unit(benchmark::kMicrosecond);

} // namespace
