// Drawing of the main window: the table elements, the cards, the bubbles, the pointers, the
// panels, the card flight, the main menu and the opening screen.
#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"
#include "base/cp1251.h"
#include "base/rounding.h"
#include "engine/round.h"
#include "i18n/lists.h"
#include "i18n/words.h"
#include "records/player.h"
#include "settings/settings.h"
#include "table/fonts.h"
#include "table/form1.h"
#include "table/picture_control.h"
#include "table/qtext.h"
#include "table/sprite.h"
#include "table/zov_cards_button.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QThread>

namespace vantor {
namespace {
QRect qrect(const TRect& r) {
    return {r.left, r.top, r.width, r.height};
}

void shadowText(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& c) {
    p.setPen(QColor(c.red() / 2, c.green() / 2, c.blue() / 2));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(c);
    p.drawText(r, flags, text);
}
} // namespace

// ---------------------------------------------------------------- pictures

void TForm1::DrawCard(QImage& image, int x, int y, const TCardCode& code) {
    QPainter p(&image);
    if (Card.mode == 1) {
        if (!code.isEmpty()) {
            p.setPen(Qt::black);
            p.drawLine(x + 2, y, x + 68, y);
            p.drawLine(x + 2, y + 95, x + 68, y + 95);
            p.drawLine(x, y + 2, x, y + 93);
            p.drawLine(x + 70, y + 2, x + 70, y + 93);
        }
        if (isCardCode(code)) Pictures.drawFace(p, x, y, code);
        return;
    }
    if (isCardCode(code)) Pictures.drawFace(p, x, y, code);
}

void TForm1::DrawCardBack(QImage& image, int x, int y) {
    QPainter p(&image);
    if (Card.mode == 1) {
        p.setPen(Qt::black);
        p.drawLine(x + 2, y, x + 68, y);
        p.drawLine(x + 2, y + 95, x + 68, y + 95);
        p.drawLine(x, y + 2, x, y + 93);
        p.drawLine(x + 70, y + 2, x + 70, y + 93);
    }
    Pictures.drawBack(p, x, y);
}

// ---------------------------------------------------------------- the table

void TForm1::LayoutTable() {
    hideMenu();
    applyButtonDesign(false);
    for (int s = 1; s <= kSeats; ++s) {
        ImageCards[s]->setGeometryAndBuffer(qrect(handRect(Scale, s, Card.height)));
        ImageSay[s]->setGeometryAndBuffer(qrect(bubbleRect(Scale, s)));
        ImageHand[s]->setGeometryAndBuffer(qrect(pointerRect(Scale, s)));
        clearLift(R, s);
        fSaid[s] = {};
    }
    ImageStol->setGeometryAndBuffer(qrect(tableRect(Scale)));
    ImageKon->setGeometryAndBuffer(qrect(roundPanelRect(Scale)));
    Button7->setGeometry(qrect(button7Rect(Scale)));
    Button8->setGeometry(qrect(button8Rect(Scale)));
    const QFont decor = slotFontPx(
        "decor",
        static_cast<int>(roundHalfEven(20 * Scale.k * (Settings.WindowSize == 1 ? 1.0 : 0.9))));
    Button7->setFont(decor);
    QFont bold = decor;
    bold.setBold(true);
    Button8->setFont(bold);
    // The back of this deal.
    Pictures.ChooseDealBack();
    for (int s = 1; s <= kSeats; ++s) {
        ImageCards[s]->show();
        ImageSay[s]->show();
        ImageHand[s]->show();
        ImageCards[s]->raise();
    }
    ImageStol->show();
    ImageKon->show();
    Button7->show();
    Button8->show();
}

void TForm1::DrawHand(int seat, bool open) {
    if (!isSeat(seat)) return;
    TPictureControl* image = ImageCards[seat];
    const int n = R.hand[seat].count;
    HandLeft[seat] = LayoutHandX(image->width(), n, Card.width);
    drawBackgroundUnder(image->buffer(), image->geometry());
    const int baseTop = handBaseTop(Scale, seat);
    const bool faceUp = open || seat == kLocalSeat ? open : false;
    for (int i = 1; i <= n && i <= kSlots; ++i) {
        const int y = baseTop + R.lift[seat][i] * Scale.ScaleK(15) / kLiftUnits;
        if (faceUp) {
            DrawCard(image->buffer(), HandLeft[seat][i], y, R.hand[seat].code[i]);
            if (R.hint[seat][i] == 'b') {
                QPainter p(&image->buffer());
                p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
                p.fillRect(QRect(HandLeft[seat][i], y, Card.width, Card.height),
                           QColor(0, 0, 0, 110));
            }
        } else {
            DrawCardBack(image->buffer(), HandLeft[seat][i], y);
        }
    }
    image->showBuffer(true);
}

void TForm1::DrawTable() {
    TPictureControl* image = ImageStol;
    if (fResultShown) return;
    drawBackgroundUnder(image->buffer(), image->geometry());
    // The beaten group lies under the current one, a little lower and to the right.
    const int dx = Scale.ScaleK(12), dy = Scale.ScaleK(40);
    for (int k = 1; k <= 4; ++k)
        if (!R.previous.code[k].isEmpty())
            DrawCard(image->buffer(), tablePlaceX(Scale, k) + dx, dy, R.previous.code[k]);
    for (int k = 1; k <= 4; ++k)
        if (!R.current.code[k].isEmpty())
            DrawCard(image->buffer(), tablePlaceX(Scale, k), 0, R.current.code[k]);
    image->showBuffer(true);
}

void TForm1::Say(int seat, const QString& text, char colour) {
    if (!isSeat(seat)) return;
    fSaid[seat] = {text, colour};
    TPictureControl* image = ImageSay[seat];
    drawBackgroundUnder(image->buffer(), image->geometry());
    if (text.isEmpty()) {
        image->showBuffer(true);
        return;
    }
    QString name;
    switch (colour) {
    case 'b':
        name = "SPBlue";
        break;
    case 'g':
        name = "SPGreen";
        break;
    case 'r':
        name = "SPRed";
        break;
    case 'o':
        name = "SPFiolet";
        break;
    default:
        name = "SPYellow";
        break;
    }
    if (Settings.WindowSize != 1) name += "B";
    QPainter p(&image->buffer());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage bubble = builtinPicture(name);
    if (Settings.WindowSize == 1) {
        p.drawImage(0, 0, bubble);
    } else {
        p.drawImage(image->rect(), bubble);
    }
    const QString trimmed = text.trimmed();
    QFont font;
    for (int h : {18, 16, 14}) {
        font = slotFontPx("serif", Scale.ScaleK(h), true);
        if (QFontMetrics(font).horizontalAdvance(trimmed) <= Scale.ScaleK(150)) break;
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(image->rect(), Qt::AlignCenter, trimmed);
    p.end();
    image->showBuffer(true);
}

void TForm1::PointTurn(int turn) {
    if (turn >= 11 && turn <= 14) turn -= 10;
    if (!isSeat(turn)) return;
    for (int s = 1; s <= kSeats; ++s) {
        drawBackgroundUnder(ImageHand[s]->buffer(), ImageHand[s]->geometry());
        ImageHand[s]->showBuffer(false);
    }
    TPictureControl* image = ImageHand[turn];
    QPainter p(&image->buffer());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Settings.WindowSize == 1) {
        const QList<QImage> list = builtinImageList("ILPointers");
        if (list.size() >= 2) p.drawImage(0, 0, list[turn == kLocalSeat ? 0 : 1]);
    } else {
        p.drawImage(image->rect(), builtinPicture(turn == kLocalSeat ? "Hand_Down" : "Hand_Up"));
    }
    p.end();
    image->showBuffer(true);
}

void TForm1::DrawRoundPanel() {
    TPictureControl* image = ImageKon;
    drawBackgroundUnder(image->buffer(), image->geometry());
    QPainter p(&image->buffer());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Settings.WindowSize == 1) {
        p.drawImage(0, 0, builtinPicture("RamkaCBSm"));
    } else {
        p.drawImage(image->rect(), builtinPicture("RamkaCBBg"));
    }
    p.setFont(slotFontPx("decor", Scale.ScaleK(26)));
    p.setPen(Qt::blue);
    p.drawText(QRect(0, Scale.ScaleK(15), image->width(), image->height() - Scale.ScaleK(15)),
               Qt::AlignHCenter | Qt::AlignTop,
               qw(words::RoundLabel) + " " + QString::number(R.RoundNumber));
    p.end();
    image->showBuffer(true);
    const int inCycle = R.GameNumber % 20 == 0 ? 20 : R.GameNumber % 20;
    image->setToolTip("<b>" + qw(words::CurrentGame) + "</b><br>" + qw(words::GeneralNumberOfGame) +
                      " " + QString::number(R.GameNumber) + "<br>" +
                      qw(words::NumberOfRoundInCycle) + " " + QString::number(inCycle) + " / 20");
}

