// Resource names of faces, backs and backgrounds, checked against the examples the game's
// artwork is published under.
#include "packs/card_sets.h"

#include <gtest/gtest.h>
#include <set>

namespace vantor {
namespace {

TEST(CardSets, FaceNames) {
    const auto& sets = faceSets();
    EXPECT_EQ(faceResourceName(sets[0], TSuit::Hearts, 2, ""), "Ch02");
    EXPECT_EQ(faceResourceName(sets[0], TSuit::Hearts, 2, "B"), "Ch02B");
    EXPECT_EQ(faceResourceName(sets[6], TSuit::Hearts, 6, "B"), "Ch06ModB");
    EXPECT_EQ(faceResourceName(sets[6], TSuit::Clubs, 11, "B"), "Kr2JCorB");
    EXPECT_EQ(faceResourceName(sets[6], TSuit::Spades, 14, "B"), "Pi5ACorB");
    EXPECT_EQ(faceResourceName(sets[7], TSuit::Spades, 14, "B"), "Pi5AModB");
    EXPECT_EQ(faceResourceName(sets[29], TSuit::Hearts, 6, "B"), "Ch06SkNB");
    EXPECT_EQ(faceResourceName(sets[19], TSuit::Diamonds, 10, ""), "Bu10Sea");
    EXPECT_EQ(faceResourceName(sets[2], TSuit::Diamonds, 12, ""), "Bu3QMod");
    EXPECT_EQ(faceResourceName(sets[2], TSuit::Diamonds, 13, ""), "Bu4KMod");
    EXPECT_EQ(faceResourceName(sets[2], TSuit::Diamonds, 1, ""), "");
    EXPECT_EQ(jokerResourceName(sets[6], true, "B"), "PoRedCorB");
    EXPECT_EQ(jokerResourceName(sets[6], false, ""), "PoBlackCor");
}

TEST(CardSets, TablesAreNumberedAndWidthsAsListed) {
    for (std::size_t i = 0; i < faceSets().size(); ++i) EXPECT_EQ(faceSets()[i].number, int(i));
    for (std::size_t i = 0; i < backSets().size(); ++i) EXPECT_EQ(backSets()[i].number, int(i));
    for (const TFaceSet& s : faceSets()) {
        const bool wide = s.number <= 27 || s.number == 40 || s.number == 45;
        EXPECT_EQ(s.wide, wide) << s.number;
    }
    // Within one pack no two sets share a suffix (9 and 40 share "Fra" across two packs).
    std::set<std::pair<std::string, std::string>> seen;
    for (const TFaceSet& s : faceSets())
        EXPECT_TRUE(seen.insert({s.pack, s.suffix}).second) << s.number;
}

TEST(CardSets, BackAndBackgroundNames) {
    const auto& backs = backSets();
    EXPECT_EQ(backResourceName(backs[8], 3, "B"), "Ob03WeAniB");
    EXPECT_EQ(backResourceName(backs[0], 1, "U"), "Ob01MoU");
    EXPECT_EQ(backResourceName(backs[0], 7, ""), "Ob07Su");
    EXPECT_EQ(backResourceName(backs[9], 10, ""), "Ob10XXFlo");
    EXPECT_EQ(backResourceName(backs[3], 8, ""), ""); // a seven-back set
    EXPECT_EQ(backgroundResourceName(7, 5, true), "Fon07B2B");
    EXPECT_EQ(backgroundResourceName(6, 4, false), "Fon06B1");
    EXPECT_EQ(backgroundResourceName(10, 6, true), "Fon10FiB");
    EXPECT_EQ(backgroundResourceName(0, 0, true), "");
}

} // namespace
} // namespace vantor
