// vantor-packs from the outside: packing files, listing, extracting, and building face and back
// sets whose names and picture sizes are the ones the loaders ask for.
#include "pack_test_util.h"
#include "packs/card_sets.h"
#include "packs/pack.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;

const std::string kTool = VANTOR_PACKS_TOOL;

struct PngSize {
    std::uint32_t width = 0, height = 0;
    int colourType = -1;
};

PngSize pngSize(const Bytes& png) {
    static const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 26 || !std::equal(signature.begin(), signature.end(), png.begin())) return {};
    const auto be32 = [&](std::size_t at) {
        return std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 |
               std::uint32_t{png[at + 2]} << 8 | png[at + 3];
    };
    return {be32(16), be32(20), png[25]};
}

TEST(PacksTool, PackListAndExtract) {
    const auto dir = freshFolder("tool");
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xD9};
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    const Bytes bmp = smallBmp(4, 5);
    writeFile(dir / "face.png", png);
    writeFile(dir / "Fon01GrB.jpg", jpeg);
    writeFile(dir / "spin.GIF", gif);
    writeFile(dir / "Ob01Mo.bmp", bmp);
    const std::string d = "'" + dir.string() + "/";
    ASSERT_EQ(run(kTool + " pack " + d + "t.dll' Ch02ModB=" + d + "face.png' " + d +
                      "Fon01GrB.jpg' GSpin=" + d + "spin.GIF' " + d + "Ob01Mo.bmp'",
                  dir / "pack.log"),
              0)
        << readText(dir / "pack.log");

    TPack pack;
    ASSERT_EQ(pack.open(dir / "t.dll"), TPackStatus::Ok) << pack.error();
    EXPECT_EQ(pack.readRcData("Ch02ModB"), png);
    EXPECT_EQ(pack.readJpeg("Fon01GrB"), jpeg);
    EXPECT_EQ(pack.readGif("GSpin"), gif);
    EXPECT_EQ(pack.readBitmapFile("Ob01Mo"), bmp);
    pack.close();

    ASSERT_EQ(run(kTool + " list " + d + "t.dll'", dir / "list.txt"), 0);
    const std::string listing = readText(dir / "list.txt");
    for (const char* line :
         {"RCDATA   CH02MODB", "JPEG     FON01GRB", "GIF      GSPIN", "BITMAP   OB01MO"})
        EXPECT_NE(listing.find(line), std::string::npos) << line << "\n" << listing;

    ASSERT_EQ(run(kTool + " extract " + d + "t.dll' ob01mo " + d + "out.bmp'"), 0);
    EXPECT_EQ(readFile(dir / "out.bmp"), bmp);
    ASSERT_EQ(run(kTool + " extract " + d + "t.dll' fon01grb " + d + "out.jpg'"), 0);
    EXPECT_EQ(readFile(dir / "out.jpg"), jpeg);

    EXPECT_EQ(run(kTool + " extract " + d + "t.dll' Nothing " + d + "x'", dir / "x.log"), 1);
    EXPECT_NE(readText(dir / "x.log").find("no resource Nothing"), std::string::npos);
    EXPECT_EQ(run(kTool + " list " + d + "face.png'", dir / "bad.log"), 1);
    EXPECT_NE(readText(dir / "bad.log").find("not a readable pack"), std::string::npos);
    // Two files under one name: refused, and no pack is left behind.
    EXPECT_EQ(run(kTool + " pack " + d + "dup.dll' A=" + d + "face.png' a=" + d + "face.png'",
                  dir / "dup.log"),
              1);
    EXPECT_FALSE(std::filesystem::exists(dir / "dup.dll"));
    std::filesystem::remove_all(dir);
}

// Runs a build; skips when this machine cannot render (no Qt Svg, no decks).
void buildOrSkip(const std::filesystem::path& dir, const std::string& args) {
    const int rc = run(kTool + " build '" + dir.string() + "' " + args, dir / "build.log");
    const std::string log = readText(dir / "build.log");
    if (rc != 0 && (log.find("without Qt Svg") != std::string::npos ||
                    log.find("no SVG card decks") != std::string::npos))
        GTEST_SKIP() << log;
    ASSERT_EQ(rc, 0) << log;
}

