#include "assets/art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace vantor::art {

namespace {

const QColor kGold(220, 175, 55);
const QColor kGoldDark(130, 90, 20);

void crown(QPainter& p, const QRectF& r, const QColor& gold) {
    QPainterPath c;
    const double l = r.left(), t = r.top(), w = r.width(), h = r.height();
    c.moveTo(l + w * 0.08, t + h);
    c.lineTo(l, t + h * 0.25);
    c.lineTo(l + w * 0.27, t + h * 0.6);
    c.lineTo(l + w * 0.5, t);
    c.lineTo(l + w * 0.73, t + h * 0.6);
    c.lineTo(l + w, t + h * 0.25);
    c.lineTo(l + w * 0.92, t + h);
    c.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, gold.lighter(140));
    g.setColorAt(1, gold.darker(130));
    p.setPen(QPen(gold.darker(200), std::max(0.8, w / 40)));
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(Qt::NoPen);
    const double jr = std::max(1.0, w / 16);
    p.setBrush(QColor(210, 20, 40));
    p.drawEllipse(QPointF(l + w * 0.5, t + h * 0.72), jr, jr);
    p.setBrush(QColor(40, 90, 210));
    p.drawEllipse(QPointF(l + w * 0.25, t + h * 0.8), jr * 0.8, jr * 0.8);
    p.drawEllipse(QPointF(l + w * 0.75, t + h * 0.8), jr * 0.8, jr * 0.8);
    p.setBrush(QColor(255, 250, 220));
    for (double fx : {0.0, 0.5, 1.0})
        p.drawEllipse(QPointF(l + w * fx, t + (fx == 0.5 ? 0 : h * 0.25)), jr, jr);
}

// A fan of real faces, as a player holds a hand.
void cardFan(QPainter& p, const QPointF& pivot, double cardW, double spread,
             const std::vector<std::pair<int, int>>& cards, double tilt = 0) {
    const int n = static_cast<int>(cards.size());
    const int cw = static_cast<int>(cardW), ch = static_cast<int>(cardW * 198 / 146);
    for (int i = 0; i < n; ++i) {
        const QImage face = cardFace(cards[i].first, cards[i].second, cw, ch, true);
        p.save();
        p.translate(pivot);
        p.rotate(tilt + (n == 1 ? 0 : -spread / 2 + spread * i / (n - 1)));
        p.drawImage(QPointF(-cw / 2.0, -ch * 0.95), face);
        p.restore();
    }
}

} // namespace

QImage titlePicture(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double k = h / 180.0;
    cardFan(p, QPointF(w * 0.2, h * 0.98), 62 * k, 50, {{0, 14}, {1, 13}, {2, 12}, {3, 11}}, -8);
    cardFan(p, QPointF(w * 0.8, h * 0.98), 62 * k, 50, {{3, 14}, {2, 13}, {1, 12}, {0, 11}}, 8);
    // Ribbon across the middle with the crown over it.
    QRectF band(w * 0.28, h * 0.5, w * 0.44, h * 0.3);
    glossyRoundRect(p, band, h * 0.06, QColor(170, 16, 28), kGoldDark);
    p.setPen(QPen(kGold, 2 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(band.adjusted(4 * k, 4 * k, -4 * k, -4 * k), h * 0.04, h * 0.04);
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(250, 250, 250) : kGold);
        p.drawPath(suitPath(i, QRectF(band.left() + band.width() * (0.14 + i * 0.2),
                                      band.top() + band.height() * 0.25, band.height() * 0.45,
                                      band.height() * 0.5)));
    }
    crown(p, QRectF(w * 0.4, h * 0.06, w * 0.2, h * 0.4), kGold);
    return img;
}

QImage captionText(const QString& text, int w, int h, bool large) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    double px = h * (large ? 0.78 : 0.72);
    QFont f = serifFont(px, true);
    // Shrink until the caption fits its picture with room for the outline.
    for (int i = 0; i < 40; ++i) {
        QPainterPath path;
        path.addText(0, 0, f, text);
        if (path.boundingRect().width() <= w * 0.94 && path.boundingRect().height() <= h * 0.9)
            break;
        px *= 0.94;
        f.setPixelSize(std::max(4, int(px)));
    }
    const double ow = std::max(1.0, h / 26.0);
    p.translate(ow, ow * 1.2);
    outlinedText(p, QRectF(0, 0, w, h), text, f, QColor(0, 0, 0, 110), QColor(0, 0, 0, 110), ow);
    p.translate(-ow, -ow * 1.2);
    outlinedText(p, QRectF(0, 0, w, h), text, f, QColor(212, 18, 24), QColor(255, 214, 90), ow);
    return img;
}

QImage logo(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyDisc(p, QRectF(1, 1, w - 2, h - 2), QColor(150, 14, 24));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, std::max(1.0, w / 20.0)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(w * 0.08, h * 0.08, w * 0.84, h * 0.84));
    crown(p, QRectF(w * 0.3, h * 0.16, w * 0.4, h * 0.22), kGold);
    outlinedText(p, QRectF(0, h * 0.3, w, h * 0.6), QStringLiteral("V"), serifFont(h * 0.5), kGold,
                 kGoldDark, 1);
    return img;
}