void TForm1::DrawResultPanel() {
    // The result of the game in the centre of the window, on the table image made a panel.
    TPictureControl* image = ImageStol;
    const int w = Scale.ScaleK(298), h = Scale.ScaleK(194);
    image->setGeometryAndBuffer(
        QRect(width() / 2 - Scale.ScaleK(150), height() / 2 - Scale.ScaleK(98), w, h));
    drawBackgroundUnder(image->buffer(), image->geometry());
    QPainter p(&image->buffer());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(
        QRect(w / 2 - Scale.ScaleK(149), Scale.ScaleK(1), Scale.ScaleK(298), Scale.ScaleK(193)),
        builtinPicture("GFrameSuper"));
    p.setFont(slotFontPx("decor", Scale.ScaleK(28)));
    const QString verdict = R.GameResult >= 1  ? qw(words::YouHaveWon)
                            : R.GameResult < 0 ? qw(words::YouHaveLost)
                                               : qw(words::DeadHeat);
    const QRect band(Scale.ScaleK(40), 0, w - 2 * Scale.ScaleK(40), h);
    const QFontMetrics fm(p.font());
    shadowText(p, QRect(band.left(), Scale.ScaleK(67), band.width(), fm.height()), Qt::AlignHCenter,
               verdict, Qt::red);
    shadowText(p, QRect(band.left(), Scale.ScaleK(107), band.width(), fm.height()),
               Qt::AlignHCenter, qw(words::ResultLabel) + QString::number(R.GameResult), Qt::red);
    p.end();
    image->showBuffer(true);
    image->raise();
}

