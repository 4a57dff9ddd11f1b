#pragma once
// Drawing routines behind the built-in pictures. Private to the assets library.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace vantor::art {

// Colours written $BBGGRR.
inline QColor bgr(unsigned v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QImage blank(int w, int h, bool alpha);
QColor mix(const QColor& a, const QColor& b, double t);
QPainterPath suitPath(int suit, const QRectF& box); // 0 hearts, 1 diamonds, 2 clubs, 3 spades
inline bool redSuit(int suit) {
    return suit <= 1;
}
QColor suitColour(int suit);
void glossyRoundRect(QPainter& p, const QRectF& r, double radius, const QColor& base,
                     const QColor& border);
void glossyDisc(QPainter& p, const QRectF& r, const QColor& base);
void outlinedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, double outlineWidth,
                  Qt::Alignment align = Qt::AlignCenter);
QFont serifFont(double pixelSize, bool bold = true);
QFont sansFont(double pixelSize, bool bold = true);
unsigned hashOf(const QString& s);

// Cards (art_cards.cpp). rank 2..14 (11 jack, 12 queen, 13 king, 14 ace), 15 red joker,
// 16 black joker.
QImage cardFace(int suit, int rank, int w, int h, bool large);
QImage cardBack(int back, int w, int h, bool large);
QImage cardMark(const QString& colour, int w, int h, bool large); // "" = empty place

// Button parts (art_buttons.cpp): rows 29, 44 or 59; part 'L', 'R' or '2'.
QImage buttonPart(bool nata, int rows, char part);

// Table pieces (art_table.cpp).
QImage felt(int w, int h, int seed);
QImage plainRecordingBackground(int w, int h);
QImage bubble(const QColor& base, int w, int h);
QImage frame(const QString& kind, int w, int h);
QImage pointer(bool up, int w, int h);
QImage moveClock(bool red, int w, int h);
QImage clockPanel(int w, int h);
QImage clockDigit(const QColor& colour, int digit, int w, int h); // 10 = colon, 11.. = signs
QImage clockSign(const QColor& colour, int page, int w, int h);

// Menu, windows, icons (art_menu.cpp).
QImage titlePicture(int w, int h);
QImage captionText(const QString& text, int w, int h, bool large);
QImage logo(int w, int h);
QImage flag(const QString& country, int w, int h); // "Eng", "Rus", ..., or any text
QImage medal(int place, int w, int h);             // 1 gold, 2 silver, 3 bronze, 0 plain
QImage placeNumber(int place, int w, int h);
QImage cursorPicture(const QString& which, int frame);
QImage ribbon(int w, int h, bool lenta);
QImage avatar(bool male, int w, int h);
QImage avatarFrame(int w, int h);
QImage faceIcon(bool male, int w, int h);
QImage badge(const QString& text, const QColor& base, int w, int h);
QImage coin(bool tails, int w, int h);
QImage icon(const QString& which, int w, int h);
QImage lamp(const QColor& colour, int w, int h);
QImage scroll(int w, int h);
QImage playerButton(const QString& which, int w, int h);
QImage shelf(int w, int h);
QImage radio(int w, int h);
QImage menuPicture(int which, int frame, int frames, int w, int h);
QImage animation(const QString& which, int frame, int frames, int w, int h);
QImage flame(int frame, int w, int h);
QImage openingPicture(int which, int w, int h);

} // namespace vantor::art