QImage flag(const QString& c, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, w > 20);
    auto hstripes = [&](std::initializer_list<QColor> cs, std::initializer_list<double> parts) {
        double total = 0;
        for (double x : parts) total += x;
        double y = 0;
        auto pit = parts.begin();
        for (const QColor& col : cs) {
            const double hh = h * *pit++ / total;
            p.fillRect(QRectF(0, y, w, hh + 1), col);
            y += hh;
        }
    };
    auto vstripes = [&](std::initializer_list<QColor> cs) {
        const double ww = double(w) / cs.size();
        int i = 0;
        for (const QColor& col : cs) p.fillRect(QRectF(ww * i++, 0, ww + 1, h), col);
    };
    auto star = [&](QPointF ctr, double r, double rot) {
        QPainterPath s;
        for (int i = 0; i < 10; ++i) {
            const double a = rot - M_PI / 2 + i * M_PI / 5;
            const QPointF pt = ctr + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? r * 0.4 : r);
            i ? s.lineTo(pt) : s.moveTo(pt);
        }
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 222, 0));
        p.drawPath(s);
    };
    const QColor red(206, 17, 38), blue(0, 57, 166), white(255, 255, 255);
    if (c == QLatin1String("Rus"))
        hstripes({white, blue, red}, {1, 1, 1});
    else if (c == QLatin1String("Deu"))
        hstripes({QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, {1, 1, 1});
    else if (c == QLatin1String("Fra"))
        vstripes({QColor(0, 35, 149), white, QColor(237, 41, 57)});
    else if (c == QLatin1String("Ita"))
        vstripes({QColor(0, 146, 70), white, QColor(206, 43, 55)});
    else if (c == QLatin1String("Spa"))
        hstripes({QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, {1, 2, 1});
    else if (c == QLatin1String("Chi")) {
        img.fill(QColor(222, 41, 16));
        star(QPointF(w * 0.17, h * 0.27), h * 0.16, 0);
        for (int i = 0; i < 4; ++i)
            star(QPointF(w * (0.3 + (i == 1 || i == 2 ? 0.05 : 0)), h * (0.12 + i * 0.1)), h * 0.05,
                 0.5);
    } else if (c == QLatin1String("Cze")) {
        hstripes({white, QColor(215, 20, 26)}, {1, 1});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(17, 69, 126));
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(w * 0.5, h / 2.0), QPointF(0, h)}));
    } else if (c == QLatin1String("Jap")) {
        img.fill(white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(188, 0, 45));
        p.drawEllipse(QPointF(w / 2.0, h / 2.0), h * 0.3, h * 0.3);
    } else if (c == QLatin1String("Kor")) {
        img.fill(white);
        p.setPen(Qt::NoPen);
        const QPointF ctr(w / 2.0, h / 2.0);
        const double r = h * 0.25;
        p.setBrush(QColor(0, 52, 120));
        p.drawEllipse(ctr, r, r);
        p.setBrush(QColor(205, 46, 58));
        p.drawChord(QRectF(ctr.x() - r, ctr.y() - r, 2 * r, 2 * r), 20 * 16, 180 * 16);
        p.setBrush(QColor(0, 0, 0));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(ctr);
            p.rotate(45 + i * 90 + (i % 2 ? 0 : 0));
            p.drawRect(QRectF(-h * 0.12, -h * 0.46, h * 0.24, h * 0.1));
            p.restore();
        }
    } else if (c == QLatin1String("Eng")) {
        img.fill(QColor(1, 33, 105));
        p.setPen(QPen(white, h * 0.2));
        p.drawLine(0, 0, w, h);
        p.drawLine(0, h, w, 0);
        p.setPen(QPen(QColor(200, 16, 46), h * 0.07));
        p.drawLine(0, 0, w, h);
        p.drawLine(0, h, w, 0);
        p.fillRect(QRectF(0, h * 0.36, w, h * 0.28), white);
        p.fillRect(QRectF(w * 0.42, 0, w * 0.16, h), white);
        p.fillRect(QRectF(0, h * 0.41, w, h * 0.18), QColor(200, 16, 46));
        p.fillRect(QRectF(w * 0.45, 0, w * 0.1, h), QColor(200, 16, 46));
    } else if (c == QLatin1String("Unknown")) {
        img.fill(QColor(200, 200, 200));
        outlinedText(p, QRectF(0, 0, w, h), QStringLiteral("?"), sansFont(h * 0.8),
                     QColor(90, 90, 90), QColor(90, 90, 90), 0);
    } else {
        // Any other country: a tricolour of its own, always the same for the same country.
        static const QColor palette[] = {
            QColor(206, 17, 38), QColor(0, 57, 166), QColor(255, 255, 255), QColor(0, 146, 70),
            QColor(255, 206, 0), QColor(0, 0, 0),    QColor(0, 150, 200),   QColor(120, 20, 60)};
        const unsigned hsh = hashOf(c);
        const QColor a = palette[hsh % 8], b = palette[(hsh / 8 + 1 + hsh % 8) % 8],
                     d = palette[(hsh / 64 + 3 + hsh % 8) % 8];
        if (hsh & 0x10000)
            vstripes({a, b, d});
        else
            hstripes({a, b, d}, {1, 1, 1});
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, w - 1, h - 1);
    return img;
}

