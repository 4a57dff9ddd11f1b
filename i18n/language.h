#pragma once
// The ten interface languages, in the fixed order that indexes every word entry and fills the
// language list of the options window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor {

enum class TLanguage : std::uint8_t {
    English = 0,
    Russian = 1,
    German = 2,
    French = 3,
    Spanish = 4,
    Chinese = 5,
    Italian = 6,
    Czech = 7,
    Japanese = 8,
    Korean = 9,
};

inline constexpr std::size_t kLanguageCount = 10;

// The language from a stored byte; values beyond the ten languages give English, because the
// word tables have no strings for them.
constexpr TLanguage languageFromIndex(int index) {
    return index >= 0 && index < static_cast<int>(kLanguageCount) ? static_cast<TLanguage>(index)
                                                                  : TLanguage::English;
}

constexpr std::size_t languageIndex(TLanguage language) {
    return static_cast<std::size_t>(language);
}

// Each language under its own name, as the language list shows it.
std::string_view languageName(TLanguage language);

// The short code that names the language's pictures ("Cap" + code, "GFormOpt" + code, ...).
// Japanese and Korean have no pictures of their own and give "Eng".
std::string_view languageCode(TLanguage language);

// The large flag beside the language list: "FlagO" + code, "FlagOJap" or "FlagOKor".
std::string_view languageFlagPicture(TLanguage language);

// The language Word() shows. The settings record owns the value; it points this at its field
// so there is only one copy. Until then (and after binding nullptr) Word() shows English.
void bindLanguage(const TLanguage* setting);
TLanguage currentLanguage();

} // namespace vantor
