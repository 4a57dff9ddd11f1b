#include "base/wave.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vantor {
namespace {

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int16_t s16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(u16(b, at));
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
bool tagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

bool fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

std::int16_t clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

// Where the ADPCM coefficient table of the "fmt " chunk lies, kept while the chunks are read.
struct TFmtExtra {
    std::size_t offset = 0;
    std::size_t size = 0;
};

std::optional<TWaveInfo> readInfo(std::span<const std::uint8_t> file, TFmtExtra* extra,
                                  std::string* why) {
    if (file.size() < 12 || !tagIs(file, 0, "RIFF") || !tagIs(file, 8, "WAVE")) {
        fail(why, "not a RIFF WAVE file");
        return std::nullopt;
    }
    TWaveInfo info;
    bool haveFmt = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= file.size() && !haveData) {
        const std::uint32_t size = u32(file, at + 4);
        const std::size_t body = at + 8;
        const std::size_t left = file.size() - body;
        if (tagIs(file, at, "fmt ")) {
            if (size < 16 || size > left) {
                fail(why, "damaged format chunk");
                return std::nullopt;
            }
            info.format = u16(file, body);
            info.channels = u16(file, body + 2);
            info.sampleRate = u32(file, body + 4);
            info.blockAlign = u16(file, body + 12);
            info.bitsPerSample = u16(file, body + 14);
            if (info.format == kWaveFormatExtensible) {
                // The sub-format GUID begins with the plain format tag.
                if (size < 40) {
                    fail(why, "damaged extensible format chunk");
                    return std::nullopt;
                }
                info.format = u16(file, body + 24);
            }
            if (extra && size > 18) {
                extra->offset = body + 18;
                extra->size = std::min<std::size_t>(size - 18, u16(file, body + 16));
            }
            haveFmt = true;
        } else if (tagIs(file, at, "data")) {
            if (!haveFmt) {
                fail(why, "sound data before its format");
                return std::nullopt;
            }
            info.dataOffset = body;
            info.dataSize = std::min<std::size_t>(size, left);
            haveData = true;
        } else if (size > left) {
            fail(why, "a chunk runs past the end of the file");
            return std::nullopt;
        }
        at = body + size + (size & 1);
        if (at < body) break; // wrapped: the size was nonsense
    }
    if (!haveFmt || !haveData) {
        fail(why, haveFmt ? "no sound data" : "no format chunk");
        return std::nullopt;
    }
    if (info.channels == 0 || info.channels > 8 || info.sampleRate < 1000 ||
        info.sampleRate > 384000 || info.blockAlign == 0) {
        fail(why, "impossible channel count, rate or block size");
        return std::nullopt;
    }
    return info;
}

constexpr int kAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                 768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kStandardCoefficients[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                             {240, 0}, {460, -208}, {392, -232}};

bool decodeAdpcm(std::span<const std::uint8_t> file, const TWaveInfo& info, const TFmtExtra& extra,
                 TPcmSound& out, std::string* why) {
    const int channels = info.channels;
    const std::size_t header = 7u * static_cast<std::size_t>(channels);
    if (info.bitsPerSample != 4 || channels > 2 || info.blockAlign < header)
        return fail(why, "unsupported ADPCM layout");
    std::vector<std::array<int, 2>> coefficients;
    // Frames a block holds: the two header samples and two per byte of each channel, or fewer
    // when the format says so (the encoder's padding at the end of a block is no sound).
    std::size_t perBlock = 2 + (info.blockAlign - header) * 2 / static_cast<std::size_t>(channels);
    if (extra.size >= 2) perBlock = std::min<std::size_t>(perBlock, u16(file, extra.offset));
    if (extra.size >= 4) {
        const int count = u16(file, extra.offset + 2);
        if (count < 1 || count > 256 || 4u + 4u * static_cast<std::size_t>(count) > extra.size)
            return fail(why, "damaged ADPCM coefficient table");
        for (int i = 0; i < count; ++i)
            coefficients.push_back(
                {s16(file, extra.offset + 4 + 4 * i), s16(file, extra.offset + 6 + 4 * i)});
    } else {
        for (const auto& c : kStandardCoefficients) coefficients.push_back({c[0], c[1]});
    }
    const auto data = file.subspan(info.dataOffset, info.dataSize);
    for (std::size_t block = 0; block + header <= data.size(); block += info.blockAlign) {
        const std::size_t end = std::min<std::size_t>(data.size(), block + info.blockAlign);
        int predictor[2] = {0, 0}, delta[2] = {0, 0}, s1[2] = {0, 0}, s2[2] = {0, 0};
        for (int c = 0; c < channels; ++c) {
            const int index = data[block + c];
            if (index >= static_cast<int>(coefficients.size()))
                return fail(why, "ADPCM block names an unknown predictor");
            predictor[c] = index;
            delta[c] = s16(data, block + channels + 2 * c);
            s1[c] = s16(data, block + 3 * channels + 2 * c);
            s2[c] = s16(data, block + 5 * channels + 2 * c);
        }
        for (int c = 0; c < channels; ++c) out.samples.push_back(clamp16(s2[c]));
        for (int c = 0; c < channels; ++c) out.samples.push_back(clamp16(s1[c]));
        int channel = 0;
        std::size_t produced = 2 * static_cast<std::size_t>(channels);
        const std::size_t wanted = perBlock * static_cast<std::size_t>(channels);
        for (std::size_t i = block + header; i < end && produced < wanted; ++i) {
            for (int nibble : {data[i] >> 4, data[i] & 15}) {
                if (produced++ >= wanted) break;
                const int c = channel;
                const auto& k = coefficients[predictor[c]];
                // 64-bit sums and a bounded step: a damaged file may drive both far out.
                const std::int64_t predicted =
                    (std::int64_t{s1[c]} * k[0] + std::int64_t{s2[c]} * k[1]) >> 8;
                const int signedNibble = nibble >= 8 ? nibble - 16 : nibble;
                const int sample = static_cast<int>(std::clamp<std::int64_t>(
                    predicted + std::int64_t{signedNibble} * delta[c], -32768, 32767));
                out.samples.push_back(static_cast<std::int16_t>(sample));
                s2[c] = s1[c];
                s1[c] = sample;
                delta[c] = std::clamp((kAdaptation[nibble] * delta[c]) >> 8, 16, 1 << 20);
                channel = (channel + 1) % channels;
            }
        }
    }
    return true;
}

} // namespace