QImage medal(int place, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor metal = place == 2 ? QColor(200, 204, 214)
                                    : (place == 3 ? QColor(200, 122, 60) : QColor(236, 186, 40));
    // Ribbon, then the disc.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 170));
    p.drawPolygon(QPolygonF({QPointF(w * 0.22, 0), QPointF(w * 0.48, 0), QPointF(w * 0.6, h * 0.45),
                             QPointF(w * 0.38, h * 0.45)}));
    p.setBrush(QColor(200, 20, 40));
    p.drawPolygon(QPolygonF({QPointF(w * 0.52, 0), QPointF(w * 0.78, 0),
                             QPointF(w * 0.62, h * 0.45), QPointF(w * 0.4, h * 0.45)}));
    const double d = std::min(w, h) * 0.66;
    const QRectF disc(w / 2.0 - d / 2, h - d - 1, d, d);
    glossyDisc(p, disc, metal);
    if (place >= 1 && place <= 3)
        outlinedText(p, disc, QString::number(place), serifFont(d * 0.6), metal.darker(170),
                     metal.lighter(130), 0.5);
    else {
        p.setPen(QPen(metal.darker(150), std::max(1.0, d / 20)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc.adjusted(d * 0.14, d * 0.14, -d * 0.14, -d * 0.14));
    }
    return img;
}

QImage placeNumber(int place, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    const double d = std::min(w, h) * 0.66;
    const QRectF disc(w / 2.0 - d / 2, h - d - 1, d, d);
    outlinedText(p, disc, QString::number(place), serifFont(d * (place >= 10 ? 0.5 : 0.62)),
                 QColor(140, 20, 20), QColor(255, 250, 220), std::max(1.0, d / 24));
    return img;
}

QImage cursorPicture(const QString& which, int frame) {
    QImage img = blank(32, 32, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(0, 0, 0), 1.2);
    if (which == QLatin1String("CURARROW")) {
        QPainterPath a;
        a.moveTo(1.5, 1.5);
        a.lineTo(1.5, 22);
        a.lineTo(6.5, 17.5);
        a.lineTo(10.5, 26);
        a.lineTo(14, 24.5);
        a.lineTo(10.2, 16.3);
        a.lineTo(16.5, 16.3);
        a.closeSubpath();
        QLinearGradient g(0, 0, 16, 24);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(255, 226, 140));
        p.setPen(outline);
        p.setBrush(g);
        p.drawPath(a);
    } else if (which == QLatin1String("CURHAND")) {
        const double bob = (frame % 4 == 1 || frame % 4 == 2) ? 1.0 : 0.0;
        p.translate(0, bob);
        QPainterPath hand;
        hand.addRoundedRect(QRectF(9, 1, 5, 15), 2.5, 2.5); // index finger
        hand.addRoundedRect(QRectF(14, 8, 4.5, 9), 2.2, 2.2);
        hand.addRoundedRect(QRectF(18.5, 9, 4.5, 8), 2.2, 2.2);
        hand.addRoundedRect(QRectF(23, 10.5, 4, 7), 2, 2);
        hand.addRoundedRect(QRectF(9, 13, 18, 13), 4, 4); // palm
        QPainterPath thumb;
        thumb.moveTo(9.5, 21);
        thumb.lineTo(4, 14.5);
        thumb.quadTo(2.5, 12.5, 4.5, 11.5);
        thumb.quadTo(6, 11, 10, 15);
        hand = hand.united(thumb);
        p.setPen(outline);
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(hand.simplified());
        p.setPen(QPen(QColor(180, 130, 40), 1));
        p.drawLine(QPointF(10, 24), QPointF(26, 24));
    } else if (which == QLatin1String("CURWAIT")) {
        // Eight beads around a ring; the lit one moves each frame.
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4 - M_PI / 2;
            const int age = (frame - i + 8) % 8;
            QColor c = age == 0 ? QColor(230, 30, 30) : QColor(240, 190, 40);
            c.setAlpha(255 - age * 26);
            p.setPen(QPen(QColor(0, 0, 0, c.alpha()), 0.8));
            p.setBrush(c);
            p.drawEllipse(QPointF(16 + 10 * std::cos(a), 16 + 10 * std::sin(a)), 3.2, 3.2);
        }
    } else { // CUREDIT: an I-beam that pulses
        const QColor c = frame % 2 ? QColor(60, 60, 60) : QColor(0, 0, 0);
        p.setPen(QPen(QColor(255, 255, 255), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 5), QPointF(16, 27));
        p.drawLine(QPointF(12, 4), QPointF(20, 4));
        p.drawLine(QPointF(12, 28), QPointF(20, 28));
        p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 5), QPointF(16, 27));
        p.drawLine(QPointF(12, 4), QPointF(20, 4));
        p.drawLine(QPointF(12, 28), QPointF(20, 28));
    }
    return img;
}

