#pragma once
// TSprite: one flying card. It moves over a frozen picture of the window: each step erases the
// card's previous place from the frozen picture, draws the card at its new place, and names the
// rectangle to copy to the screen (the card's rectangle grown by two pixels on every side, which
// also covers what the previous place uncovered, as a card moves at most a pixel per axis).

#include <QImage>
#include <QRect>

namespace vantor {

class TSprite {
public:
    // `card` is the card picture at the card size, transparent around its rounded corners.
    TSprite(const QImage& card, int left, int top);

    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;

    // Draws the card at its place on `work` (the first step of a flight).
    QRect draw(QImage& work) const;
    // Moves the card to (x, y) on `work`, erasing its previous place from `background`.
    QRect moveTo(QImage& work, const QImage& background, int x, int y);
    // Erases the card from `work` where it stands.
    QRect erase(QImage& work, const QImage& background) const;

private:
    QImage ImBMP2;
};

} // namespace vantor