// ---------------------------------------------------------------- the flight

void TForm1::FlyCard(int x0, int y0, int x1, int y1, const TCardCode& code, bool faceUp,
                     bool restoreAtEnd) {
    if (instantMode()) return;
    const auto path = flightPath({x0, y0}, {x1, y1});
    if (path.empty()) return;
    // A frozen picture of the window, and the card drawn over it one step at a time on a layer
    // that covers the window.
    const QImage frozen = grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage card(Card.width + (Card.mode == 1 ? 2 : 0), Card.height,
                QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    if (faceUp) {
        DrawCard(card, 0, 0, code);
    } else {
        DrawCardBack(card, 0, 0);
    }
    TPictureControl layer(this);
    layer.setGeometryAndBuffer(rect());
    layer.buffer() = frozen;
    layer.show();
    layer.raise();
    Flying = true;
    TSprite sprite(card, x0, y0);
    layer.repaint(sprite.draw(layer.buffer()));
    int step = 0;
    for (const TPoint& pt : path) {
        ++step;
        const QRect dirty = sprite.moveTo(layer.buffer(), frozen, pt.x, pt.y);
        // At the fastest speed the first step is not drawn.
        if (!(Settings.Speed == 6 && step == 1)) layer.repaint(dirty);
        if (const int wait = flightWait(Settings.Speed, step))
            QThread::msleep(static_cast<unsigned long>(wait));
    }
    if (restoreAtEnd) layer.repaint(sprite.erase(layer.buffer(), frozen));
    Flying = false;
}

// ---------------------------------------------------------------- the menu

void TForm1::applyButtonDesign(bool menu) {
    const bool cards = (menu ? Settings.MenuDesign : Settings.TableDesign) == 1;
    auto style = [&](TZovCardsButton* b, TColorSB scheme, QColor font) {
        b->setColorSB(cards ? DCards : scheme);
        b->setFontColor(cards ? QColor(0xC8, 0xAF, 0x32) : font);
        b->setColorMouse(QColor(255, 255, 0));
    };
    if (!menu) {
        style(Button7, DRed, Qt::white);
        style(Button8, DRed, Qt::white);
        return;
    }
    for (int i = 1; i <= 5; ++i) style(MemberButtons[i], DNavy, QColor(0, 255, 255));
    style(Button6, DNavy, QColor(0, 255, 255));
    for (auto* b : {Button9, Button10, Button11, BMode, BHistory}) style(b, DRed, Qt::white);
    style(Panel4, DBlue, Settings.NewButtons ? Qt::blue : QColor(0xC8, 0xFF, 0xFF));
    if (cards) Panel4->setFontColor(QColor(0x80, 0x32, 0x32));
    Panel4->setKLightSB(cards ? 50 : 0);
}

void TForm1::ShowMainMenu() {
    hideTable();
    Timer1->setInterval(20);
    applyButtonDesign(true);
    const double kx = Scale.kx, ky = Scale.ky;
    auto r = [](double v) { return static_cast<int>(roundHalfEven(v)); };
    const int h = r(30 * Scale.k);
    ImTitle->setGeometryAndBuffer(
        QRect(r(230 * kx), r(90 * ky) - Scale.ScaleK(5), r(300 * kx), 3 * h));
    ImCaption->setGeometryAndBuffer(
        QRect(Scale.ScaleX(180, 400), Scale.ScaleY(12, 70), Scale.ScaleK(400), Scale.ScaleK(70)));
    ImElite->setGeometryAndBuffer(
        QRect(Scale.ScaleX(205, 350), Scale.ScaleY(183, 40), Scale.ScaleK(350), Scale.ScaleK(40)));
    Panel4->setGeometry(r(180 * kx), r(265 * ky) - h - Scale.ScaleK(10), r(400 * kx), h);
    for (int i = 1; i <= 5; ++i)
        MemberButtons[i]->setGeometry(r(180 * kx), r(265 * ky) + (i - 1) * h, r(400 * kx), h);
    Button6->setGeometry(r(280 * kx), r(265 * ky) + 5 * h + Scale.ScaleK(10), r(200 * kx), h);
    Button9->setGeometry(r(40 * kx), r(225 * ky), r(100 * kx), h);
    BHistory->setGeometry(r(40 * kx), r(255 * ky), r(100 * kx), h);
    Button10->setGeometry(r(620 * kx), r(225 * ky), r(100 * kx), h);
    BMode->setGeometry(r(620 * kx), r(255 * ky), r(100 * kx), h);
    Button11->setGeometry(r(330 * kx), r(465 * ky), r(100 * kx), h);
    const int gifTop = r(290 * ky) + r((ky - 1) * 100);
    RxGIFAn[0]->setGeometryAndBuffer(QRect(r(7 * kx) + r((kx - 1) * 80), gifTop, 160, 200));
    RxGIFAn[1]->setGeometryAndBuffer(QRect(r(592 * kx) + r((kx - 1) * 80), gifTop, 160, 200));
    const int svTop = r(30 * ky) + r((ky - 1) * 100);
    ImageSv[0]->setGeometryAndBuffer(QRect(r(60 * kx) + r((kx - 1) * 50), svTop, 100, 200));
    ImageSv[1]->setGeometryAndBuffer(QRect(r(600 * kx) + r((kx - 1) * 50), svTop, 100, 200));

    const QFont decor =
        slotFontPx("decor", r(20 * Scale.k * (Settings.WindowSize == 1 ? 1.0 : 0.9)));
    for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory}) b->setFont(decor);
    const QFont fixed = Settings.WindowSize == 1 ? slotFontPx("fixed", 11)
                                                 : slotFontPx("conew", r(Scale.k * 16), true);
    for (int i = 1; i <= 5; ++i) MemberButtons[i]->setFont(fixed);
    Panel4->setFont(fixed);

    // Title and captions over the background under them.
    {
        drawBackgroundUnder(ImTitle->buffer(), ImTitle->geometry());
        QImage title = builtinPicture("GTitle");
        ResizePng(title, ImTitle->width(), ImTitle->height());
        QPainter(&ImTitle->buffer()).drawImage(0, 0, title);
    }
    const QString code = qs(languageCode(currentLanguage()));
    auto caption = [&](TPictureControl* c, const QString& name) {
        drawBackgroundUnder(c->buffer(), c->geometry());
        QImage pic = builtinPicture(name + code);
        if (Settings.CaptionStyle != 1) RecolourPng(pic, Settings.CaptionStyle);
        QPainter p(&c->buffer());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(c->rect(), pic);
    };
    caption(ImCaption, "Cap");
    caption(ImElite, Settings.LanGame ? "Net__" : "Elite");
    fGifFrame = 0;
    fillClubList();
    for (QWidget* w : std::initializer_list<QWidget*>{
             ImTitle, ImCaption, ImElite, Panel4, Button6, Button9, Button10, Button11, BMode,
             BHistory, RxGIFAn[0], RxGIFAn[1], ImageSv[0], ImageSv[1]})
        w->show();
    for (int i = 1; i <= 5; ++i) MemberButtons[i]->show();
    const bool clock = Settings.WindowSize == 4 || Settings.WindowSize == 5 ||
                       (Settings.WindowSize == 2 && width() > 1290 && height() > 850);
    if (clock) {
        const QRect sv = ImageSv[0]->geometry();
        const int top = sv.bottom() + (Button9->y() - sv.bottom()) / 2 - 36;
        ImClock1->setGeometryAndBuffer(QRect(sv.left() - 7, top, 115, 64));
        ImClock1->show();
    } else {
        ImClock1->hide();
    }
    AnimateMenu();
    update();
    MenuShown = true;
}

