// A BITMAP resource is a DIB; as a file it needs its 14-byte header back, with the pixel offset
// that matches the header kind, the colour table and the colour masks.
#include "pack_test_util.h"
#include "packs/bitmap_file.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;

struct DibCase {
    const char* what;
    std::uint32_t headerSize;
    std::uint16_t bits;
    std::uint32_t compression;
    std::uint32_t coloursUsed;
    std::size_t extra;                    // bytes after the header (palette, masks, pixels)
    std::optional<std::uint32_t> offBits; // expected pixel offset in the file, none if damaged
};

Bytes makeDib(const DibCase& c) {
    Bytes dib(c.headerSize + c.extra, 0xAB);
    putLe32(dib, 0, c.headerSize);
    if (c.headerSize == 12) {
        putLe16(dib, 4, 2);
        putLe16(dib, 6, 2);
        putLe16(dib, 8, 1);
        putLe16(dib, 10, c.bits);
    } else {
        putLe32(dib, 4, 2);
        putLe32(dib, 8, 2);
        putLe16(dib, 12, 1);
        putLe16(dib, 14, c.bits);
        putLe32(dib, 16, c.compression);
        putLe32(dib, 32, c.coloursUsed);
    }
    return dib;
}

class DibToFile : public ::testing::TestWithParam<DibCase> {};

TEST_P(DibToFile, PixelOffsetMatchesTheHeader) {
    const DibCase c = GetParam();
    const Bytes dib = makeDib(c);
    const auto file = bmpFileFromDib(dib);
    if (!c.offBits) {
        EXPECT_FALSE(file) << c.what;
        return;
    }
    ASSERT_TRUE(file) << c.what;
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    EXPECT_EQ(le32(*file, 2), file->size());
    EXPECT_EQ(le32(*file, 6), 0u);
    EXPECT_EQ(le32(*file, 10), *c.offBits) << c.what;
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file->begin() + 14));
    // And back: the DIB comes out unchanged.
    EXPECT_EQ(dibFromBmpFile(*file), dib);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, DibToFile,
    ::testing::Values(
        DibCase{"core header, 1 bit: two 3-byte colours", 12, 1, 0, 0, 6 + 8, 14 + 12 + 6},
        DibCase{"core header, 8 bits: full table", 12, 8, 0, 0, 768 + 4, 14 + 12 + 768},
        DibCase{"info header, 8 bits, full table", 40, 8, 0, 0, 1024 + 8, 14 + 40 + 1024},
        DibCase{"info header, 8 bits, 3 colours used", 40, 8, 0, 3, 12 + 8, 14 + 40 + 12},
        DibCase{"info header, 4 bits", 40, 4, 0, 0, 64 + 8, 14 + 40 + 64},
        DibCase{"info header, 24 bits, no table", 40, 24, 0, 0, 16, 14 + 40},
        DibCase{"info header, 24 bits, optimising table of 2", 40, 24, 0, 2, 8 + 16, 14 + 40 + 8},
        DibCase{"info header, 16 bits, bit-field masks", 40, 16, 3, 0, 12 + 8, 14 + 40 + 12},
        DibCase{"info header, 32 bits, alpha bit-field masks", 40, 32, 6, 0, 16 + 16, 14 + 40 + 16},
        DibCase{"V4 header keeps its masks inside", 108, 32, 3, 0, 16, 14 + 108},
        DibCase{"V5 header keeps its masks inside", 124, 32, 3, 0, 16, 14 + 124},
        DibCase{"palette cut short", 40, 8, 0, 0, 100, std::nullopt},
        DibCase{"absurd colour count", 40, 8, 0, 0xFFFFFFFF, 100, std::nullopt},
        DibCase{"header longer than the data", 200, 8, 0, 0, 10, std::nullopt},
        DibCase{"unknown header size", 8, 8, 0, 0, 40, std::nullopt},
        DibCase{"absurd bit count", 40, 99, 0, 0, 40, std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(BmpFile, GapBeforeThePixelsIsDroppedAndRebuiltWithout) {
    Bytes file = smallBmp(8, 2);
    const Bytes plain = file;
    // Move the pixels 6 bytes further out, as some painting programs write them.
    const std::uint32_t off = le32(file, 10);
    file.insert(file.begin() + off, {9, 9, 9, 9, 9, 9});
    putLe32(file, 10, off + 6);
    putLe32(file, 2, static_cast<std::uint32_t>(file.size()));
    const auto dib = dibFromBmpFile(file);
    ASSERT_TRUE(dib);
    EXPECT_EQ(bmpFileFromDib(*dib), plain);
}

TEST(BmpFile, NotABitmapIsRefused) {
    Bytes file = smallBmp(8, 2);
    file[0] = 'P';
    EXPECT_FALSE(dibFromBmpFile(file));
    Bytes overlap = smallBmp(8, 2);
    putLe32(overlap, 10, 20); // pixels inside the header
    EXPECT_FALSE(dibFromBmpFile(overlap));
    EXPECT_FALSE(dibFromBmpFile(Bytes(10, 'B')));
}

} // namespace
} // namespace vantor
