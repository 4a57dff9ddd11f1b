// PlayCue and SpeakCard against a recording sink: which sound started, whether the caller
// waited for it, what cut off what, and how the sound switch and the voice pack decide.
#include "assets/sounds.h"
#include "media/cues.h"
#include "media_test_util.h"
#include "packs/pack_writer.h"
#include "settings/settings.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;
using Log = std::vector<std::string>;

class Cues : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Settings;
        Settings.SoundOn = true;
        Settings.Language = TLanguage::English;
        SetSoundSink(&sink);
    }
    void TearDown() override {
        SetSoundSink(nullptr);
        Settings = saved_;
    }

    TRecordingSink sink;
    TSettings saved_;
};

TEST_F(Cues, EachCuePlaysItsOwnSoundAndWaitsOnlyWhenAsked) {
    const TScopedEnv notInstant("VANTOR_INSTANT", nullptr);
    for (std::string_view name : builtinSoundNames()) {
        for (bool wait : {false, true}) {
            sink.log.clear();
            sink.now += 10000; // whatever played before has ended
            PlayCue(name, wait);
            Log expected = {"start " + std::string(name)};
            if (wait) expected.push_back("wait " + std::string(name));
            EXPECT_EQ(sink.log, expected);
            ASSERT_TRUE(sink.lastClip);
            EXPECT_EQ(encodeWave(sink.lastClip->sound), *builtinSound(name)) << name;
        }
    }
    EXPECT_TRUE(sink.guardedWhileWaiting);
    EXPECT_FALSE(IsCueWaiting());
}

TEST_F(Cues, NamesAreMatchedWithoutRegardToCase) {
    PlayCue("wdipass", false);
    PlayCue("NoSuchCue", false);
    EXPECT_EQ(sink.log, (Log{"start WDiPass"}));
}

TEST_F(Cues, SecondOfTwoQuickCuesCutsTheFirstAndIsHeardToItsEnd) {
    PlayCue("WKoGood", false);
    sink.now += 50;
    PlayCue("WTasoKo", false);
    EXPECT_EQ(sink.log, (Log{"start WKoGood", "cut WKoGood", "start WTasoKo"}));
    EXPECT_TRUE(sink.playing());
    sink.now += 5000;
    EXPECT_FALSE(sink.playing());
    // A cue that has ended is not cut by the next one.
    PlayCue("SDing00", false);
    EXPECT_EQ(sink.log.back(), "start SDing00");
    EXPECT_EQ(sink.log.size(), 4u);
}

TEST_F(Cues, AWaitingCueCutsAnAsynchronousOneAndWaitsForItsOwnEnd) {
    const TScopedEnv notInstant("VANTOR_INSTANT", "0");
    PlayCue("WToMenK", false);
    PlayCue("WHodsDo", true);
    EXPECT_EQ(sink.log, (Log{"start WToMenK", "cut WToMenK", "start WHodsDo", "wait WHodsDo"}));
    EXPECT_FALSE(sink.playing());
}

TEST_F(Cues, InstantRunsReturnFromWaitingCuesAtOnce) {
    const TScopedEnv instant("VANTOR_INSTANT", "1");
    PlayCue("WDiPass", true);
    EXPECT_EQ(sink.log, (Log{"start WDiPass"}));
}

TEST_F(Cues, SoundSwitchOffPlaysNothingAndNeverWaits) {
    const TScopedEnv notInstant("VANTOR_INSTANT", nullptr);
    Settings.SoundOn = false;
    const auto began = std::chrono::steady_clock::now();
    for (std::string_view name : builtinSoundNames()) PlayCue(name, true);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::milliseconds(200));
    EXPECT_TRUE(sink.log.empty());
}

