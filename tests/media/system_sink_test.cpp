// The system's audio output on this machine, whatever it has: a test run usually has no sound
// server, so every cue is silent; waiting must still last the cue's length (no longer than a
// bounded grace), asynchronous cues must return at once, and timers that fire meanwhile see
// the guard raised.
#include "assets/sounds.h"
#include "media/cues.h"
#include "media_test_util.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "test_media";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

std::uint32_t cueLength(const char* name) {
    return decodeWave(*builtinSound(name))->milliseconds();
}

TEST(SystemSink, WaitingCueLastsItsLengthAndTimersSeeTheGuard) {
    app();
    const TScopedEnv notInstant("VANTOR_INSTANT", nullptr);
    const bool sound = Settings.SoundOn;
    Settings.SoundOn = true;
    int ticks = 0, guarded = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++ticks;
        guarded += IsCueWaiting() ? 1 : 0;
    });
    tick.start(20);
    for (const char* name : {"WDiPass", "WHodsDo"}) {
        QElapsedTimer clock;
        clock.start();
        PlayCue(name, true);
        const qint64 took = clock.elapsed();
        EXPECT_GE(took, cueLength(name) - 2) << name;
        EXPECT_LT(took, cueLength(name) + 1500 + 300) << name;
    }
    EXPECT_FALSE(IsCueWaiting());
    EXPECT_GT(ticks, 0) << "timers (and painting) go on during a wait";
    EXPECT_EQ(ticks, guarded) << "every tick during the waits saw the guard";

    QElapsedTimer clock;
    clock.start();
    PlayCue("WFiBest", false);
    PlayCue("WTasoKo", false);
    EXPECT_LT(clock.elapsed(), 500) << "asynchronous cues return at once";
    Settings.SoundOn = sound;
}

TEST(SystemSink, InstantRunsDoNotWait) {
    app();
    const TScopedEnv instant("VANTOR_INSTANT", "1");
    const bool sound = Settings.SoundOn;
    Settings.SoundOn = true;
    QElapsedTimer clock;
    clock.start();
    PlayCue("WFiBest", true);
    EXPECT_LT(clock.elapsed(), 500);
    Settings.SoundOn = sound;
}

} // namespace
} // namespace vantor
