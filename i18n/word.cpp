#include "i18n/word.h"

namespace vantor {

std::string_view Word(const WordEntry& entry) {
    // currentLanguage() is always one of the ten, so this cannot index past the table.
    return entry[currentLanguage()];
}

} // namespace vantor