QImage ribbon(int w, int h, bool lenta) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(176, 18, 30);
    const double t = h * 0.16, b = h * 0.84, tail = std::min(w * 0.1, h * 0.6);
    QPainterPath band;
    if (lenta) {
        // A banner with forked tails folded behind.
        band.moveTo(0, t + h * 0.12);
        band.lineTo(tail, t + h * 0.12);
        band.lineTo(tail, b);
        band.lineTo(0, b);
        band.lineTo(tail * 0.45, (t + h * 0.12 + b) / 2);
        band.closeSubpath();
        band.moveTo(w, t + h * 0.12);
        band.lineTo(w - tail, t + h * 0.12);
        band.lineTo(w - tail, b);
        band.lineTo(w, b);
        band.lineTo(w - tail * 0.45, (t + h * 0.12 + b) / 2);
        band.closeSubpath();
        p.setPen(QPen(kGoldDark, 1));
        p.setBrush(red.darker(150));
        p.drawPath(band);
    }
    const QRectF main(lenta ? tail * 0.7 : 1, t, lenta ? w - tail * 1.4 : w - 2, b - t);
    glossyRoundRect(p, main, h * 0.08, red, kGoldDark);
    p.setPen(QPen(kGold, std::max(1.5, h / 30.0)));
    p.drawLine(QPointF(main.left() + 4, main.top() + 4), QPointF(main.right() - 4, main.top() + 4));
    p.drawLine(QPointF(main.left() + 4, main.bottom() - 4),
               QPointF(main.right() - 4, main.bottom() - 4));
    return img;
}

QImage avatar(bool male, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, male ? QColor(200, 215, 235) : QColor(240, 210, 225));
    g.setColorAt(1, male ? QColor(120, 140, 180) : QColor(200, 140, 170));
    p.fillRect(img.rect(), g);
    const QColor fig = male ? QColor(60, 75, 110) : QColor(130, 60, 95);
    p.setPen(Qt::NoPen);
    p.setBrush(fig);
    if (!male) p.drawRoundedRect(QRectF(w * 0.26, h * 0.18, w * 0.48, h * 0.5), w * 0.2, w * 0.2);
    p.drawEllipse(QRectF(w * 0.32, h * 0.16, w * 0.36, h * 0.34));
    QPainterPath body;
    body.moveTo(w * 0.08, h);
    body.cubicTo(w * 0.1, h * 0.62, w * 0.3, h * 0.56, w * 0.5, h * 0.56);
    body.cubicTo(w * 0.7, h * 0.56, w * 0.9, h * 0.62, w * 0.92, h);
    body.closeSubpath();
    p.drawPath(body);
    outlinedText(p, QRectF(0, h * 0.05, w, h * 0.12), QStringLiteral("?"), sansFont(h * 0.1),
                 QColor(255, 255, 255, 160), QColor(0, 0, 0, 0), 0);
    return img;
}

QImage avatarFrame(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outer, window;
    outer.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10, 10);
    window.addRect(QRectF(20, 20, w - 40, h - 40));
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, kGold.lighter(130));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldDark.darker(130), 1));
    p.setBrush(g);
    p.drawPath(outer.subtracted(window));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 240, 190), 1.5));
    p.drawRoundedRect(QRectF(6, 6, w - 12, h - 12), 6, 6);
    p.setPen(QPen(kGoldDark, 2));
    p.drawRect(QRectF(19, 19, w - 38, h - 38));
    return img;
}

QImage faceIcon(bool male, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyDisc(p, QRectF(0.5, 0.5, w - 1, h - 1),
               male ? QColor(40, 100, 210) : QColor(220, 70, 140));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(w * 0.5, h * 0.38), w * 0.17, h * 0.17);
    p.drawChord(QRectF(w * 0.22, h * 0.58, w * 0.56, h * 0.5), 0, 180 * 16);
    return img;
}

QImage badge(const QString& text, const QColor& base, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyRoundRect(p, QRectF(0.5, 0.5, w - 1, h - 1), h * 0.35, base, base.darker(200));
    outlinedText(p, QRectF(0, 0, w, h), text, sansFont(h * 0.62), Qt::white, base.darker(220), 0.8);
    return img;
}

QImage coin(bool tails, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyDisc(p, QRectF(2, 2, w - 4, h - 4), QColor(228, 178, 36));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGoldDark, w / 40.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(w * 0.1, h * 0.1, w * 0.8, h * 0.8));
    for (int i = 0; i < 36; ++i) {
        const double a = i * M_PI / 18;
        p.drawPoint(QPointF(w / 2.0 + std::cos(a) * w * 0.44, h / 2.0 + std::sin(a) * h * 0.44));
    }
    if (tails)
        crown(p, QRectF(w * 0.28, h * 0.3, w * 0.44, h * 0.36), QColor(250, 210, 80));
    else
        outlinedText(p, QRectF(0, 0, w, h), QStringLiteral("Z"), serifFont(h * 0.55),
                     QColor(250, 215, 90), kGoldDark, w / 50.0);
    return img;
}

QImage lamp(const QColor& colour, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyDisc(p, QRectF(1, 1, w - 2, h - 2), colour);
    return img;
}

