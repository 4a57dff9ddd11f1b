// A library linked by a second, independent toolchain (MinGW's windres and ld), built from a
// small resource script at test time, must read exactly as the script says.
#include "pack_test_util.h"
#include "packs/pack.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;

struct Toolchain {
    const char* prefix;
    bool is64;
};

class MinGwPack : public ::testing::TestWithParam<Toolchain> {};

TEST_P(MinGwPack, EveryResourceOfTheScriptReadsBack) {
    const Toolchain tc = GetParam();
    const std::string windres = std::string(tc.prefix) + "-windres";
    const std::string ld = std::string(tc.prefix) + "-ld";
    if (!haveTool(windres) || !haveTool(ld) || !haveTool("cpp"))
        GTEST_SKIP() << windres << ", " << ld << " or cpp is not installed";

    const auto dir = freshFolder("mingw");
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
    Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0, 0xFF, 0xD9};
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, ';'};
    Bytes wave(300);
    for (std::size_t i = 0; i < wave.size(); ++i) wave[i] = static_cast<std::uint8_t>(i * 7);
    const Bytes bmp = smallBmp(8, 3); // a short palette: the pixel offset is not the default
    writeFile(dir / "face.png", png);
    writeFile(dir / "back.jpg", jpeg);
    writeFile(dir / "anim.gif", gif);
    writeFile(dir / "clip.wav", wave);
    writeFile(dir / "card.bmp", bmp);
    writeText(dir / "t.rc", "Ch02ModB RCDATA \"face.png\"\n"
                            "Fon07B2B JPEG \"back.jpg\"\n"
                            "GSpin GIF \"anim.gif\"\n"
                            "Ob01Mo BITMAP \"card.bmp\"\n"
                            "101 RCDATA \"clip.wav\"\n");
    const std::string in = "cd '" + dir.string() + "' && ";
    ASSERT_EQ(run(in + windres + " --preprocessor=cpp t.rc -o t.o", dir / "windres.log"), 0)
        << readText(dir / "windres.log");
    ASSERT_EQ(run(in + ld + " --dll -e 0 -o t.dll t.o", dir / "ld.log"), 0)
        << readText(dir / "ld.log");

    TPack pack;
    ASSERT_EQ(pack.open(dir / "t.dll"), TPackStatus::Ok) << pack.error();
    EXPECT_EQ(pack.is64Bit(), tc.is64);
    EXPECT_EQ(pack.entries().size(), 5u);
    EXPECT_EQ(pack.readRcData("Ch02ModB"), png);
    EXPECT_EQ(pack.readRcData("ch02modb"), png);
    EXPECT_EQ(pack.readJpeg("Fon07B2B"), jpeg);
    EXPECT_EQ(pack.readGif("gspin"), gif);
    EXPECT_EQ(pack.readBitmapFile("Ob01Mo"), bmp);
    EXPECT_EQ(pack.readRcData(TResourceName(101)), wave);
    EXPECT_EQ(pack.readRcData("#101"), wave);
    // The right name under the wrong type is not found.
    EXPECT_FALSE(pack.readJpeg("Ch02ModB"));
    EXPECT_FALSE(pack.readRcData("Ch02Mod"));
    const TPackEntry* entry = pack.find(TResourceName(kResourceRcData), "ch02modb");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->name.text(), "CH02MODB"); // stored in capitals by the compiler
    pack.close();
    EXPECT_FALSE(pack.isOpen());
    EXPECT_FALSE(pack.readRcData("Ch02ModB"));
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Toolchains, MinGwPack,
                         ::testing::Values(Toolchain{"x86_64-w64-mingw32", true},
                                           Toolchain{"i686-w64-mingw32", false}),
                         [](const auto& info) { return info.param.is64 ? "PE32plus" : "PE32"; });

} // namespace
} // namespace vantor