std::uint32_t TPcmSound::milliseconds() const {
    if (sampleRate == 0) return 0;
    const std::uint64_t f = frames();
    return static_cast<std::uint32_t>((f * 1000 + sampleRate - 1) / sampleRate);
}

std::optional<TWaveInfo> readWaveInfo(std::span<const std::uint8_t> file, std::string* why) {
    return readInfo(file, nullptr, why);
}

std::optional<TPcmSound> decodeWave(std::span<const std::uint8_t> file, std::string* why) {
    TFmtExtra extra;
    const auto info = readInfo(file, &extra, why);
    if (!info) return std::nullopt;
    TPcmSound out;
    out.channels = info->channels;
    out.sampleRate = info->sampleRate;
    const auto data = file.subspan(info->dataOffset, info->dataSize);
    const int bits = info->bitsPerSample;
    if (info->format == kWaveFormatAdpcm) {
        if (!decodeAdpcm(file, *info, extra, out, why)) return std::nullopt;
    } else if (info->format == kWaveFormatPcm || info->format == kWaveFormatFloat) {
        const bool isFloat = info->format == kWaveFormatFloat;
        if ((isFloat && bits != 32) ||
            (!isFloat && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
            fail(why, "unsupported sample size");
            return std::nullopt;
        }
        const std::size_t width = static_cast<std::size_t>(bits / 8);
        if (info->blockAlign != width * info->channels) {
            fail(why, "block size does not match the sample size");
            return std::nullopt;
        }
        const std::size_t count = data.size() / info->blockAlign * info->channels;
        out.samples.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = i * width;
            int v = 0;
            if (isFloat) {
                float f;
                const std::uint32_t raw = u32(data, at);
                std::memcpy(&f, &raw, 4);
                v = f != f ? 0 : static_cast<int>(std::clamp(f, -1.0f, 1.0f) * 32767.0f);
            } else if (bits == 8) {
                v = (data[at] - 128) << 8;
            } else {
                v = s16(data, at + width - 2); // the two most significant bytes
            }
            out.samples.push_back(clamp16(v));
        }
    } else {
        fail(why, "unsupported sound format");
        return std::nullopt;
    }
    return out;
}

std::vector<std::uint8_t> encodeWave(const TPcmSound& sound) {
    const std::uint32_t dataSize = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(t[i]));
    };
    auto put16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const std::uint16_t channels = sound.channels ? sound.channels : 1;
    tag("RIFF");
    put32(36 + dataSize);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(kWaveFormatPcm);
    put16(channels);
    put32(sound.sampleRate);
    put32(sound.sampleRate * channels * 2);
    put16(channels * 2);
    put16(16);
    tag("data");
    put32(dataSize);
    for (std::int16_t s : sound.samples) put16(static_cast<std::uint16_t>(s));
    return out;
}

} // namespace vantor
