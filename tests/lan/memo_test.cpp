#include "lan/memo.h"

#include <gtest/gtest.h>

namespace vantor::lan {
namespace {

// Every character five units wide: 17 characters fit in 85 units.
double fiveUnits(std::string_view s) {
    double w = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) w += 5;
    return w;
}

TEST(ChatMemo, LinesFillThenScroll) {
    TChatMemo memo;
    for (int k = 1; k <= 6; ++k) memo.add(k % 4 + 1, "line " + std::to_string(k), fiveUnits);
    EXPECT_EQ(memo.lines()[0].text, "line 3");
    EXPECT_EQ(memo.lines()[3].text, "line 6");
    EXPECT_EQ(memo.lines()[3].colour, roleColour(6 % 4 + 1));
    EXPECT_EQ(roleColour(1), 0x000080u); // maroon, $BBGGRR
    EXPECT_EQ(roleColour(2), 0x800000u); // navy
    EXPECT_EQ(roleColour(3), 0x008000u); // green
    EXPECT_EQ(roleColour(4), 0x008080u); // olive
}

TEST(ChatMemo, CutFromTheEnd) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"short", "short"},
        {std::string(17, 'a'), std::string(17, 'a')},
        {std::string(20, 'a'), std::string(17, 'a') + "..."},
        // At most twelve characters come off, even when the rest is still too wide.
        {std::string(40, 'b'), std::string(28, 'b') + "..."},
        // Characters, not bytes: Cyrillic letters are two bytes each.
        {"\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96"
         "\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96",
         "\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96"
         "\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96..."},
    };
    for (const auto& c : cases) EXPECT_EQ(TChatMemo::cut(c.in, fiveUnits), c.out) << c.in;
}

TEST(SecretHands, CodeSwitchesAndFocusResets) {
    TSecretHands s;
    for (char c : std::string("7194")) EXPECT_FALSE(s.type(std::string(1, c)));
    EXPECT_TRUE(s.type("8"));
    EXPECT_TRUE(s.revealed());
    for (char c : std::string("719")) s.type(std::string(1, c));
    s.focusChanged();
    for (char c : std::string("48")) EXPECT_FALSE(s.type(std::string(1, c)));
    EXPECT_TRUE(s.revealed());
    s.focusChanged();
    for (char c : std::string("71948")) s.type(std::string(1, c));
    EXPECT_FALSE(s.revealed());
}

} // namespace
} // namespace vantor::lan
