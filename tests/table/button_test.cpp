#include "app.h"
#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"
#include "table/zov_cards_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

using namespace vantor;

namespace {

QColor at(const QImage& img, int x, int y) {
    return QColor::fromRgba(img.pixel(x, y));
}

// Every pixel of a row of the centre part, between the caps.
void expectRow(const QImage& img, int y, int w, const QColor& colour) {
    for (int x = w; x < img.width() - w - 1; ++x)
        ASSERT_EQ(at(img, x, y), colour) << "x " << x << " y " << y;
}

} // namespace

TEST(ZovCardsButton, NewButtonDefaults) {
    testApp();
    TZovCardsButton b;
    EXPECT_EQ(b.size(), QSize(100, 30));
    EXPECT_EQ(b.colorSB(), DRed);
    EXPECT_EQ(b.heightSB(), D30);
    EXPECT_EQ(b.kLightSB(), 0);
    EXPECT_TRUE(b.kontur());
    EXPECT_TRUE(b.smooth());
    EXPECT_FALSE(b.nata());
    b.setHeightSB(D45);
    EXPECT_EQ(b.height(), 45);
    b.setHeightSB(D60);
    EXPECT_EQ(b.height(), 60);
    b.setKLightSB(150);
    EXPECT_EQ(b.kLightSB(), 100);
}

TEST(ZovCardsButton, Height30CentreRowsComeFromTheTable) {
    testApp();
    TZovCardsButton b;
    b.resize(120, 30);
    const QImage red = b.snapshot({});
    expectRow(red, 3, 8, QColor(0xE8, 0xAD, 0xAD));  // row 4, $ADADE8
    expectRow(red, 0, 8, QColor(0x80, 0, 0));        // row 1, $000080
    expectRow(red, 14, 8, QColor(0x98, 0x24, 0x24)); // row 15, $242498
    expectRow(red, 28, 8, QColor(0x80, 0, 0));       // row 29, $000080
    EXPECT_EQ(qAlpha(red.pixel(60, 29)), 0);         // the last line is left to the background

    b.setColorSB(DNavy);
    const QImage navy = b.snapshot({});
    expectRow(navy, 3, 8, QColor(0xAD, 0xAD, 0xE8)); // $E8ADAD

    b.setKLightSB(50);
    const QImage light = b.snapshot({});
    // 173 + (255 - 173) * 0.5 = 214; 232 + 23 * 0.5 = 243.5, halves to even: 244.
    expectRow(light, 3, 8, QColor(214, 214, 244));
}

TEST(ZovCardsButton, Height36IsFreeWithResampledCaps) {
    testApp();
    TZovCardsButton b;
    b.resize(120, 36);
    EXPECT_EQ(TZovCardsButton::capWidth(36), 10); // round(13 * 36 / 45)
    const QImage img = b.snapshot({});
    QImage cap = builtinPicture("R44_L").convertToFormat(QImage::Format_ARGB32);
    ASSERT_TRUE(ResizePng(cap, 10, 35));
    const QImage drawn = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 10; ++x) {
            const QRgb want = cap.pixel(x, y), got = drawn.pixel(x, y);
            ASSERT_NEAR(qAlpha(got), qAlpha(want), 1) << x << "," << y;
            if (qAlpha(want) == 255) {
                ASSERT_EQ(got, want) << x << "," << y;
            }
        }
    // The centre is the 44-high centre picture stretched, not the 29-row table.
    QSet<QRgb> centreColours;
    const QImage c44 = builtinPicture("R44_2").convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 44; ++y) centreColours.insert(c44.pixel(0, y));
    for (int y = 0; y < 35; ++y) EXPECT_TRUE(centreColours.contains(drawn.pixel(60, y))) << y;
    EXPECT_EQ(qAlpha(drawn.pixel(60, 35)), 0);
    // The right cap ends one pixel inside the button.
    EXPECT_GT(qAlpha(drawn.pixel(120 - 3, 18)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(119, 18)), 0);
}

TEST(ZovCardsButton, ExactHeightsUseTheirPictureClass) {
    testApp();
    for (auto [h, w] :
         {std::pair{45, 13}, std::pair{60, 17}, std::pair{20, 5}, std::pair{50, 14}}) {
        EXPECT_EQ(TZovCardsButton::capWidth(h), w) << h;
    }
    TZovCardsButton b;
    b.resize(140, 45);
    const QImage img = b.snapshot({});
    expectRow(img, 3, 13, QColor(0xEF, 0xB4, 0xB4)); // row 4 of the 44-row table, $B4B4EF
}

TEST(ZovCardsButton, PressedIsDrawnOnePixelRightAndDown) {
    testApp();
    TZovCardsButton b("Pass");
    b.resize(120, 30);
    b.setFontColor(Qt::white);
    const QImage up = b.snapshot({});
    TButtonDrawState pressed;
    pressed.selected = true;
    const QImage down = b.snapshot(pressed);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 119; ++x)
            ASSERT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << "," << y;
}

