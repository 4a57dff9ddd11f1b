#pragma once
// The program's own sound cues: short WAVE files (16-bit PCM, mono, 22050 Hz) synthesised by
// code and looked up by their resource names without regard to case. A cue is made the first
// time it is asked for and then kept, so nothing is prepared ahead and nothing touches the disk.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vantor {

// Every cue name, in the order of the table that registers them.
std::span<const std::string_view> builtinSoundNames();

// The name as registered ("wtasoko" gives "WTasoKo"); empty when there is no such sound.
std::string_view builtinSoundName(std::string_view name);

// The WAVE file of the cue, or nullptr when there is no sound of that name. The bytes live as
// long as the program.
const std::vector<std::uint8_t>* builtinSound(std::string_view name);

} // namespace vantor