void TForm1::fillClubList() {
    const ClubView view = Settings.ClubListMode == 2 ? ClubView::Rating : ClubView::Score;
    QFont measure = slotFontPx("fixed", 11);
    const QFontMetrics fm(measure);
    const TTextWidth width = [&fm](std::string_view text) {
        return fm.horizontalAdvance(qs(cp1251ToUtf8(text)));
    };
    const TClubRead read = readClubFile(ClubOfMode().path);
    if (read.structureOk) {
        const TMenuRows rows = readMenuRows(ClubOfMode(), view, width);
        for (int i = 1; i <= 5; ++i) MemberButtons[i]->setText(qs(cp1251ToUtf8(rows.members[i])));
    }
    Panel4->setText(qs(
        Word(Settings.ClubListMode == 2 ? words::ClubListHeading[2] : words::ClubListHeading[1])));
}

void TForm1::AnimateMenu() {
    if (!MenuShown && OpeningScreen) return;
    // Candles: a drawn candlestick with three flames from the flame list.
    static constexpr int phases[6][6] = {{0, 1, 2, 2, 0, 3}, {1, 2, 3, 1, 5, 0},
                                         {2, 3, 4, 0, 1, 4}, {3, 4, 5, 5, 4, 1},
                                         {4, 5, 0, 4, 2, 5}, {5, 0, 1, 3, 3, 2}};
    const QList<QImage> flames = builtinImageList("ILFlames");
    static constexpr int spots[3][2] = {{16, 15}, {41, 1}, {66, 15}};
    for (int side = 0; side < 2; ++side) {
        TPictureControl* sv = ImageSv[side];
        drawBackgroundUnder(sv->buffer(), sv->geometry());
        QPainter p(&sv->buffer());
        p.setRenderHint(QPainter::Antialiasing);
        const QColor brass(196, 160, 60), dark(120, 90, 30);
        p.setPen(QPen(dark, 1));
        p.setBrush(brass);
        p.drawRoundedRect(QRect(44, 60, 12, 110), 4, 4); // stem
        p.drawRoundedRect(QRect(14, 50, 72, 10), 4, 4);  // arms
        p.drawEllipse(QRect(25, 165, 50, 18));           // foot
        p.setBrush(QColor(245, 240, 225));
        for (const auto& s : spots) p.drawRect(QRect(s[0] + 5, s[1] + 27, 10, 60 - (s[1] + 27)));
        for (int k = 0; k < 3 && !flames.isEmpty(); ++k) {
            QImage flame = flames[phases[fFlamePhase][side * 3 + k] % flames.size()];
            flame = flame.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < flame.height(); ++y)
                for (int x = 0; x < flame.width(); ++x)
                    if ((flame.pixel(x, y) & 0xFFFFFF) == 0x008000) flame.setPixel(x, y, 0);
            p.drawImage(spots[k][0], spots[k][1], flame);
        }
        p.end();
        sv->showBuffer(false);
    }
    fFlamePhase = (fFlamePhase + 1) % 6;
    // The menu animations.
    if ((fTicks % 5) == 0 || fGifFrame == 0) {
        for (int side = 0; side < 2; ++side) {
            TPictureControl* gif = RxGIFAn[side];
            const QList<QImage> frames = builtinAnimation(side == 0 ? "GifMenu1" : "GifMenu2");
            drawBackgroundUnder(gif->buffer(), gif->geometry());
            if (!frames.isEmpty()) {
                const int frame = Settings.GifAnimationOn ? fGifFrame % frames.size()
                                                          : (side == 0 ? 6 : 0) % frames.size();
                QPainter(&gif->buffer()).drawImage(0, 0, frames[frame]);
            }
            gif->showBuffer(false);
        }
        ++fGifFrame;
    }
    // The clock: the colon blinks in the second half of every second.
    if (ImClock1->isVisible()) {
        const QTime now = QTime::currentTime();
        drawBackgroundUnder(ImClock1->buffer(), ImClock1->geometry());
        QPainter p(&ImClock1->buffer());
        p.drawImage(0, 0, builtinPicture("GClockBG"));
        const QString hh = now.toString("hh"), nn = now.toString("mm");
        if (hh[0] != '0') p.drawImage(14, 15, builtinPicture("GBClock" + QString(hh[0])));
        p.drawImage(34, 15, builtinPicture("GBClock" + QString(hh[1])));
        p.drawImage(61, 15, builtinPicture("GBClock" + QString(nn[0])));
        p.drawImage(81, 15, builtinPicture("GBClock" + QString(nn[1])));
        if (now.msec() > 500) p.drawImage(55, 24, builtinPicture("GBClockP"));
        p.end();
        ImClock1->showBuffer(false);
    }
}