TEST(ZovCardsButton, DisabledCaptionColour) {
    testApp();
    TZovCardsButton b("WWWWWW");
    b.resize(160, 30);
    QFont f = b.font();
    f.setPixelSize(18);
    f.setBold(true);
    b.setFont(f);
    b.setFontColor(QColor(0, 255, 0));
    auto count = [](const QImage& img, const QColor& c) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += at(img, x, y) == c;
        return n;
    };
    TButtonDrawState disabled;
    disabled.disabled = true;
    b.setGrayDis(true);
    const QImage grey = b.snapshot(disabled);
    EXPECT_GT(count(grey, QColor(0xC0, 0xC0, 0xC0)), 10);
    EXPECT_EQ(count(grey, QColor(0, 255, 0)), 0);
    b.setGrayDis(false);
    const QImage plain = b.snapshot(disabled);
    EXPECT_EQ(count(plain, QColor(0xC0, 0xC0, 0xC0)), 0);
    EXPECT_GT(count(plain, QColor(0, 255, 0)), 10);
    // Under the mouse with LightFont the caption takes ColorMouse; not while disabled.
    b.setLightFont(true);
    b.setColorMouse(QColor(255, 255, 0));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b, &enter);
    ASSERT_TRUE(b.mouseOver());
    EXPECT_GT(count(b.snapshot({}), QColor(255, 255, 0)), 10);
}

TEST(ZovCardsButton, FocusMarks) {
    testApp();
    TZovCardsButton b;
    b.resize(120, 30);
    TButtonDrawState focused;
    focused.focused = true;
    // Not the default button: no mark.
    EXPECT_EQ(b.snapshot(focused), b.snapshot({}));
    b.setButtonStyle(true);
    const QImage mark = b.snapshot(focused);
    // Rounded outline (7, 4)-(113, 26): its straight top edge in $C8C8FF.
    EXPECT_EQ(at(mark, 60, 4), QColor(255, 200, 200));
    EXPECT_EQ(at(mark, 60, 25), QColor(255, 200, 200));
    EXPECT_EQ(at(mark, 7, 15), QColor(255, 200, 200));
    b.setColorSB(DCards);
    EXPECT_EQ(at(b.snapshot(focused), 60, 4), QColor(0xC8, 0xAF, 0x32)); // $32AFC8
    b.setKontur(false);
    EXPECT_EQ(b.snapshot(focused), b.snapshot({}));
    b.setKontur(true);
    // New buttons: two dots of size 4, yellow for the red scheme, 10 pixels in from the ends.
    b.setColorSB(DRed);
    b.setNata(true);
    const QImage dots = b.snapshot(focused);
    EXPECT_EQ(at(dots, 12, 14), QColor(255, 255, 0));
    EXPECT_EQ(at(dots, 120 - 12, 14), QColor(255, 255, 0));
}

TEST(ZovCardsButton, SchemeRecolouring) {
    struct TCase {
        TColorSB scheme;
        int klight;
        bool nata;
        QRgb in, out;
    };
    const TCase cases[] = {
        {DRed, 0, false, qRgb(200, 100, 50), qRgb(200, 100, 50)},
        {DGreen, 0, false, qRgb(200, 100, 50), qRgb(100, 200, 50)},
        {DBlue, 0, false, qRgb(200, 100, 50), qRgb(50, 200, 200)},
        {DNavy, 0, false, qRgb(200, 100, 50), qRgb(50, 100, 200)},
        {DYellow, 0, false, qRgb(200, 100, 50), qRgb(200, 200, 50)},
        {DViolet, 0, false, qRgb(200, 100, 50), qRgb(200, 100, 200)},
        // B' = round(35) = 35; G' = 35 + round(165 * 0.4) = 101
        {DOrang, 0, false, qRgb(200, 100, 50), qRgb(200, 101, 35)},
        {DOrang, 0, false, qRgb(50, 100, 200), qRgb(50, 100, 200)},
        {DCards, 0, false, qRgb(200, 100, 50), qRgb(140, 0, 200)},
        {DRed, 100, false, qRgb(200, 100, 50), qRgb(255, 255, 255)},
        // New buttons: red-like pixels only.
        {DCards, 0, true, qRgb(230, 30, 30), qRgb(138, 21, 230)},
        {DCards, 0, true, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {DGreen, 50, true, qRgb(250, 10, 10), qRgb(132, 252, 132)},
        {DGreen, 50, true, qRgb(40, 40, 40), qRgb(40, 40, 40)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(recolourButtonPixel(c.in, c.scheme, c.klight, c.nata), c.out)
            << int(c.scheme) << " " << c.klight << " " << c.nata;
}

TEST(ZovCardsButton, GlyphPlacement) {
    testApp();
    TZovCardsButton b;
    b.resize(120, 30);
    QImage glyph(10, 10, QImage::Format_ARGB32);
    glyph.fill(QColor(0, 0, 255));
    b.setGlyph(glyph);
    const QImage left = b.snapshot({});
    // Top = round((30 - 10 - 1) / 2) = 10 (9.5 halves to even); left at 15.
    EXPECT_EQ(at(left, 15, 10), QColor(0, 0, 255));
    EXPECT_NE(at(left, 14, 10), QColor(0, 0, 255));
    EXPECT_NE(at(left, 15, 9), QColor(0, 0, 255));
    b.setGlyphLayout(TGlyphLayout::Right);
    const QImage right = b.snapshot({});
    EXPECT_EQ(at(right, 120 - 10 - 15, 10), QColor(0, 0, 255));
    EXPECT_NE(at(right, 15, 10), QColor(0, 0, 255));
    b.setGlyphLayout(TGlyphLayout::Top);
    const QImage none = b.snapshot({});
    for (int x = 0; x < 120; ++x) ASSERT_NE(at(none, x, 12), QColor(0, 0, 255));
}

TEST(ZovCardsButton, OnDrawButtonRunsAfterDrawing) {
    testApp();
    TZovCardsButton b;
    int calls = 0;
    b.OnDrawButton = [&](TZovCardsButton&, QPainter& p, const QRect& r, const TButtonDrawState&) {
        ++calls;
        p.fillRect(QRect(r.center(), QSize(2, 2)), Qt::green);
    };
    const QImage img = b.snapshot({});
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(at(img, 50, 15), QColor(Qt::green));
}