QImage icon(const QString& which, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, w - 2, h - 2);
    auto person = [&](const QColor& c) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(w * 0.5, h * 0.36), w * 0.15, h * 0.15);
        p.drawChord(QRectF(w * 0.22, h * 0.54, w * 0.56, h * 0.5), 0, 180 * 16);
    };
    if (which == QLatin1String("Account48")) {
        glossyDisc(p, r, QColor(40, 110, 200));
        person(Qt::white);
    } else if (which == QLatin1String("Windows")) {
        glossyRoundRect(p, r, w * 0.15, QColor(20, 120, 210), QColor(10, 60, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double s = w * 0.2, g = w * 0.04;
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(w * 0.5 - s - g / 2 + (i % 2) * (s + g),
                              h * 0.5 - s - g / 2 + (i / 2) * (s + g), s, s));
    } else if (which == QLatin1String("Android")) {
        glossyRoundRect(p, r, w * 0.15, QColor(60, 160, 60), QColor(20, 90, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 250, 170));
        p.drawChord(QRectF(w * 0.25, h * 0.22, w * 0.5, h * 0.44), 0, 180 * 16);
        p.drawRoundedRect(QRectF(w * 0.25, h * 0.47, w * 0.5, h * 0.34), 3, 3);
        p.setBrush(QColor(60, 160, 60));
        p.drawEllipse(QPointF(w * 0.4, h * 0.36), w * 0.035, w * 0.035);
        p.drawEllipse(QPointF(w * 0.6, h * 0.36), w * 0.035, w * 0.035);
    } else if (which == QLatin1String("Earth48")) {
        glossyDisc(p, r, QColor(30, 100, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 170, 70));
        p.drawEllipse(QRectF(w * 0.2, h * 0.2, w * 0.3, h * 0.25));
        p.drawEllipse(QRectF(w * 0.45, h * 0.45, w * 0.3, h * 0.3));
        p.drawEllipse(QRectF(w * 0.3, h * 0.6, w * 0.15, h * 0.15));
    } else if (which == QLatin1String("Stats")) {
        glossyRoundRect(p, r, w * 0.15, QColor(90, 60, 160), QColor(40, 20, 80));
        p.setPen(Qt::NoPen);
        const QColor bars[3] = {QColor(250, 200, 40), QColor(80, 220, 120), QColor(240, 90, 90)};
        for (int i = 0; i < 3; ++i) {
            const double bh = h * (0.25 + i * 0.15);
            p.setBrush(bars[i]);
            p.drawRect(QRectF(w * (0.2 + i * 0.22), h * 0.8 - bh, w * 0.16, bh));
        }
    } else if (which.startsWith(QLatin1String("AdvGift"))) {
        const QColor box =
            which.endsWith(QLatin1Char('R')) ? QColor(200, 30, 40) : QColor(30, 150, 60);
        glossyRoundRect(p, QRectF(w * 0.12, h * 0.36, w * 0.76, h * 0.58), 3, box, box.darker(180));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 210, 60));
        p.drawRect(QRectF(w * 0.44, h * 0.36, w * 0.12, h * 0.58));
        p.drawRect(QRectF(w * 0.08, h * 0.3, w * 0.84, h * 0.12));
        p.drawEllipse(QRectF(w * 0.26, h * 0.08, w * 0.24, h * 0.24));
        p.drawEllipse(QRectF(w * 0.5, h * 0.08, w * 0.24, h * 0.24));
    } else if (which == QLatin1String("GooglePlay")) {
        glossyRoundRect(p, r, w * 0.15, QColor(250, 250, 250), QColor(150, 150, 150));
        QPainterPath tri;
        tri.moveTo(w * 0.3, h * 0.2);
        tri.lineTo(w * 0.8, h * 0.5);
        tri.lineTo(w * 0.3, h * 0.8);
        tri.closeSubpath();
        QLinearGradient g(0, h * 0.2, 0, h * 0.8);
        g.setColorAt(0, QColor(0, 200, 120));
        g.setColorAt(0.5, QColor(250, 200, 0));
        g.setColorAt(1, QColor(230, 40, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(tri);
    } else if (which.startsWith(QLatin1String("AdvBut"))) {
        glossyDisc(p, r,
                   which.endsWith(QLatin1Char('R')) ? QColor(200, 30, 30) : QColor(30, 160, 50));
        p.setPen(QPen(Qt::white, w * 0.09, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(w * 0.27, h * 0.27, w * 0.46, h * 0.46), 60 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(w * 0.58, h * 0.14), QPointF(w * 0.76, h * 0.3),
                                 QPointF(w * 0.52, h * 0.36)}));
    } else if (which.startsWith(QLatin1String("GChat"))) {
        p.setPen(QPen(QColor(20, 60, 130), std::max(1.0, w / 30.0)));
        p.setBrush(QColor(120, 180, 250));
        p.drawRoundedRect(QRectF(w * 0.05, h * 0.1, w * 0.6, h * 0.45), w * 0.12, w * 0.12);
        p.setBrush(QColor(250, 220, 100));
        p.drawRoundedRect(QRectF(w * 0.35, h * 0.4, w * 0.6, h * 0.42), w * 0.12, w * 0.12);
        p.drawPolygon(QPolygonF({QPointF(w * 0.75, h * 0.8), QPointF(w * 0.85, h * 0.96),
                                 QPointF(w * 0.62, h * 0.81)}));
    } else if (which == QLatin1String("GNews072")) {
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(QColor(250, 250, 244));
        p.drawRect(QRectF(w * 0.12, h * 0.15, w * 0.76, h * 0.7));
        p.fillRect(QRectF(w * 0.18, h * 0.2, w * 0.64, h * 0.12), QColor(200, 30, 30));
        p.setPen(QPen(QColor(120, 120, 120), std::max(1.0, h / 36.0)));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(w * 0.18, h * (0.42 + i * 0.07)),
                       QPointF(w * 0.82, h * (0.42 + i * 0.07)));
    } else {
        glossyDisc(p, r, QColor(120, 120, 120));
    }
    return img;
}