TEST(VoiceNames, ClipNamesFollowTheCardCode) {
    struct Case {
        const char* code;
        TLanguage language;
        const char* clip;
    };
    const Case cases[] = {
        {"\xC4\xF7", TLanguage::English, "Ch3QVoiceEng"},
        {"2\xE1", TLanguage::Russian, "Bu02VoiceRus"},
        {"9\xEA", TLanguage::German, "Kr09VoiceDeu"},
        {"1\xEF", TLanguage::French, "Pi10VoiceFra"},
        {"\xC2\xF7", TLanguage::Spanish, "Ch2JVoiceSpa"},
        {"\xCA\xE1", TLanguage::Chinese, "Bu4KVoiceChi"},
        {"\xD2\xEA", TLanguage::Italian, "Kr5AVoiceIta"},
        {"j1", TLanguage::Czech, "XJBlVoiceCze"},
        {"j2", TLanguage::Japanese, "XJRdVoiceJap"},
        {"j3", TLanguage::Korean, "XJBkVoiceKor"},
        {"##", TLanguage::English, ""},
        {"j4", TLanguage::English, ""},
        {"0\xF7", TLanguage::English, ""},
        {"2x", TLanguage::English, ""},
        {"2", TLanguage::English, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(voiceClipName(TCardCode::fromBytes(c.code), c.language), c.clip) << c.clip;
}

// SpeakCard with a small voice pack of our own in the home folder or the folder above it.
class Voice : public Cues {
protected:
    void SetUp() override {
        Cues::SetUp();
        root_ = freshFolder("voice");
        home_ = root_ / "vantor4";
        std::filesystem::create_directories(home_);
        env_.emplace("VANTOR_HOME", home_.c_str());
    }
    void TearDown() override {
        env_.reset();
        std::filesystem::remove_all(root_);
        Cues::TearDown();
    }
    void writePack(const std::filesystem::path& folder) {
        TPackWriter writer;
        TPcmSound sound{1, 22050, std::vector<std::int16_t>(2205, 1000)};
        ASSERT_TRUE(writer.addRcData("Ch3QVoiceEng", encodeWave(sound)));
        ASSERT_TRUE(writer.addRcData("Ch3QVoiceRus", encodeWave(sound)));
        ASSERT_TRUE(writer.addRcData("Pi5AVoiceEng", {'R', 'I', 'F', 'F'})); // damaged clip
        TPcmSound endless{1, 1000, std::vector<std::int16_t>(60000, 1000)};  // a minute
        ASSERT_TRUE(writer.addRcData("Kr5AVoiceEng", encodeWave(endless)));
        std::string why;
        ASSERT_TRUE(writer.write(folder / kVoicePack, &why)) << why;
    }

    std::filesystem::path root_, home_;
    std::optional<TScopedEnv> env_;
};

TEST_F(Voice, WithoutThePackNothingIsSaidAndNothingReported) {
    EXPECT_FALSE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), false));
    // A file of that name that is no pack counts as missing.
    { std::ofstream(home_ / kVoicePack) << "not a library"; }
    EXPECT_FALSE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), false));
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(Voice, SpeaksInTheInterfaceLanguageWhateverTheSoundSwitch) {
    for (const auto& folder : {home_, root_}) {
        SCOPED_TRACE(folder.string());
        std::filesystem::remove(home_ / kVoicePack);
        writePack(folder);
        sink.log.clear();
        sink.now += 10000;
        Settings.SoundOn = false;
        EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), false));
        Settings.Language = TLanguage::Russian;
        sink.now += 50;
        EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), false));
        Settings.Language = TLanguage::English;
        EXPECT_EQ(sink.log, (Log{"start Ch3QVoiceEng", "cut Ch3QVoiceEng", "start Ch3QVoiceRus"}));
        ASSERT_TRUE(sink.lastClip);
        EXPECT_EQ(sink.lastClip->sound.samples.size(), 2205u);
        std::filesystem::remove(folder / kVoicePack);
    }
}

TEST_F(Voice, APackWithoutTheClipSaysNothingButIsThere) {
    writePack(home_);
    sink.now = 0;
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("2\xE1"), false));    // not in the pack
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xD2\xEF"), false)); // damaged clip
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xD2\xEA"), false)); // a minute long
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("##"), false));       // no card
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(Voice, AWaitingVoiceWaits) {
    const TScopedEnv notInstant("VANTOR_INSTANT", nullptr);
    writePack(home_);
    EXPECT_TRUE(SpeakCard(TCardCode::fromBytes("\xC4\xF7"), true));
    EXPECT_EQ(sink.log, (Log{"start Ch3QVoiceEng", "wait Ch3QVoiceEng"}));
}

} // namespace
} // namespace vantor
