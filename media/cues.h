#pragma once
// Sound cues and spoken card names: the one way the game makes a short sound.
//
// PlayCue plays one of the program's own cues ("WTasoKo", "WWrongs", ... without regard to
// case) while the sound switch is on, asynchronously or to its end. SpeakCard says a card's name
// in the interface language from the voice pack, whatever the sound switch says. Both use one
// channel: a new sound cuts off the one still playing.
//
// While a waiting cue runs, IsCueWaiting() is true. The window's timers and handlers check it
// and do nothing meanwhile, so no tick, click or network event runs in the middle of a move.
// With VANTOR_INSTANT=1 in the environment a waiting cue returns at once (tests).

#include "engine/cards.h"
#include "i18n/language.h"
#include "media/sound_sink.h"

#include <string>
#include <string_view>

namespace vantor {

inline constexpr const char* kVoicePack = "ZovCVoice3.dll";

void PlayCue(std::string_view name, bool wait);

// True when the voice pack was found (and the clip started, when the pack holds it); false,
// with nothing played, when there is no voice pack.
bool SpeakCard(const TCardCode& code, bool wait);

bool IsCueWaiting();

// Puts a sink in place of the system's audio output (not owned; nullptr goes back to the
// system output). For tests.
void SetSoundSink(TSoundSink* sink);

// The voice clip of a card in a language: suit part, rank part, "Voice", language part, for
// example "Ch3QVoiceEng"; the jokers "XJBl", "XJRd", "XJBk" have no suit part. Empty when the
// code is no card.
std::string voiceClipName(const TCardCode& code, TLanguage language);

// "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor".
std::string_view voiceLanguagePart(TLanguage language);

} // namespace vantor
