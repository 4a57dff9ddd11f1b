// The WAVE reader on arbitrary bytes: whatever it accepts must decode within the input's bounds
// and give whole frames.
#include "base/wave.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto info = vantor::readWaveInfo(bytes);
    if (info && info->dataOffset + info->dataSize > size) __builtin_trap();
    const auto sound = vantor::decodeWave(bytes);
    if (sound) {
        if (!info || sound->channels != info->channels) __builtin_trap();
        // Never more than two samples per input byte (ADPCM is the densest format).
        if (sound->samples.size() > 2 * size + 16) __builtin_trap();
        (void)vantor::encodeWave(*sound);
    }
    return 0;
}