TEST(PacksTool, FaceSetsHaveEveryNameAtTheirSizes) {
    const auto dir = freshFolder("faces");
    buildOrSkip(dir, "ZovCards06A.dll --sets 6,29 --quick");
    if (::testing::Test::IsSkipped()) return;
    TPack pack;
    ASSERT_EQ(pack.open(dir / "ZovCards06A.dll"), TPackStatus::Ok) << pack.error();
    std::size_t expected = 0;
    for (int number : {6, 29}) {
        const TFaceSet& set = faceSets()[number];
        const std::uint32_t large = set.wide ? 146 : 126;
        for (const auto& [size, w, h] : {std::tuple{"", 69u, 94u}, std::tuple{"B", large, 198u}}) {
            std::vector<std::string> names;
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 2; rank <= 14; ++rank) {
                    const char* own = rank <= 10   ? set.pipSuffix
                                      : rank == 14 ? set.aceSuffix
                                                   : set.suffix;
                    const std::string name =
                        faceResourceName(set, static_cast<TSuit>(suit), rank, size);
                    if (std::string_view(own) == set.suffix)
                        names.push_back(name);
                    else
                        EXPECT_FALSE(pack.find(TResourceName(kResourceRcData), name)) << name;
                }
            names.push_back(jokerResourceName(set, true, size));
            names.push_back(jokerResourceName(set, false, size));
            for (const std::string& name : names) {
                const auto png = pack.readRcData(name);
                ASSERT_TRUE(png) << name;
                const PngSize got = pngSize(*png);
                EXPECT_EQ(got.width, w) << name;
                EXPECT_EQ(got.height, h) << name;
                EXPECT_EQ(got.colourType, 6) << name << " (RGB with alpha)";
            }
            expected += names.size();
        }
    }
    EXPECT_EQ(pack.entries().size(), expected);
    EXPECT_TRUE(pack.find(TResourceName(kResourceRcData), "Kr2JCorB"));
    EXPECT_TRUE(pack.find(TResourceName(kResourceRcData), "Ch06SkNB"));
    std::filesystem::remove_all(dir);
}

TEST(PacksTool, BackSetsInAllThreeSizes) {
    const auto dir = freshFolder("backs");
    buildOrSkip(dir, "ZovCards06B.dll --sets 33 --quick");
    if (::testing::Test::IsSkipped()) return;
    TPack pack;
    ASSERT_EQ(pack.open(dir / "ZovCards06B.dll"), TPackStatus::Ok) << pack.error();
    for (const TBackSet& set : backSets())
        for (int back = 1; back <= set.backs; ++back)
            for (const auto& [size, w, h] : {std::tuple{"", 69u, 94u}, std::tuple{"B", 146u, 198u},
                                             std::tuple{"U", 126u, 198u}}) {
                const std::string name = backResourceName(set, back, size);
                const auto png = pack.readRcData(name);
                // Set 0 is the program's own, except its narrow large backs.
                if (set.number == 0 && std::string_view(size) != "U") {
                    EXPECT_FALSE(png) << name;
                    continue;
                }
                ASSERT_TRUE(png) << name;
                EXPECT_EQ(pngSize(*png).width, w) << name;
                EXPECT_EQ(pngSize(*png).height, h) << name;
            }
    EXPECT_TRUE(pack.readRcData("Ch06DiaB")); // the face set asked for
    EXPECT_TRUE(pack.readRcData("Ob03WeAniB"));
    std::filesystem::remove_all(dir);
}

// Width and height from a JPEG's start-of-frame segment.
std::pair<int, int> jpegSize(const Bytes& jpeg) {
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return {0, 0};
    std::size_t at = 2;
    while (at + 9 < jpeg.size() && jpeg[at] == 0xFF) {
        const int marker = jpeg[at + 1];
        const std::size_t length = std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3];
        if (marker >= 0xC0 && marker <= 0xC3)
            return {jpeg[at + 7] << 8 | jpeg[at + 8], jpeg[at + 5] << 8 | jpeg[at + 6]};
        at += 2 + length;
    }
    return {0, 0};
}

TEST(PacksTool, BackgroundsInEveryColourAndBothSizes) {
    const auto dir = freshFolder("backgrounds");
    buildOrSkip(dir, "ZovBackG03.dll");
    if (::testing::Test::IsSkipped()) return;
    TPack pack;
    ASSERT_EQ(pack.open(dir / "ZovBackG03.dll"), TPackStatus::Ok) << pack.error();
    for (int picture = 1; picture <= 10; ++picture)
        for (int colour = 0; colour < 7; ++colour)
            for (const bool large : {false, true}) {
                const std::string name = backgroundResourceName(picture, colour, large);
                const auto jpeg = pack.readJpeg(name);
                if (picture == 2 && colour == 0) { // the program's own "FonG"
                    EXPECT_FALSE(jpeg) << name;
                    continue;
                }
                ASSERT_TRUE(jpeg) << name;
                EXPECT_EQ(jpegSize(*jpeg), large ? std::pair(1520, 1000) : std::pair(760, 500))
                    << name;
            }
    EXPECT_TRUE(pack.readJpeg("Fon06B1")); // "Tree" in "Light-Blue", window size 1
    std::filesystem::remove_all(dir);
}

TEST(PacksTool, UnknownPackAndBadArguments) {
    const auto dir = freshFolder("args");
    EXPECT_EQ(run(kTool + " build '" + dir.string() + "' ZovNothing.dll", dir / "log"), 1);
    EXPECT_NE(readText(dir / "log").find("no recipe for ZovNothing.dll"), std::string::npos);
    EXPECT_EQ(run(kTool + " frobnicate", dir / "log"), 2);
    EXPECT_NE(readText(dir / "log").find("usage:"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vantor