QImage scroll(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double roll = h * 0.07;
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(232, 214, 170));
    g.setColorAt(0.5, QColor(250, 240, 210));
    g.setColorAt(1, QColor(228, 208, 160));
    p.setPen(QPen(QColor(150, 110, 60), 1));
    p.setBrush(g);
    p.drawRect(QRectF(w * 0.06, roll / 2, w * 0.88, h - roll));
    for (double y : {0.0, h - roll}) {
        QLinearGradient rg(0, y, 0, y + roll);
        rg.setColorAt(0, QColor(200, 170, 110));
        rg.setColorAt(0.5, QColor(250, 235, 200));
        rg.setColorAt(1, QColor(170, 130, 70));
        p.setBrush(rg);
        p.drawRoundedRect(QRectF(1, y, w - 2, roll), roll / 2, roll / 2);
    }
    return img;
}

QImage playerButton(const QString& which, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    glossyDisc(p, QRectF(2, 2, w - 4, h - 4), QColor(30, 60, 140));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (which == QLatin1String("MP_Play")) {
        p.drawPolygon(QPolygonF(
            {QPointF(w * 0.4, h * 0.3), QPointF(w * 0.7, h * 0.5), QPointF(w * 0.4, h * 0.7)}));
    } else if (which == QLatin1String("MP_Pause")) {
        p.drawRect(QRectF(w * 0.36, h * 0.3, w * 0.1, h * 0.4));
        p.drawRect(QRectF(w * 0.54, h * 0.3, w * 0.1, h * 0.4));
    } else if (which == QLatin1String("MP_Next")) {
        p.drawPolygon(QPolygonF(
            {QPointF(w * 0.3, h * 0.32), QPointF(w * 0.52, h * 0.5), QPointF(w * 0.3, h * 0.68)}));
        p.drawPolygon(QPolygonF(
            {QPointF(w * 0.5, h * 0.32), QPointF(w * 0.72, h * 0.5), QPointF(w * 0.5, h * 0.68)}));
    } else { // volume: minus on the left half, plus on the right, room for the number between
        p.drawRect(QRectF(w * 0.12, h * 0.47, w * 0.16, h * 0.06));
        p.drawRect(QRectF(w * 0.72, h * 0.47, w * 0.16, h * 0.06));
        p.drawRect(QRectF(w * 0.77, h * 0.42, w * 0.06, h * 0.16));
    }
    return img;
}

QImage shelf(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(170, 110, 60));
    g.setColorAt(0.4, QColor(130, 80, 40));
    g.setColorAt(1, QColor(80, 45, 20));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 30, 10), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
    p.setPen(QPen(QColor(200, 150, 100, 120), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(4, h * i / 4.0), QPointF(w - 4, h * i / 4.0 + 1));
    return img;
}

QImage radio(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(150, 90, 40));
    g.setColorAt(1, QColor(90, 50, 20));
    p.setPen(QPen(QColor(50, 25, 10), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, h * 0.08, w - 2, h * 0.9), 10, 10);
    p.setBrush(QColor(230, 215, 170));
    p.drawRoundedRect(QRectF(w * 0.08, h * 0.2, w * 0.5, h * 0.6), 6, 6);
    p.setPen(QPen(QColor(120, 90, 50), 1));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(w * 0.12, h * (0.28 + i * 0.09)),
                   QPointF(w * 0.54, h * (0.28 + i * 0.09)));
    p.setPen(QPen(QColor(200, 20, 20), 1.5));
    p.drawLine(QPointF(w * 0.3, h * 0.22), QPointF(w * 0.3, h * 0.78));
    glossyDisc(p, QRectF(w * 0.68, h * 0.24, w * 0.2, w * 0.2), QColor(200, 170, 110));
    glossyDisc(p, QRectF(w * 0.68, h * 0.56, w * 0.2, w * 0.2), QColor(200, 170, 110));
    return img;
}

