#pragma once
// Word entries that the program picks by a number: the set names of the options window lists
// and the texts of the calendar pages. Each returns nullptr for a number outside its list, so a
// stored index from a damaged file cannot reach past a table.

#include "i18n/word.h"

#include <string_view>

namespace vantor {

const WordEntry* faceSetName(int set);             // CardDeck 0..47
const WordEntry* backSetName(int set);             // CardBack 0..12
const WordEntry* backgroundName(int picture);      // Background 1..10
const WordEntry* backgroundColourName(int colour); // BackgroundColour 0..6
const WordEntry* monthName(int month);             // 1..12
const WordEntry* zodiacName(int sign);             // 1 Aries .. 12 Pisces
const WordEntry* yearAnimalName(int civilYear);    // by year mod 12: 0 monkey, 4 rat, ...
const WordEntry* holidayGroupName(std::string_view groupCode); // "ENG", "RUS", ...; "ALL" has none

// The two texts of the club heading, by ClubListMode 1 or 2 (anything else gives the first).
const WordEntry& clubListHeading(int clubListMode);

} // namespace vantor
