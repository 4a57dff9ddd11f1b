#include "packs/card_sets.h"

namespace vantor {

const std::array<TFaceSet, 48>& faceSets() {
    static const std::array<TFaceSet, 48> sets = {{
        {0, "Classical-1", "", "", "", "", true},
        {1, "Medieval-1", kFacePackA, "Med", "Med", "Med", true},
        {2, "Modern", kFacePackA, "Mod", "Mod", "Mod", true},
        {3, "Ancient Egypt", kFacePackA, "Anc", "Anc", "Anc", true},
        {4, "Baronesse", kFacePackA, "Bar", "Bar", "Bar", true},
        {5, "Celtic", kFacePackA, "Cel", "Cel", "Cel", true},
        {6, "Corona", kFacePackA, "Cor", "Mod", "Cor", true},
        {7, "Crown", kFacePackA, "Cro", "Mod", "Mod", true},
        {8, "English Pattern", kFacePackA, "Eng", "Eng", "Eng", true},
        {9, "Frankfurt", kFacePackA, "Fra", "Fra", "Fra", true},
        {10, "Historical costumes", kFacePackA, "His", "Mod", "Mod", true},
        {11, "Native Americans", kFacePackA, "Nat", "Nat", "Nat", true},
        {12, "Old Garden Roses", kFacePackA, "Old", "Old", "Old", true},
        {13, "Parrots", kFacePackA, "Par", "Mod", "Mod", true},
        {14, "Royal", kFacePackA, "Roy", "Roy", "Roy", true},
        {15, "Shakespeare", kFacePackA, "Sha", "Sha", "Sha", true},
        {16, "Big Ben", kFacePackA, "Big", "Big", "Big", true},
        {17, "Four Reigns of English History", kFacePackA, "004", "004", "004", true},
        {18, "Large Print London", kFacePackA, "Lon", "Lon", "Lon", true},
        {19, "Classical-2", kFacePackA, "Cl2", "Sea", "Sea", true},
        {20, "Hearts", kFacePackA, "Hea", "Sea", "Sea", true},
        {21, "Seasons", kFacePackA, "Sea", "Sea", "Sea", true},
        {22, "Rhine Style", kFacePackA, "Rhi", "Rhi", "Rhi", true},
        {23, "Medieval-2", kFacePackA, "Me2", "Me2", "Me2", true},
        {24, "Doods", kFacePackA, "Doo", "Doo", "Doo", true},
        {25, "Playboy", kFacePackA, "Boy", "Rhi", "Boy", true},
        {26, "Epic", kFacePackA, "Epi", "Epi", "Epi", true},
        {27, "USSR", kFacePackA, "USR", "Big", "USR", true},
        {28, "Plastic", kFacePackA, "Pla", "Pla", "Pla", false},
        {29, "Skat - German suits", kFacePackA, "SkN", "SkN", "SkN", false},
        {30, "Skat - Tournament suits", kFacePackA, "SkT", "SkT", "SkT", false},
        {31, "Skat - French suits", kFacePackA, "SkF", "SkF", "SkF", false},
        {32, "White palekh", kFacePackB, "Bel", "Bel", "Bel", false},
        {33, "Diana", kFacePackB, "Dia", "Dia", "Dia", false},
        {34, "Princely", kFacePackB, "Kny", "Kny", "Kny", false},
        {35, "For solitaires", kFacePackB, "Pas", "Pas", "Pas", false},
        {36, "Satin", kFacePackB, "Rus", "Rus", "Rus", false},
        {37, "Slavic", kFacePackB, "Sla", "Sla", "Sla", false},
        {38, "Maya", kFacePackB, "May", "May", "May", false},
        {39, "Bast", kFacePackB, "Lub", "Lub", "Lub", false},
        {40, "French", kFacePackC, "Fra", "Fra", "Fra", true},
        {41, "Spanish 1", kFacePackC, "Mus", "Mus", "Mus", false},
        {42, "Spanish 2", kFacePackC, "BS1", "BS1", "BS1", false},
        {43, "Spanish 3", kFacePackC, "BS2", "BS2", "BS2", false},
        {44, "Spanish 4", kFacePackC, "BS3", "BS3", "BS3", false},
        {45, "Chinese", kFacePackC, "Chi", "Chi", "Chi", true},
        {46, "Italian", kFacePackC, "BIt", "BIt", "BIt", false},
        {47, "Czech", kFacePackC, "Cze", "Cze", "Cze", false},
    }};
    return sets;
}

const std::array<TBackSet, 13>& backSets() {
    static const std::array<TBackSet, 13> sets = {{
        {0, "Classical-1", "", 7},
        {1, "Medieval-1", "Cl1", 7},
        {2, "Medieval-2", "Cl2", 7},
        {3, "Carpet", "Car", 7},
        {4, "Cross", "Cro", 7},
        {5, "Chess", "Che", 7},
        {6, "Diamond", "Dia", 7},
        {7, "Knightly", "Kni", 7},
        {8, "Animals", "Ani", 10},
        {9, "Flowers", "Flo", 10},
        {10, "Places", "Pla", 10},
        {11, "Other", "Oth", 10},
        {12, "Russian", "Rus", 7},
    }};
    return sets;
}

std::string faceResourceName(const TFaceSet& set, TSuit suit, int rank, std::string_view size) {
    static constexpr const char* suits[] = {"Ch", "Bu", "Kr", "Pi"};
    static constexpr const char* ranks[] = {"02", "03", "04", "05", "06", "07", "08",
                                            "09", "10", "2J", "3Q", "4K", "5A"};
    if (rank < 2 || rank > 14) return {};
    std::string name = suits[static_cast<int>(suit)];
    name += ranks[rank - 2];
    name += rank <= 10 ? set.pipSuffix : rank == 14 ? set.aceSuffix : set.suffix;
    name += size;
    return name;
}

std::string jokerResourceName(const TFaceSet& set, bool red, std::string_view size) {
    std::string name = red ? "PoRed" : "PoBlack";
    name += set.suffix;
    name += size;
    return name;
}

std::string backResourceName(const TBackSet& set, int back, std::string_view size) {
    static constexpr const char* backs[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                            "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};
    if (back < 1 || back > set.backs) return {};
    std::string name = backs[back - 1];
    name += set.suffix;
    name += size;
    return name;
}

std::string backgroundResourceName(int picture, int colour, bool large) {
    static constexpr const char* colours[] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
    if (picture < 1 || picture > 10 || colour < 0 || colour > 6) return {};
    std::string name = "Fon";
    name += static_cast<char>('0' + picture / 10);
    name += static_cast<char>('0' + picture % 10);
    name += colours[colour];
    if (large) name += 'B';
    return name;
}

} // namespace vantor
