#include "media/cues.h"

#include "assets/sounds.h"
#include "packs/pack.h"
#include "settings/settings.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace vantor {
namespace {

constexpr std::uint32_t kLongestVoiceClipMs = 20000;

TSoundSink* injectedSink = nullptr;
int waitingDepth = 0;

TSoundSink& sink() {
    if (injectedSink) return *injectedSink;
    // Made on first use and never destroyed: the audio backend may already be gone at exit.
    static TSoundSink* const system = makeSystemSoundSink().release();
    return *system;
}

bool instant() {
    const char* value = std::getenv("VANTOR_INSTANT");
    return value && *value && std::strcmp(value, "0") != 0;
}

void play(TSoundClip clip, bool wait) {
    TSoundSink& out = sink();
    if (out.playing()) out.stop();
    out.start(clip);
    if (!wait || instant()) return;
    ++waitingDepth;
    out.waitForEnd();
    --waitingDepth;
}

} // namespace

void PlayCue(std::string_view name, bool wait) {
    if (!Settings.SoundOn) return;
    const std::vector<std::uint8_t>* wave = builtinSound(name);
    if (!wave) return;
    std::optional<TPcmSound> sound = decodeWave(*wave);
    if (!sound) return;
    play({std::string(builtinSoundName(name)), std::move(*sound)}, wait);
}

bool SpeakCard(const TCardCode& code, bool wait) {
    TPack pack;
    if (pack.openPack(kVoicePack) != TPackStatus::Ok) return false;
    const std::string name = voiceClipName(code, Settings.Language);
    if (name.empty()) return true;
    const std::optional<std::vector<std::uint8_t>> bytes = pack.readRcData(name);
    pack.close(); // the clip is in memory now; the pack is not kept open
    if (!bytes) return true;
    std::optional<TPcmSound> sound = decodeWave(*bytes);
    // A card's name lasts a second or two; a clip of minutes is a damaged or foreign pack.
    if (!sound || sound->samples.empty() || sound->milliseconds() > kLongestVoiceClipMs)
        return true;
    play({name, std::move(*sound)}, wait);
    return true;
}

bool IsCueWaiting() {
    return waitingDepth > 0;
}

void SetSoundSink(TSoundSink* sink) {
    injectedSink = sink;
}

std::string_view voiceLanguagePart(TLanguage language) {
    static constexpr std::string_view parts[kLanguageCount] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                               "Chi", "Ita", "Cze", "Jap", "Kor"};
    return parts[languageIndex(language)];
}

std::string voiceClipName(const TCardCode& code, TLanguage language) {
    if (code.length != 2) return {};
    const char rank = code.chars[0], suit = code.chars[1];
    std::string name;
    if (rank == kRankJoker) {
        switch (suit) {
        case '1':
            name = "XJBl";
            break;
        case '2':
            name = "XJRd";
            break;
        case '3':
            name = "XJBk";
            break;
        default:
            return {};
        }
    } else {
        switch (suit) {
        case '\xE1':
            name = "Bu";
            break;
        case '\xF7':
            name = "Ch";
            break;
        case '\xEA':
            name = "Kr";
            break;
        case '\xEF':
            name = "Pi";
            break;
        default:
            return {};
        }
        if (rank >= '2' && rank <= '9') {
            name += '0';
            name += rank;
        } else if (rank == '1') {
            name += "10";
        } else if (rank == kRankJack) {
            name += "2J";
        } else if (rank == kRankQueen) {
            name += "3Q";
        } else if (rank == kRankKing) {
            name += "4K";
        } else if (rank == kRankAce) {
            name += "5A";
        } else {
            return {};
        }
    }
    name += "Voice";
    name += voiceLanguagePart(language);
    return name;
}

} // namespace vantor
