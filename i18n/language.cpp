#include "i18n/language.h"

namespace vantor {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kNames = {
    "English", "Русский",  "Deutsche", "Français", "Español",
    "中文",    "Italiano", "Čeština",  "日本",     "한국인",
};
constexpr std::array<std::string_view, kLanguageCount> kCodes = {
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng",
};
constexpr std::array<std::string_view, kLanguageCount> kFlags = {
    "FlagOEng", "FlagORus", "FlagODeu", "FlagOFra", "FlagOSpa",
    "FlagOChi", "FlagOIta", "FlagOCze", "FlagOJap", "FlagOKor",
};

const TLanguage* gLanguage = nullptr;

std::size_t safeIndex(TLanguage language) {
    const std::size_t i = languageIndex(language);
    return i < kLanguageCount ? i : 0;
}

} // namespace

std::string_view languageName(TLanguage language) {
    return kNames[safeIndex(language)];
}
std::string_view languageCode(TLanguage language) {
    return kCodes[safeIndex(language)];
}
std::string_view languageFlagPicture(TLanguage language) {
    return kFlags[safeIndex(language)];
}

void bindLanguage(const TLanguage* setting) {
    gLanguage = setting;
}

TLanguage currentLanguage() {
    return gLanguage ? languageFromIndex(static_cast<int>(*gLanguage)) : TLanguage::English;
}

} // namespace vantor
