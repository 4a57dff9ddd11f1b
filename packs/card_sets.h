#pragma once
// The card-face sets, card-back sets and backgrounds the packs hold, and the resource names
// of their pictures. The pack builder writes these names and the loaders ask for them, so the
// two read one table.

#include <array>
#include <string>
#include <string_view>

namespace vantor {

struct TFaceSet {
    int number;
    const char* listText;
    const char* pack; // "" for the program's own pictures
    const char* suffix;
    const char* pipSuffix; // suffix of the 2 to 10
    const char* aceSuffix;
    bool wide;
};

struct TBackSet {
    int number;
    const char* listText;
    const char* suffix;
    int backs; // 7 or 10
};

inline constexpr const char* kFacePackA = "ZovCards06A.dll";
inline constexpr const char* kFacePackB = "ZovCards06B.dll";
inline constexpr const char* kFacePackC = "ZovCards06C.dll";
inline constexpr const char* kBackgroundPack = "ZovBackG03.dll";
inline constexpr const char* kGraphicsPack = "ZovCGraph1.dll";

// Sets 0 to 47 and 0 to 12, indexed by their numbers.
const std::array<TFaceSet, 48>& faceSets();
const std::array<TBackSet, 13>& backSets();

enum class TSuit { Hearts, Diamonds, Clubs, Spades };

// Rank 2 to 10, 11 jack, 12 queen, 13 king, 14 ace. The size suffix is "" for the small faces
// and "B" for the large ones. For example Ch06ModB, Kr2JCorB, Pi5ACorB for set 6, large.
std::string faceResourceName(const TFaceSet& set, TSuit suit, int rank, std::string_view size);
// "PoRed" or "PoBlack", the set suffix and the size suffix.
std::string jokerResourceName(const TFaceSet& set, bool red, std::string_view size);
// Back 1 to 10 of a set: "Ob03We" + set suffix + size suffix ("", "B" or "U").
std::string backResourceName(const TBackSet& set, int back, std::string_view size);
// Background picture 1 to 10 in colour 0 to 6: "Fon07B2" plus "B" for the large windows.
std::string backgroundResourceName(int picture, int colour, bool large);

} // namespace vantor
