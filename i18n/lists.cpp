#include "i18n/lists.h"

#include "i18n/words.h"

#include <iterator>
#include <utility>

namespace vantor {
namespace {

const WordEntry* const kFaceSets[] = {
    &words::FaceSet0,  &words::FaceSet1,  &words::FaceSet2,  &words::FaceSet3,  &words::FaceSet4,
    &words::FaceSet5,  &words::FaceSet6,  &words::FaceSet7,  &words::FaceSet8,  &words::FaceSet9,
    &words::FaceSet10, &words::FaceSet11, &words::FaceSet12, &words::FaceSet13, &words::FaceSet14,
    &words::FaceSet15, &words::FaceSet16, &words::FaceSet17, &words::FaceSet18, &words::FaceSet19,
    &words::FaceSet20, &words::FaceSet21, &words::FaceSet22, &words::FaceSet23, &words::FaceSet24,
    &words::FaceSet25, &words::FaceSet26, &words::FaceSet27, &words::FaceSet28, &words::FaceSet29,
    &words::FaceSet30, &words::FaceSet31, &words::FaceSet32, &words::FaceSet33, &words::FaceSet34,
    &words::FaceSet35, &words::FaceSet36, &words::FaceSet37, &words::FaceSet38, &words::FaceSet39,
    &words::FaceSet40, &words::FaceSet41, &words::FaceSet42, &words::FaceSet43, &words::FaceSet44,
    &words::FaceSet45, &words::FaceSet46, &words::FaceSet47,
};
const WordEntry* const kBackSets[] = {
    &words::BackSet0,  &words::BackSet1,  &words::BackSet2,  &words::BackSet3, &words::BackSet4,
    &words::BackSet5,  &words::BackSet6,  &words::BackSet7,  &words::BackSet8, &words::BackSet9,
    &words::BackSet10, &words::BackSet11, &words::BackSet12,
};
const WordEntry* const kBackgrounds[] = {
    &words::BackgroundPicture1,  &words::BackgroundPicture2, &words::BackgroundPicture3,
    &words::BackgroundPicture4,  &words::BackgroundPicture5, &words::BackgroundPicture6,
    &words::BackgroundPicture7,  &words::BackgroundPicture8, &words::BackgroundPicture9,
    &words::BackgroundPicture10,
};
const WordEntry* const kColours[] = {
    &words::BackgroundColour0, &words::BackgroundColour1, &words::BackgroundColour2,
    &words::BackgroundColour3, &words::BackgroundColour4, &words::BackgroundColour5,
    &words::BackgroundColour6,
};
const WordEntry* const kMonths[] = {
    &words::Month1, &words::Month2,  &words::Month3,  &words::Month4,
    &words::Month5, &words::Month6,  &words::Month7,  &words::Month8,
    &words::Month9, &words::Month10, &words::Month11, &words::Month12,
};
const WordEntry* const kZodiac[] = {
    &words::Zodiac1, &words::Zodiac2,  &words::Zodiac3,  &words::Zodiac4,
    &words::Zodiac5, &words::Zodiac6,  &words::Zodiac7,  &words::Zodiac8,
    &words::Zodiac9, &words::Zodiac10, &words::Zodiac11, &words::Zodiac12,
};
// Indexed by the civil year mod 12.
const WordEntry* const kYearAnimals[] = {
    &words::YearOfTheMonkey, &words::YearOfTheRooster, &words::YearOfTheDog,
    &words::YearOfThePig,    &words::YearOfTheRat,     &words::YearOfTheOx,
    &words::YearOfTheTiger,  &words::YearOfTheRabbit,  &words::YearOfTheDragon,
    &words::YearOfTheSnake,  &words::YearOfTheHorse,   &words::YearOfTheGoat,
};

const std::pair<std::string_view, const WordEntry*> kHolidayGroups[] = {
    {"ENG", &words::HolidayGroupEng}, {"RUS", &words::HolidayGroupRus},
    {"DEU", &words::HolidayGroupDeu}, {"FRA", &words::HolidayGroupFra},
    {"ISP", &words::HolidayGroupIsp}, {"USA", &words::HolidayGroupUsa},
    {"PRA", &words::HolidayGroupPra}, {"KAT", &words::HolidayGroupKat},
};

template <std::size_t N>
const WordEntry* pick(const WordEntry* const (&list)[N], int index, int first) {
    const int i = index - first;
    return i >= 0 && i < static_cast<int>(N) ? list[i] : nullptr;
}

} // namespace

const WordEntry* faceSetName(int set) {
    return pick(kFaceSets, set, 0);
}
const WordEntry* backSetName(int set) {
    return pick(kBackSets, set, 0);
}
const WordEntry* backgroundName(int picture) {
    return pick(kBackgrounds, picture, 1);
}
const WordEntry* backgroundColourName(int colour) {
    return pick(kColours, colour, 0);
}
const WordEntry* monthName(int month) {
    return pick(kMonths, month, 1);
}
const WordEntry* zodiacName(int sign) {
    return pick(kZodiac, sign, 1);
}

const WordEntry* yearAnimalName(int civilYear) {
    return kYearAnimals[((civilYear % 12) + 12) % 12];
}

const WordEntry* holidayGroupName(std::string_view groupCode) {
    for (const auto& [code, entry] : kHolidayGroups)
        if (code == groupCode) return entry;
    return nullptr;
}

const WordEntry& clubListHeading(int clubListMode) {
    return words::ClubListHeading[clubListMode == 2 ? 2 : 1];
}

} // namespace vantor