void TForm1::DrawOpeningScreen() {
    if (fOpening.size() != size()) fOpening = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    fOpening.fill(Qt::black);
    QPainter p(&fOpening);
    auto frame = [&](const QRect& r) {
        p.setPen(QColor(224, 224, 224));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(96, 96, 96));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.fillRect(r.adjusted(1, 1, -1, -1), QColor(128, 128, 128));
    };
    frame(QRect(QPoint(130, 50), QPoint(630, 450)));
    frame(QRect(QPoint(230, 150), QPoint(530, 350)));
    p.setFont(slotFontPx("decor", 16, true));
    p.setPen(Qt::blue);
    p.drawText(QRect(230, 228, 300, 24), Qt::AlignHCenter, qw(words::PleaseWait));
    p.setPen(Qt::white);
    p.drawText(QRect(230, 253, 300, 24), Qt::AlignHCenter, qw(words::CurrentGame));
    p.setFont(slotFontPx("decor", 14));
    p.drawText(QRect(230, 303, 300, 24), Qt::AlignHCenter, "V 5.7f");
    const QImage logo = builtinPicture("Logo");
    p.drawImage(250, 270, logo);
    p.drawImage(445, 270, logo);
    // The game's name letter by letter, each in its own colour; the palette turns every ten ticks.
    static const QColor palette[10] = {QColor(128, 0, 0),
                                       Qt::blue,
                                       Qt::yellow,
                                       QColor(0, 128, 0),
                                       Qt::red,
                                       QColor(0, 0, 128),
                                       QColor(0xFF, 0x80, 0x40),
                                       Qt::cyan,
                                       QColor(128, 0, 128),
                                       Qt::green};
    // Up to ten letters: a longer title shows its first word, never a word cut short.
    QString name = qw(words::GameTitle);
    if (name.size() > 10) name = name.section(QRegularExpression("[- ]"), 0, 0).left(10);
    QFont title("Arial");
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    const QFontMetrics fm(title);
    int x = 368 - 13 * (static_cast<int>(name.size()) - 1);
    x = std::max(140, std::min(x, 380 - fm.horizontalAdvance(name) / 2));
    const int shift = fTicks / 10;
    for (int i = 0; i < name.size(); ++i) {
        p.setPen(palette[(i + shift) % 10]);
        p.drawText(x, 175 + 44 - 10, QString(name[i]));
        x += fm.horizontalAdvance(name[i]);
    }
    // Four pictures go round the rectangle (155, 68) - (550, 362), one pixel a tick.
    const QList<QImage> pics = builtinImageList("ILOpening");
    const int w = 550 - 155, h = 362 - 68, perimeter = 2 * (w + h);
    for (int k = 0; k < 4 && k < pics.size(); ++k) {
        int d = (fTicks + k * perimeter / 4) % perimeter;
        QPoint pt;
        if (d < w)
            pt = {155 + d, 68};
        else if ((d -= w) < h)
            pt = {550, 68 + d};
        else if ((d -= h) < w)
            pt = {550 - d, 362};
        else
            pt = {155, 362 - (d - w)};
        p.drawImage(pt, pics[k]);
    }
    p.end();
    update();
}

} // namespace vantor
