#pragma once
// RIFF WAVE files in memory: reading one into 16-bit PCM and writing 16-bit PCM as one. The
// sounds come from the program's own data and from packs, so the reader trusts nothing: every
// chunk size is checked against the bytes, and a file it cannot play is refused, never guessed.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantor {

inline constexpr std::uint16_t kWaveFormatPcm = 1;
inline constexpr std::uint16_t kWaveFormatAdpcm = 2; // Microsoft ADPCM
inline constexpr std::uint16_t kWaveFormatFloat = 3;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

// What the "fmt " chunk says, and where the samples lie.
struct TWaveInfo {
    std::uint16_t format = 0; // the format tag (for an extensible file, its sub-format)
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t blockAlign = 0;
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

// A sound ready for a player: interleaved signed 16-bit samples.
struct TPcmSound {
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 22050;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
    // The playing time, rounded up to whole milliseconds.
    std::uint32_t milliseconds() const;
};

// Finds the "fmt " and "data" chunks. Fails (with a reason) on anything that is no RIFF WAVE
// file, on chunks running past the end, and on zero channels, rates or block sizes. A data
// chunk whose size field runs past the end (a file written to a pipe) is cut to the bytes there.
std::optional<TWaveInfo> readWaveInfo(std::span<const std::uint8_t> file,
                                      std::string* why = nullptr);

// Decodes PCM of 8, 16, 24 or 32 bits, 32-bit float and Microsoft ADPCM into 16-bit samples.
// Up to 8 channels and rates of 1000 to 384000 Hz; anything else is refused.
std::optional<TPcmSound> decodeWave(std::span<const std::uint8_t> file, std::string* why = nullptr);

// A 44-byte-header PCM WAVE file of the samples.
std::vector<std::uint8_t> encodeWave(const TPcmSound& sound);

} // namespace vantor
