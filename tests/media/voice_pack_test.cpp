// The voice pack as `vantor-packs build` makes it: one clip for each of the 54 cards in each of
// the ten languages, under the names SpeakCard asks for, each a playable WAVE of speech; and the
// game finds and speaks from it. The pack is built once, into a folder of its own.
#include "base/wave.h"
#include "engine/cards.h"
#include "media/cues.h"
#include "media_test_util.h"
#include "packs/pack.h"
#include "settings/settings.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace vantor {
namespace {
using namespace vantor::testing;

TEST(VoicePack, BuiltPackSpeaksEveryCardInEveryLanguage) {
    if (std::system("command -v espeak-ng > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed on this machine";
    const auto dir = freshFolder("voicepack");
    const auto began = std::chrono::steady_clock::now();
    const std::string command = std::string("'") + VANTOR_PACKS_TOOL + "' build '" + dir.string() +
                                "' " + kVoicePack + " > '" + (dir / "build.log").string() +
                                "' 2>&1";
    const int rc = std::system(command.c_str());
    std::stringstream log;
    log << std::ifstream(dir / "build.log").rdbuf();
    ASSERT_EQ(rc, 0) << log.str();
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began);
    std::cout << "voice pack built in " << seconds.count() << " s\n";

    TPack pack;
    ASSERT_EQ(pack.open(dir / kVoicePack), TPackStatus::Ok) << pack.error();
    EXPECT_EQ(pack.entries().size(), static_cast<std::size_t>(kDeckSize * kLanguageCount));
    std::map<TLanguage, std::set<std::vector<std::int16_t>>> distinct;
    for (std::size_t l = 0; l < kLanguageCount; ++l) {
        const TLanguage language = languageFromIndex(static_cast<int>(l));
        for (int number = 1; number <= kDeckSize; ++number) {
            const std::string name = voiceClipName(cardOfNumber(number), language);
            SCOPED_TRACE(name);
            const auto bytes = pack.readRcData(name);
            ASSERT_TRUE(bytes);
            const auto info = readWaveInfo(*bytes);
            ASSERT_TRUE(info);
            EXPECT_EQ(info->format, kWaveFormatPcm);
            EXPECT_EQ(info->dataOffset + info->dataSize, bytes->size()) << "exact sizes";
            const auto sound = decodeWave(*bytes);
            ASSERT_TRUE(sound);
            EXPECT_EQ(sound->channels, 1);
            EXPECT_GE(sound->milliseconds(), 200u);
            EXPECT_LE(sound->milliseconds(), 3000u);
            int peak = 0;
            for (std::int16_t s : sound->samples) peak = std::max(peak, std::abs(int{s}));
            EXPECT_GT(peak, 3000) << "speech, not silence";
            distinct[language].insert(sound->samples);
        }
        EXPECT_EQ(distinct[language].size(), static_cast<std::size_t>(kDeckSize))
            << "every card of a language sounds different";
    }
    pack.close();

    // The game finds the pack in its home folder and speaks from it.
    TRecordingSink sink;
    const TSettings saved = Settings;
    const TScopedEnv home("VANTOR_HOME", dir.c_str());
    SetSoundSink(&sink);
    Settings.SoundOn = false;
    Settings.Language = TLanguage::French;
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), false));
    SetSoundSink(nullptr);
    Settings = saved;
    EXPECT_EQ(sink.log, std::vector<std::string>{"start Ch3QVoiceFra"});
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vantor
