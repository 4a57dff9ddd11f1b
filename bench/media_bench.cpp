// From a game event to the sound starting: a cue taken from memory and decoded, and a card's
// name read from a voice pack as large as the built one (540 clips of about 0.9 s), which is
// opened, read and closed on every right-click. The sink only takes the clip.
#include "engine/cards.h"
#include "media/cues.h"
#include "packs/pack_writer.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace vantor {
namespace {

class TTakingSink : public TSoundSink {
public:
    void start(const TSoundClip& clip) override { frames += clip.sound.frames(); }
    void stop() override {}
    bool playing() const override { return false; }
    void waitForEnd() override {}
    std::size_t frames = 0;
};

void BM_PlayCue(benchmark::State& state) {
    TTakingSink sink;
    SetSoundSink(&sink);
    Settings.SoundOn = true;
    PlayCue("WFiBest", false); // made once, kept
    for (auto _ : state) PlayCue("WFiBest", false);
    benchmark::DoNotOptimize(sink.frames);
    SetSoundSink(nullptr);
}
BENCHMARK(BM_PlayCue)->Unit(benchmark::kMicrosecond);

void BM_SpeakCard(benchmark::State& state) {
    const auto home = std::filesystem::temp_directory_path() / "vantor-bench-voice" / "home";
    std::filesystem::create_directories(home);
    TPackWriter writer;
    TPcmSound clip{1, 22050, std::vector<std::int16_t>(20000, 0)};
    for (std::size_t i = 0; i < clip.samples.size(); ++i)
        clip.samples[i] = static_cast<std::int16_t>((i * 37) % 2000);
    for (std::size_t l = 0; l < kLanguageCount; ++l)
        for (int n = 1; n <= kDeckSize; ++n)
            writer.addRcData(voiceClipName(cardOfNumber(n), languageFromIndex(static_cast<int>(l))),
                             encodeWave(clip));
    writer.write(home / kVoicePack);
    setenv("VANTOR_HOME", home.c_str(), 1);
    TTakingSink sink;
    SetSoundSink(&sink);
    const TCardCode queen = TCardCode::fromBytes("\xC4\xF7");
    for (auto _ : state) benchmark::DoNotOptimize(SpeakCard(queen, false));
    SetSoundSink(nullptr);
    unsetenv("VANTOR_HOME");
    std::filesystem::remove_all(home.parent_path());
}
BENCHMARK(BM_SpeakCard)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantor
