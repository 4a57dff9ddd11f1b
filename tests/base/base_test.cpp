#include "base/cp1251.h"
#include "base/fields.h"
#include "base/paths.h"
#include "base/rounding.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Cp1251, CardBytesRoundTripThroughUtf8) {
    // Jack, queen, king, ace and the four suit letters as the card codes carry them.
    const std::string bytes = "\xC2\xC4\xCA\xD2\xF7\xE1\xEA\xEF";
    const std::string utf8 = cp1251ToUtf8(bytes);
    EXPECT_EQ(utf8, "ВДКТчбкп");
    EXPECT_EQ(utf8ToCp1251(utf8), bytes);
}

TEST(Cp1251, EveryAssignedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;
        const char32_t cp = cp1251ToCodePoint(static_cast<std::uint8_t>(b));
        EXPECT_EQ(codePointToCp1251(cp), b) << "byte " << b;
    }
    EXPECT_EQ(cp1251ToCodePoint(0x98), U'\uFFFD');
    EXPECT_EQ(cp1251ToCodePoint(0xB9), U'\u2116'); // numero sign
    EXPECT_EQ(cp1251ToCodePoint(0xA8), U'\u0401'); // Yo
}

TEST(Cp1251, MissingCharactersAndBrokenUtf8AreReplaced) {
    EXPECT_EQ(utf8ToCp1251("a\xE4\xB8\xAD"
                           "b"),
              "a?b");                       // a CJK character
    EXPECT_EQ(utf8ToCp1251("x\xC3"), "x?"); // cut-off sequence
    EXPECT_EQ(utf8ToCp1251("\xFF\xFE", '_'), "__");
}

TEST(Fields, PaddingAndAlignment) {
    EXPECT_EQ(padRight("Ann", 6), "Ann   ");
    EXPECT_EQ(padRight("Annabelle", 4), "Anna");
    EXPECT_EQ(rightAligned(42, 5), "   42");
    EXPECT_EQ(rightAligned(-7, 3), " -7");
    EXPECT_EQ(padLeft("123456", 4), "3456");
    EXPECT_EQ(trimRight("Ann  \r\n"), "Ann");
}

TEST(Fields, IntegerParsingRejectsAnythingButANumber) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"  42 ", 42},
        {"-17", -17},
        {"+5", 5},
        {"", std::nullopt},
        {"4 2", std::nullopt},
        {"12a", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseInteger(c.text), c.value) << c.text;
}

TEST(Fields, FieldAtNeverReadsPastTheLine) {
    EXPECT_EQ(fieldAt("abcdef", 2, 3), "bcd");
    EXPECT_EQ(fieldAt("abcdef", 5, 10), "ef");
    EXPECT_EQ(fieldAt("abc", 4, 2), "");
    EXPECT_EQ(fieldAt("abc", 0, 2), "");
}

TEST(Rounding, HalvesGoToEven) {
    struct Case {
        double value;
        std::int64_t rounded;
    };
    const Case cases[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},   {-0.5, 0}, {-1.5, -2},
                          {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(Paths, HomeFolderFromEnvironmentAndSharedFolderAboveIt) {
    ::setenv("VANTOR_HOME", "/tmp/vantor-test/home", 1);
    EXPECT_EQ(homeFolder(), std::filesystem::path("/tmp/vantor-test/home"));
    EXPECT_EQ(sharedFolder(), std::filesystem::path("/tmp/vantor-test"));
    EXPECT_EQ(resolveProgramPath("..\\ZovUser.zov"),
              std::filesystem::path("/tmp/vantor-test/ZovUser.zov"));
    EXPECT_EQ(resolveProgramPath("History\\Vantor01.his"),
              std::filesystem::path("/tmp/vantor-test/home/History/Vantor01.his"));
    ::unsetenv("VANTOR_HOME");
    ::setenv("XDG_DATA_HOME", "/tmp/vantor-xdg", 1);
    EXPECT_EQ(homeFolder(), std::filesystem::path("/tmp/vantor-xdg/zov/vantor4"));
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace vantor
