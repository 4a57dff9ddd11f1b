#pragma once
// A word entry: one text of the program in all ten languages. The entries themselves are
// generated from i18n/words.tsv into "i18n/words.h" (namespace vantor::words).

#include "i18n/language.h"

#include <array>
#include <string_view>

namespace vantor {

struct WordEntry {
    std::array<std::string_view, kLanguageCount> text;

    constexpr std::string_view operator[](TLanguage language) const {
        return text[languageIndex(language)];
    }
};

// The entry's string in the current language. There is deliberately no fallback: an empty
// string in the table shows as empty.
std::string_view Word(const WordEntry& entry);

// The three top-ten column headings are shown at this fixed index whatever the language is.
inline constexpr TLanguage kFixedTitleLanguage = TLanguage::Russian;

// For tools and tests: every generated entry under its name (a two-text entry appears as
// "Name[1]", "Name[2]").
struct NamedWordEntry {
    std::string_view name;
    const WordEntry* entry;
};

} // namespace vantor
