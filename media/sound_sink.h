#pragma once
// Where the cues and the spoken card names go: one channel, like the system's simple sound
// player, so a new sound always cuts off the one still playing. The program uses the system's
// audio output; tests put a recording sink in its place.

#include "base/wave.h"

#include <memory>
#include <string>

namespace vantor {

struct TSoundClip {
    std::string name; // the cue or clip name it was found under
    TPcmSound sound;
};

class TSoundSink {
public:
    virtual ~TSoundSink() = default;
    // Starts the clip from memory and returns at once. The caller stops a sound still playing
    // first, so every cut-off is visible to the sink.
    virtual void start(const TSoundClip& clip) = 0;
    // Cuts off the sound (nothing when it has ended).
    virtual void stop() = 0;
    virtual bool playing() const = 0;
    // Returns when the clip started last has ended: at the end of the sound, or after the clip's
    // length when the output cannot play it, and never much later than that. The window stays
    // painted meanwhile; clicks, keys and socket events wait.
    virtual void waitForEnd() = 0;
};

// The system's default audio output through Qt Multimedia. Without an output device (a
// headless machine) every clip is silent, and waiting lasts the clip's length.
std::unique_ptr<TSoundSink> makeSystemSoundSink();

} // namespace vantor
