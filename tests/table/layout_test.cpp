#include "table/layout.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Layout, ThirteenCardsOverlapInTheSmallWindow) {
    const TScale s = scaleOf(1, {});
    const auto left = LayoutHandX(s.ScaleK(360), 13, 71);
    for (int i = 1; i <= 13; ++i) EXPECT_EQ(left[i], (i - 1) * 23) << i;
    EXPECT_EQ(left[14], 0);
    EXPECT_EQ(left[13], 276);
}

TEST(Layout, TwoOpponentCardsAreCentred) {
    const auto left = LayoutHandX(190, 2, 71);
    EXPECT_EQ(left[1], 21);
    EXPECT_EQ(left[2], 95);
}

TEST(Layout, OneCardIsAlwaysCentred) {
    for (int width : {190, 360, 395, 720}) {
        for (int card : {71, 61, 126, 146}) {
            const auto left = LayoutHandX(width, 1, card);
            // The card with its gap sits in the middle, within a pixel of rounding.
            const double middle = left[1] + (card + 3) / 2.0;
            EXPECT_NEAR(middle, width / 2.0, 1.0) << width << " " << card;
        }
    }
}

TEST(Layout, FullScreenOnA1080Screen) {
    const TScale s = scaleOf(2, {1920, 1040});
    EXPECT_NEAR(s.kx, 2.526, 0.001);
    EXPECT_DOUBLE_EQ(s.ky, 2.08);
    EXPECT_DOUBLE_EQ(s.k, 2.08);
    const TCardSize card = cardSizeFor(s.k, true);
    EXPECT_EQ(card.width, 146);
    EXPECT_EQ(card.height, 198);
    EXPECT_EQ(card.mode, 2);
    EXPECT_EQ(cardSizeFor(s.k, false).width, 126);
    const TRect hand = handRect(s, 1, card.height);
    EXPECT_EQ(hand.width, 395);
    EXPECT_EQ(hand.left, static_cast<int>(std::lround(30 * s.kx)) + 42)
        << "moved right to stay centred";
    EXPECT_EQ(hand.height, 198 + s.ScaleK(15));
}

TEST(Layout, CardSizesByScale) {
    struct Case {
        int windowSize;
        bool wide;
        TCardSize card;
    };
    const Case cases[] = {
        {1, true, {71, 96, 1}},    {1, false, {71, 96, 1}},  {3, true, {92, 125, 0}},
        {3, false, {79, 125, 0}},  {4, true, {121, 163, 0}}, {5, true, {146, 198, 2}},
        {5, false, {126, 198, 2}},
    };
    for (const auto& c : cases) {
        const TCardSize got = cardSizeFor(scaleOf(c.windowSize, {}).k, c.wide);
        EXPECT_EQ(got.width, c.card.width) << c.windowSize;
        EXPECT_EQ(got.height, c.card.height) << c.windowSize;
        EXPECT_EQ(got.mode, c.card.mode) << c.windowSize;
    }
}

TEST(Layout, OfferedSizesDependOnTheScreen) {
    EXPECT_EQ(offeredWindowSizes({1280, 1024}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(offeredWindowSizes({1290, 870}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(offeredWindowSizes({1920, 1080}), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(offeredWindowSizes({800, 600}), (std::vector<int>{1, 2}));
}

TEST(Layout, ButtonsClocksAndTablePlaces) {
    const TScale large = scaleOf(5, {});
    EXPECT_EQ(tablePlaceX(large, 2), 160);
    EXPECT_EQ(button7Rect(large), (TRect{1160, 720, 350, 60}));
    EXPECT_EQ(button8Rect(large), (TRect{1160, 780, 350, 60}));
    const TRect bubble = bubbleRect(large, 2);
    EXPECT_EQ(moveClockRect(large, 2), (TRect{bubble.right() + 20, bubble.top, 40, 40}));
    EXPECT_EQ(handBaseTop(large, 4), 30);
    EXPECT_EQ(handBaseTop(large, 1), 0);
}

TEST(Layout, CardUnderTheMouse) {
    const auto left = LayoutHandX(360, 13, 71); // lefts 0, 23, ..., 276
    EXPECT_EQ(cardAt(left, 13, 71, 0), 1);
    EXPECT_EQ(cardAt(left, 13, 71, 22), 1);
    EXPECT_EQ(cardAt(left, 13, 71, 23), 2);
    EXPECT_EQ(cardAt(left, 13, 71, 276 + 70), 13);
    EXPECT_EQ(cardAt(left, 13, 71, 276 + 71), 0);
    EXPECT_EQ(cardAt(left, 0, 71, 5), 0);
}

TEST(Flight, StepRules) {
    const auto flat = flightPath({10, 50}, {20, 50});
    ASSERT_EQ(flat.size(), 10u);
    for (std::size_t i = 0; i < flat.size(); ++i)
        EXPECT_EQ(flat[i], (TPoint{11 + static_cast<int>(i), 50}));
    const auto diagonal = flightPath({0, 0}, {-5, 5});
    ASSERT_EQ(diagonal.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(diagonal[i], (TPoint{-(i + 1), i + 1}));
    const auto steep = flightPath({100, 0}, {90, 300});
    ASSERT_EQ(steep.size(), 300u);
    TPoint previous{100, 0};
    for (const auto& p : steep) {
        EXPECT_EQ(p.y, previous.y + 1);
        EXPECT_LE(std::abs(p.x - previous.x), 1);
        previous = p;
    }
    EXPECT_EQ(steep.back(), (TPoint{90, 300}));
    EXPECT_TRUE(flightPath({3, 3}, {3, 3}).empty());
}

TEST(Flight, WaitsBySpeed) {
    std::vector<int> at3, at4;
    for (int step = 1; step <= 9; ++step) {
        if (flightWait(3, step)) at3.push_back(step);
        if (flightWait(4, step)) at4.push_back(step);
    }
    EXPECT_EQ(at3, (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(at4, (std::vector<int>{3, 6, 9}));
    EXPECT_EQ(flightWait(1, 7), 2);
    EXPECT_EQ(flightWait(5, 3), 0);
    EXPECT_EQ(flightWait(6, 3), 0);
}

TEST(Memo, LinesAreCutAtTwelveCharactersWithDots) {
    const auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 5; };
    EXPECT_EQ(cutMemoLine("short", 85, width), "short");
    EXPECT_EQ(cutMemoLine("abcdefghijklmnopqrstu", 85, width), "abcdefghijklmnopq...");
    EXPECT_EQ(cutMemoLine(std::string(40, 'x'), 85, width), std::string(28, 'x') + "...");
    // Cyrillic letters are two bytes: a cut never splits one.
    EXPECT_EQ(cutMemoLine("\xD0\x96\xD0\x96\xD0\x96", 5,
                          [](const std::string& s) { return static_cast<int>(s.size()) * 5 / 2; }),
              "\xD0\x96...");
}

} // namespace
} // namespace vantor