QImage menuPicture(int which, int frame, int frames, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double phase = frames > 1 ? double(frame) / frames : 0.0;
    if (which == 1) {
        // A hand being fanned out and closed again.
        const double spread = 20 + 50 * (0.5 - 0.5 * std::cos(phase * 2 * M_PI));
        cardFan(p, QPointF(w / 2.0, h * 0.92), w * 0.42, spread,
                {{0, 2}, {1, 2}, {2, 14}, {3, 14}, {0, 16}});
    } else {
        // The Vantor's pair: king and queen, a sparkle travelling around them.
        cardFan(p, QPointF(w / 2.0, h * 0.95), w * 0.48, 24, {{0, 13}, {0, 12}});
        const double a = phase * 2 * M_PI;
        const QPointF c(w / 2.0 + std::cos(a) * w * 0.38, h * 0.45 + std::sin(a) * h * 0.38);
        QRadialGradient g(c, w * 0.08);
        g.setColorAt(0, QColor(255, 255, 220, 240));
        g.setColorAt(1, QColor(255, 220, 80, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, w * 0.08, w * 0.08);
    }
    return img;
}

QImage animation(const QString& which, int frame, int frames, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double phase = frames > 1 ? double(frame) / frames : 0.0;
    const QPointF c(w / 2.0, h / 2.0);
    if (which == QLatin1String("GOpt")) { // a turning gear
        p.translate(c);
        p.rotate(phase * 90);
        QPainterPath gear;
        const double R = std::min(w, h) * 0.42, r = R * 0.78;
        for (int i = 0; i < 24; ++i) {
            const double a = i * M_PI / 12;
            const double rr = (i % 2) ? r : R;
            const QPointF pt(std::cos(a) * rr, std::sin(a) * rr);
            i ? gear.lineTo(pt) : gear.moveTo(pt);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), R * 0.3, R * 0.3);
        QLinearGradient g(-R, -R, R, R);
        g.setColorAt(0, QColor(230, 230, 240));
        g.setColorAt(1, QColor(120, 120, 140));
        p.setPen(QPen(QColor(60, 60, 70), 1));
        p.setBrush(g);
        p.drawPath(gear.subtracted(hole));
    } else if (which.startsWith(QLatin1String("GClub"))) { // club shield with a passing shine
        const QChar letter = which.at(5);
        const QColor base = letter == QLatin1Char('B')   ? QColor(40, 90, 190)
                            : letter == QLatin1Char('C') ? QColor(20, 120, 200)
                            : letter == QLatin1Char('D') ? QColor(50, 150, 60)
                            : letter == QLatin1Char('F') ? QColor(180, 20, 30)
                                                         : QColor(120, 40, 150);
        QPainterPath shield;
        shield.moveTo(w * 0.1, h * 0.12);
        shield.lineTo(w * 0.9, h * 0.12);
        shield.lineTo(w * 0.9, h * 0.5);
        shield.quadTo(w * 0.88, h * 0.82, w * 0.5, h * 0.97);
        shield.quadTo(w * 0.12, h * 0.82, w * 0.1, h * 0.5);
        shield.closeSubpath();
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, base.lighter(140));
        g.setColorAt(1, base.darker(140));
        p.setPen(QPen(kGold, 2.5));
        p.setBrush(g);
        p.drawPath(shield);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(suitPath(QString("FBCDG").indexOf(letter) % 4,
                            QRectF(w * 0.3, h * 0.3, w * 0.4, h * 0.4)));
        p.setClipPath(shield);
        const double x = -w * 0.3 + phase * w * 1.6;
        QLinearGradient sh(x, 0, x + w * 0.3, 0);
        sh.setColorAt(0, QColor(255, 255, 255, 0));
        sh.setColorAt(0.5, QColor(255, 255, 255, 130));
        sh.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(img.rect(), sh);
    } else if (which == QLatin1String("GEndBads")) { // rain over a grey cloud
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 150, 165));
        p.drawEllipse(QRectF(w * 0.15, h * 0.2, w * 0.4, h * 0.3));
        p.drawEllipse(QRectF(w * 0.38, h * 0.12, w * 0.45, h * 0.38));
        p.drawRoundedRect(QRectF(w * 0.12, h * 0.35, w * 0.76, h * 0.18), h * 0.09, h * 0.09);
        p.setPen(QPen(QColor(70, 120, 230), std::max(1.5, w / 50.0), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 6; ++i) {
            const double y = h * 0.55 + std::fmod(phase * h * 0.4 + i * h * 0.13, h * 0.4);
            const double x = w * (0.2 + i * 0.12);
            p.drawLine(QPointF(x, y), QPointF(x - w * 0.03, y + h * 0.07));
        }
    } else if (which.startsWith(QLatin1String("GEnd"))) { // trophy or medal with sparkles
        const bool best = which == QLatin1String("GEndBest");
        if (best) {
            QPainterPath cup;
            cup.moveTo(w * 0.28, h * 0.18);
            cup.lineTo(w * 0.72, h * 0.18);
            cup.quadTo(w * 0.72, h * 0.58, w * 0.5, h * 0.62);
            cup.quadTo(w * 0.28, h * 0.58, w * 0.28, h * 0.18);
            QLinearGradient g(w * 0.28, 0, w * 0.72, 0);
            g.setColorAt(0, QColor(250, 220, 100));
            g.setColorAt(0.5, QColor(255, 245, 190));
            g.setColorAt(1, QColor(190, 140, 20));
            p.setPen(QPen(kGoldDark, 1.5));
            p.setBrush(g);
            p.drawPath(cup);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(210, 165, 40), w * 0.04));
            p.drawArc(QRectF(w * 0.16, h * 0.22, w * 0.2, h * 0.2), 90 * 16, 180 * 16);
            p.drawArc(QRectF(w * 0.64, h * 0.22, w * 0.2, h * 0.2), 270 * 16, 180 * 16);
            p.setPen(QPen(kGoldDark, 1));
            p.setBrush(g);
            p.drawRect(QRectF(w * 0.46, h * 0.62, w * 0.08, h * 0.14));
            p.drawRoundedRect(QRectF(w * 0.32, h * 0.76, w * 0.36, h * 0.1), 3, 3);
        } else {
            p.drawImage(QRectF(w * 0.2, h * 0.1, w * 0.6, h * 0.8),
                        medal(1, int(w * 0.6), int(h * 0.8)));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            const double a = phase * 2 * M_PI + i * 2 * M_PI / 5;
            const double s = 0.5 + 0.5 * std::sin(phase * 6 * M_PI + i);
            p.setBrush(QColor(255, 250, 200, int(80 + 170 * s)));
            p.drawEllipse(c + QPointF(std::cos(a) * w * 0.4, std::sin(a) * h * 0.4),
                          w * 0.03 * (1 + s), w * 0.03 * (1 + s));
        }
    } else if (which == QLatin1String("GTopTen")) { // laurel around a pulsing 10
        p.setPen(Qt::NoPen);
        for (int side = -1; side <= 1; side += 2)
            for (int i = 0; i < 7; ++i) {
                const double a = M_PI / 2 + side * (0.5 + i * 0.33);
                p.save();
                p.translate(c + QPointF(std::cos(a) * w * 0.38, std::sin(a) * h * 0.38));
                p.rotate(a * 180 / M_PI + 90);
                p.setBrush(QColor(40, 140, 60));
                p.drawEllipse(QPointF(0, 0), w * 0.04, h * 0.08);
                p.restore();
            }
        const double s = 1.0 + 0.08 * std::sin(phase * 2 * M_PI);
        outlinedText(p, QRectF(0, 0, w, h), QStringLiteral("10"), serifFont(h * 0.42 * s), kGold,
                     kGoldDark, 1.5);
    } else if (which.startsWith(QLatin1String("GSirena"))) { // a beacon with a turning beam
        const QColor col =
            which.endsWith(QLatin1Char('B')) ? QColor(40, 110, 250) : QColor(240, 30, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 80));
        p.drawRoundedRect(QRectF(w * 0.15, h * 0.78, w * 0.7, h * 0.2), 2, 2);
        QRadialGradient g(QPointF(w / 2.0, h * 0.5), w * 0.4);
        const double pulse = 0.5 + 0.5 * std::cos(phase * 2 * M_PI);
        g.setColorAt(0, col.lighter(int(120 + 60 * pulse)));
        g.setColorAt(1, col.darker(130));
        p.setBrush(g);
        p.drawChord(QRectF(w * 0.18, h * 0.2, w * 0.64, h * 1.0), 0, 180 * 16);
        QColor beam = col;
        beam.setAlpha(int(60 + 140 * pulse));
        p.setBrush(beam);
        const double x = w * (0.2 + 0.6 * (0.5 + 0.5 * std::sin(phase * 2 * M_PI)));
        p.drawEllipse(QPointF(x, h * 0.5), w * 0.1, h * 0.12);
    } else { // StarR0 / StarY0 / StarG0: a turning star
        const QChar k = which.size() > 4 ? which.at(4) : QLatin1Char('Y');
        const QColor col = k == QLatin1Char('R')   ? QColor(230, 40, 40)
                           : k == QLatin1Char('G') ? QColor(40, 190, 70)
                                                   : QColor(250, 210, 40);
        p.translate(c);
        p.rotate(phase * 72);
        QPainterPath s;
        const double R = std::min(w, h) * 0.46;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(std::cos(a) * (i % 2 ? R * 0.42 : R),
                             std::sin(a) * (i % 2 ? R * 0.42 : R));
            i ? s.lineTo(pt) : s.moveTo(pt);
        }
        s.closeSubpath();
        QRadialGradient g(QPointF(-R * 0.2, -R * 0.2), R);
        g.setColorAt(0, col.lighter(160));
        g.setColorAt(1, col.darker(120));
        p.setPen(QPen(col.darker(200), 1));
        p.setBrush(g);
        p.drawPath(s);
    }
    return img;
}

