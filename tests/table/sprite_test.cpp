#include "table/layout.h"
#include "table/sprite.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Sprite, EachStepErasesTheOldPlaceAndTheDirtyRectangleCoversBoth) {
    QImage background(60, 40, QImage::Format_ARGB32_Premultiplied);
    background.fill(Qt::white);
    QImage card(10, 12, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::red);
    QImage work = background;
    TSprite sprite(card, 5, 5);
    sprite.draw(work);
    EXPECT_EQ(work.pixelColor(5, 5), QColor(Qt::red));
    QRect covered;
    for (const TPoint& p : flightPath({5, 5}, {30, 10})) {
        const QRect before(sprite.FLeft, sprite.FTop, sprite.FWidth, sprite.FHeight);
        const QRect dirty = sprite.moveTo(work, background, p.x, p.y);
        EXPECT_TRUE(dirty.contains(before));
        EXPECT_TRUE(dirty.contains(QRect(p.x, p.y, 10, 12)));
        covered = covered.united(dirty);
    }
    EXPECT_EQ(sprite.FLeft, 30);
    EXPECT_EQ(sprite.FTop, 10);
    EXPECT_EQ(work.pixelColor(5, 5), QColor(Qt::white)) << "the start is clean again";
    EXPECT_EQ(work.pixelColor(30, 10), QColor(Qt::red));
    EXPECT_EQ(work.pixelColor(29, 10), QColor(Qt::white)) << "no trail left behind";
    sprite.erase(work, background);
    EXPECT_EQ(work, background);
}

} // namespace
} // namespace vantor
