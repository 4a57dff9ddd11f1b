#include "table/sprite.h"

#include <QPainter>

namespace vantor {

TSprite::TSprite(const QImage& card, int left, int top)
    : FLeft(left), FTop(top), FWidth(card.width()), FHeight(card.height()), ImBMP2(card) {}

QRect TSprite::draw(QImage& work) const {
    QPainter(&work).drawImage(FLeft, FTop, ImBMP2);
    return QRect(FLeft - 2, FTop - 2, FWidth + 4, FHeight + 4);
}

QRect TSprite::erase(QImage& work, const QImage& background) const {
    const QRect place(FLeft, FTop, FWidth, FHeight);
    QPainter p(&work);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(place, background, place);
    return place.adjusted(-2, -2, 2, 2);
}

QRect TSprite::moveTo(QImage& work, const QImage& background, int x, int y) {
    const QRect before = erase(work, background);
    FLeft = x;
    FTop = y;
    return before.united(draw(work));
}

} // namespace vantor