QImage flame(int frame, int w, int h) {
    // The list's transparent colour is $008000, so the flame sits on that green.
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double sway = std::sin(frame * M_PI / 3) * w * 0.12;
    const double tall = 0.9 + 0.1 * std::cos(frame * M_PI / 1.5);
    auto tongue = [&](double scale, const QColor& c) {
        QPainterPath f;
        const double bx = w / 2.0, by = h * 0.96;
        f.moveTo(bx, by);
        f.cubicTo(bx - w * 0.45 * scale, by - h * 0.25 * scale, bx + sway - w * 0.2 * scale,
                  by - h * 0.7 * scale * tall, bx + sway, by - h * 0.92 * scale * tall);
        f.cubicTo(bx + sway + w * 0.2 * scale, by - h * 0.7 * scale * tall, bx + w * 0.45 * scale,
                  by - h * 0.25 * scale, bx, by);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(f);
    };
    tongue(1.0, QColor(230, 90, 10));
    tongue(0.72, QColor(255, 190, 30));
    tongue(0.4, QColor(255, 250, 200));
    return img;
}

QImage openingPicture(int which, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const int cw = int(w * 0.8), ch = int(cw * 198.0 / 146);
    p.drawImage(QPointF((w - cw) / 2.0, (h - ch) / 2.0),
                cardFace(which % 4, 14, cw, std::min(ch, h), true));
    return img;
}

} // namespace vantor::art
