// The program's own cues: every name the game plays is there (and nothing else), each one is a
// well-formed, audible, unclipped WAVE that starts and ends quietly, and no two sound the same.
#include "assets/sounds.h"
#include "base/wave.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantor {
namespace {

// The cues the game plays, with the longest each may last: the waiting cues pace the computer's
// play and the ticks repeat every second, so those must be short.
struct TCueLimit {
    const char* name;
    std::uint32_t maxMs;
};
constexpr TCueLimit kCues[] = {
    {"WTasoKo", 1000}, {"WHodsDo", 250},  {"WDiPass", 450},  {"WKoGutX", 1200}, {"WNichya", 1200},
    {"WKoBadX", 1200}, {"WKoGood", 1500}, {"WKoBads", 1500}, {"WFiBest", 2500}, {"WFiGood", 2500},
    {"WFiBads", 2500}, {"SDing00", 200},  {"SDing0N", 200},  {"WOpenFo", 600},  {"WWrongs", 600},
    {"WToMenK", 900},  {"STimerA", 150},  {"STimerB", 150},
};

TEST(Sounds, ExactlyTheCuesTheGamePlays) {
    std::set<std::string> expected, registered;
    for (const TCueLimit& c : kCues) expected.insert(c.name);
    for (std::string_view name : builtinSoundNames()) registered.insert(std::string(name));
    EXPECT_EQ(registered, expected);
}

TEST(Sounds, NamesAreFoundWithoutRegardToCase) {
    const auto* exact = builtinSound("WTasoKo");
    ASSERT_NE(exact, nullptr);
    EXPECT_EQ(builtinSound("wtasoko"), exact);
    EXPECT_EQ(builtinSound("WTASOKO"), exact);
    EXPECT_EQ(builtinSoundName("sding0n"), "SDing0N");
    for (const char* missing : {"", "WTasoK", "WTasoKoo", "Ch3QVoiceEng", "WTaso\xD0\x9A"}) {
        EXPECT_EQ(builtinSound(missing), nullptr) << missing;
        EXPECT_TRUE(builtinSoundName(missing).empty()) << missing;
    }
}

TEST(Sounds, EveryCueIsAPleasantWellFormedWave) {
    std::set<std::vector<std::int16_t>> distinct;
    for (const TCueLimit& c : kCues) {
        SCOPED_TRACE(c.name);
        const auto* file = builtinSound(c.name);
        ASSERT_NE(file, nullptr);
        const auto info = readWaveInfo(*file);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->format, kWaveFormatPcm);
        EXPECT_EQ(info->bitsPerSample, 16);
        const auto sound = decodeWave(*file);
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->channels, 1);
        EXPECT_EQ(sound->sampleRate, 22050u);
        EXPECT_GE(sound->milliseconds(), 20u);
        EXPECT_LE(sound->milliseconds(), c.maxMs);
        int peak = 0;
        double energy = 0;
        for (std::int16_t s : sound->samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            energy += static_cast<double>(s) * s;
        }
        const double rms = std::sqrt(energy / static_cast<double>(sound->samples.size()));
        EXPECT_GT(peak, 32767 * 0.3) << "audible";
        EXPECT_LT(peak, 32767 * 0.7) << "never clipped, never harsh";
        EXPECT_GT(rms, 300.0) << "not mostly silence";
        // No click at either end.
        EXPECT_LT(std::abs(sound->samples.front()), 2000);
        EXPECT_LT(std::abs(sound->samples.back()), 200);
        EXPECT_TRUE(distinct.insert(sound->samples).second) << "sounds like another cue";
    }
}

} // namespace
} // namespace vantor
