#pragma once
// Texts on their way to the screen: the program keeps UTF-8, Qt shows QString.

#include "i18n/word.h"

#include <QString>
#include <string_view>

namespace vantor {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A word-table entry in the current language.
inline QString qw(const WordEntry& entry) {
    return qs(Word(entry));
}

} // namespace vantor
