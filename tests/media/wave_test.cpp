// Reading and writing WAVE files: the round trip of our own format, the other sample formats a
// pack may hold, Microsoft ADPCM checked against sox's decoder, and damaged files refused.
#include "base/wave.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace vantor {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readData(const std::string& name) {
    std::ifstream in(std::string(VANTOR_TEST_DATA) + "/" + name, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, static_cast<std::uint16_t>(v));
    put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

TPcmSound ramp(std::uint16_t channels, std::uint32_t rate, std::size_t frames) {
    TPcmSound s;
    s.channels = channels;
    s.sampleRate = rate;
    for (std::size_t i = 0; i < frames * channels; ++i)
        s.samples.push_back(static_cast<std::int16_t>((static_cast<int>(i) * 997) % 65536 - 32768));
    return s;
}

TEST(Wave, RoundTripKeepsEverySample) {
    for (std::uint16_t channels : {1, 2}) {
        const TPcmSound sound = ramp(channels, 22050, 441);
        const Bytes file = encodeWave(sound);
        EXPECT_EQ(file.size(), 44 + sound.samples.size() * 2);
        const auto back = decodeWave(file);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->channels, channels);
        EXPECT_EQ(back->sampleRate, 22050u);
        EXPECT_EQ(back->samples, sound.samples);
        EXPECT_EQ(back->milliseconds(), 20u);
    }
}

// Other PCM sample sizes and float: one header rewritten, samples of known value.
TEST(Wave, DecodesOtherSampleFormats) {
    struct Case {
        std::uint16_t format, bits;
        Bytes sample; // one mono sample
        std::int16_t expected;
    };
    const Case cases[] = {
        {kWaveFormatPcm, 8, {0xC0}, 0x4000},
        {kWaveFormatPcm, 8, {0x00}, -32768},
        {kWaveFormatPcm, 24, {0x99, 0x34, 0x12}, 0x1234},
        {kWaveFormatPcm, 32, {0x00, 0x00, 0xCC, 0xED}, static_cast<std::int16_t>(0xEDCC)},
        {kWaveFormatFloat, 32, {0x00, 0x00, 0x00, 0x3F}, 16383},  // 0.5f
        {kWaveFormatFloat, 32, {0x00, 0x00, 0x00, 0xC1}, -32767}, // -8.0f, clamped
    };
    for (const Case& c : cases) {
        Bytes file = encodeWave(TPcmSound{1, 8000, {}});
        put16(file, 20, c.format);
        put16(file, 32, static_cast<std::uint16_t>(c.bits / 8));
        put16(file, 34, c.bits);
        file.insert(file.end(), c.sample.begin(), c.sample.end());
        put32(file, 40, static_cast<std::uint32_t>(c.sample.size()));
        put32(file, 4, static_cast<std::uint32_t>(file.size() - 8));
        const auto sound = decodeWave(file);
        ASSERT_TRUE(sound) << c.bits;
        ASSERT_EQ(sound->samples.size(), 1u);
        EXPECT_EQ(sound->samples[0], c.expected) << c.format << "/" << c.bits;
    }
}

// Files made by sox from a sweep (mono) and two tones (stereo), with sox's own decoding beside
// them: ours must give the same samples.
TEST(Wave, MicrosoftAdpcmMatchesSox) {
    for (const char* name : {"adpcm_mono", "adpcm_stereo"}) {
        const auto info = readWaveInfo(readData(std::string(name) + ".wav"));
        ASSERT_TRUE(info) << name;
        EXPECT_EQ(info->format, kWaveFormatAdpcm);
        const auto ours = decodeWave(readData(std::string(name) + ".wav"));
        const auto sox = decodeWave(readData(std::string(name) + "_sox.wav"));
        ASSERT_TRUE(ours && sox) << name;
        EXPECT_EQ(ours->channels, sox->channels);
        EXPECT_EQ(ours->sampleRate, 8000u);
        ASSERT_EQ(ours->samples.size(), sox->samples.size()) << name;
        int worst = 0;
        for (std::size_t i = 0; i < ours->samples.size(); ++i)
            worst = std::max(worst, std::abs(ours->samples[i] - sox->samples[i]));
        EXPECT_LE(worst, 1) << name;
    }
}

// A data chunk whose size field says "unknown" (a WAVE written to a pipe) is read to the end.
TEST(Wave, StreamedSizeFieldsAreCutToTheFile) {
    Bytes file = encodeWave(ramp(1, 22050, 100));
    put32(file, 4, 0x7FFFF024);
    put32(file, 40, 0x7FFFF000);
    const auto sound = decodeWave(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples.size(), 100u);
}

TEST(Wave, DamagedFilesAreRefused) {
    const Bytes good = encodeWave(ramp(1, 22050, 10));
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"no RIFF", [](Bytes& b) { b[0] = 'X'; }},
        {"no WAVE", [](Bytes& b) { b[8] = 'X'; }},
        {"cut in the header", [](Bytes& b) { b.resize(30); }},
        {"no data chunk", [](Bytes& b) { b[36] = 'X'; }},
        {"zero channels", [](Bytes& b) { put16(b, 22, 0); }},
        {"nine channels", [](Bytes& b) { put16(b, 22, 9); }},
        {"zero rate", [](Bytes& b) { put32(b, 24, 0); }},
        {"zero block", [](Bytes& b) { put16(b, 32, 0); }},
        {"block of the wrong size", [](Bytes& b) { put16(b, 32, 3); }},
        {"12-bit samples", [](Bytes& b) { put16(b, 34, 12); }},
        {"unknown format", [](Bytes& b) { put16(b, 20, 0x55); }},
        {"format chunk past the end", [](Bytes& b) { put32(b, 16, 0xFFFFFFF0); }},
        {"format chunk too small", [](Bytes& b) { put32(b, 16, 8); }},
        {"ADPCM with 16 bits", [](Bytes& b) { put16(b, 20, kWaveFormatAdpcm); }},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        c.spoil(file);
        std::string why;
        EXPECT_FALSE(decodeWave(file, &why)) << c.what;
        EXPECT_FALSE(why.empty()) << c.what;
    }
}

// An ADPCM block that names a predictor beyond the table is refused, not read out of bounds.
TEST(Wave, AdpcmWithUnknownPredictorIsRefused) {
    Bytes file = readData("adpcm_mono.wav");
    const auto info = readWaveInfo(file);
    ASSERT_TRUE(info);
    file[info->dataOffset] = 200;
    EXPECT_FALSE(decodeWave(file));
}

} // namespace
} // namespace vantor
