#include "assets/art.h"

#include <QHash>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace vantor::art {

namespace {

constexpr double kW = 146.0; // every card is drawn in the coordinates of the large face
constexpr double kH = 198.0;
constexpr double kCorner = 8.0;

void paper(QPainter& p, bool large) {
    QLinearGradient g(0, 0, kW, kH);
    g.setColorAt(0, QColor(255, 255, 252));
    g.setColorAt(1, QColor(244, 241, 230));
    if (large) {
        p.setPen(QPen(QColor(110, 110, 110), 1.0));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), kCorner, kCorner);
    } else {
        p.fillRect(QRectF(0, 0, kW, kH), g);
    }
}

void pip(QPainter& p, int suit, const QPointF& c, double w, double h, bool flipped) {
    p.save();
    p.translate(c);
    if (flipped) p.rotate(180);
    const QRectF box(-w / 2, -h / 2, w, h);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    const QColor base = suitColour(suit);
    g.setColorAt(0, redSuit(suit) ? QColor(228, 40, 50) : QColor(70, 70, 80));
    g.setColorAt(1, base);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(suitPath(suit, box));
    p.restore();
}

QString rankText(int rank) {
    switch (rank) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    case 14:
        return QStringLiteral("A");
    default:
        return QString::number(rank);
    }
}

// Rank and suit in the top left corner; the painter is rotated for the opposite corner.
void cornerIndex(QPainter& p, int suit, int rank, bool large) {
    const double fontPx = large ? 25 : 33;
    const double cx = large ? 13.5 : 15.5;
    QFont f = serifFont(fontPx, true);
    const QString t = rankText(rank);
    QPainterPath path;
    path.addText(0, 0, f, t);
    QRectF br = path.boundingRect();
    const double maxW = large ? 22 : 28;
    const double sx = br.width() > maxW ? maxW / br.width() : 1.0;
    p.save();
    p.translate(cx, (large ? 5 : 4) + br.height());
    p.scale(sx, 1.0);
    p.translate(-br.center().x(), -br.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(path);
    p.restore();
    const double pw = large ? 16 : 21, ph = large ? 18 : 23;
    pip(p, suit, QPointF(cx, (large ? 12 : 10) + br.height() + ph / 2), pw, ph, false);
}

void bothCorners(QPainter& p, int suit, int rank, bool large) {
    cornerIndex(p, suit, rank, large);
    p.save();
    p.translate(kW, kH);
    p.rotate(180);
    cornerIndex(p, suit, rank, large);
    p.restore();
}

void numberPips(QPainter& p, int suit, int rank, bool large) {
    const double L = large ? 47 : 51, M = 73, R = large ? 99 : 95;
    const double top = large ? 36 : 42, bottom = large ? 162 : 156;
    double pw = large ? 30 : 28, ph = large ? 33 : 31;
    if (rank >= 9) {
        pw -= 3;
        ph -= 3;
    }
    struct Spot {
        double x, f;
    };
    std::vector<Spot> s;
    auto col2 = [&](std::initializer_list<double> fs) {
        for (double f : fs) {
            s.push_back({L, f});
            s.push_back({R, f});
        }
    };
    switch (rank) {
    case 2:
        s = {{M, 0}, {M, 1}};
        break;
    case 3:
        s = {{M, 0}, {M, 0.5}, {M, 1}};
        break;
    case 4:
        col2({0, 1});
        break;
    case 5:
        col2({0, 1});
        s.push_back({M, 0.5});
        break;
    case 6:
        col2({0, 0.5, 1});
        break;
    case 7:
        col2({0, 0.5, 1});
        s.push_back({M, 0.25});
        break;
    case 8:
        col2({0, 0.5, 1});
        s.push_back({M, 0.25});
        s.push_back({M, 0.75});
        break;
    case 9:
        col2({0, 1.0 / 3, 2.0 / 3, 1});
        s.push_back({M, 0.5});
        break;
    default:
        col2({0, 1.0 / 3, 2.0 / 3, 1});
        s.push_back({M, 1.0 / 6});
        s.push_back({M, 5.0 / 6});
        break;
    }
    for (const Spot& sp : s)
        pip(p, suit, QPointF(sp.x, top + (bottom - top) * sp.f), pw, ph, sp.f > 0.5);
}

void acePip(QPainter& p, int suit, bool large) {
    const QPointF c(kW / 2, kH / 2);
    if (suit == 3) {
        // The ace of spades carries the maker's flourish: a ring of laurel around the pip.
        p.save();
        p.setPen(QPen(QColor(20, 20, 24), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 50, 50);
        p.setPen(QPen(QColor(185, 145, 40), 1.2));
        p.drawEllipse(c, 46, 46);
        for (int i = 0; i < 24; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 15);
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? QColor(185, 145, 40) : QColor(30, 110, 50));
            p.drawEllipse(QPointF(0, -48), 2.6, 4.4);
            p.restore();
        }
        p.restore();
        pip(p, suit, c, 66, 72, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c + QPointF(0, 6), 5, 5);
        (void)large;
        return;
    }
    pip(p, suit, c, large ? 58 : 62, large ? 64 : 68, false);
}

struct TPalette {
    QColor primary, secondary, trim;
};

TPalette courtPalette(int suit, int rank) {
    const QColor red(188, 22, 34), blue(28, 62, 150), gold(226, 176, 44), black(36, 36, 52),
        green(30, 110, 60);
    switch (suit) {
    case 0:
        return {red, rank == 12 ? blue : gold, gold};
    case 1:
        return {gold, red, red};
    case 2:
        return {blue, rank == 11 ? green : gold, gold};
    default:
        return {black, red, gold};
    }
}

// One half of a court figure, in a box of width fw and height hh (the top half of the frame).
void courtHalf(QPainter& p, int suit, int rank, double fw, double hh) {
    const TPalette pal = courtPalette(suit, rank);
    auto P = [&](double u, double v) { return QPointF(u * fw, v * hh); };
    const QColor skin(246, 210, 172), skinShade(222, 172, 130);
    const QColor hair = rank == 13 ? QColor(150, 150, 150)
                                   : (suit % 2 ? QColor(120, 70, 30) : QColor(210, 160, 60));
    const double face = 0.5 + (suit % 2 ? 0.03 : -0.03); // figures look to alternate sides

    // Weapon or flower behind the shoulder.
    p.save();
    if (rank == 13) { // sword
        const double x = 0.82;
        p.setPen(QPen(QColor(90, 90, 100), 1));
        QLinearGradient bg(P(x - 0.03, 0), P(x + 0.03, 0));
        bg.setColorAt(0, QColor(235, 235, 240));
        bg.setColorAt(1, QColor(150, 150, 165));
        p.setBrush(bg);
        QPainterPath blade;
        blade.moveTo(P(x, 0.05));
        blade.lineTo(P(x + 0.03, 0.12));
        blade.lineTo(P(x + 0.03, 0.8));
        blade.lineTo(P(x - 0.03, 0.8));
        blade.lineTo(P(x - 0.03, 0.12));
        blade.closeSubpath();
        p.drawPath(blade);
        p.setBrush(pal.trim);
        p.drawRoundedRect(QRectF(P(x - 0.1, 0.78), P(x + 0.1, 0.84)), 1.5, 1.5);
    } else if (rank == 11) { // halberd
        const double x = 0.25;
        p.setPen(QPen(QColor(110, 70, 30), 2.2));
        p.drawLine(P(x, 0.08), P(x, 1.0));
        p.setPen(QPen(QColor(80, 80, 90), 1));
        p.setBrush(QColor(205, 205, 215));
        QPainterPath axe;
        axe.moveTo(P(x, 0.1));
        axe.quadTo(P(x - 0.13, 0.16), P(x - 0.1, 0.3));
        axe.lineTo(P(x, 0.26));
        axe.closeSubpath();
        axe.moveTo(P(x, 0.0));
        axe.lineTo(P(x + 0.025, 0.12));
        axe.lineTo(P(x - 0.025, 0.12));
        axe.closeSubpath();
        p.drawPath(axe);
    } else { // rose
        const QPointF c = P(0.8, 0.56);
        p.setPen(QPen(QColor(40, 120, 50), 1.6));
        p.drawLine(c, P(0.72, 0.95));
        p.setPen(QPen(QColor(120, 0, 20), 0.8));
        p.setBrush(QColor(214, 34, 60));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 72 * M_PI / 180;
            p.drawEllipse(c + QPointF(std::cos(a) * 4, std::sin(a) * 4), 4.2, 4.2);
        }
        p.setBrush(QColor(250, 120, 140));
        p.drawEllipse(c, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 130, 50));
        p.drawEllipse(P(0.75, 0.72), 3.5, 1.8);
    }
    p.restore();

    // Robe.
    QPainterPath robe;
    robe.moveTo(P(0.1, 1.0));
    robe.cubicTo(P(0.12, 0.78), P(0.18, 0.66), P(0.34, 0.62));
    robe.lineTo(P(0.66, 0.62));
    robe.cubicTo(P(0.82, 0.66), P(0.88, 0.78), P(0.9, 1.0));
    robe.closeSubpath();
    QLinearGradient rg(P(0, 0.62), P(1, 1));
    rg.setColorAt(0, pal.primary.lighter(125));
    rg.setColorAt(1, pal.primary.darker(115));
    p.setPen(QPen(QColor(30, 20, 20), 1));
    p.setBrush(rg);
    p.drawPath(robe);
    // Sleeves in the second colour with stripes.
    p.setBrush(pal.secondary);
    QPainterPath sleeveL, sleeveR;
    sleeveL.moveTo(P(0.1, 1.0));
    sleeveL.cubicTo(P(0.12, 0.8), P(0.16, 0.7), P(0.24, 0.66));
    sleeveL.lineTo(P(0.3, 1.0));
    sleeveL.closeSubpath();
    sleeveR.moveTo(P(0.9, 1.0));
    sleeveR.cubicTo(P(0.88, 0.8), P(0.84, 0.7), P(0.76, 0.66));
    sleeveR.lineTo(P(0.7, 1.0));
    sleeveR.closeSubpath();
    p.drawPath(sleeveL);
    p.drawPath(sleeveR);
    p.setPen(QPen(pal.trim.darker(120), 1.2));
    for (double v = 0.74; v < 1.0; v += 0.08) {
        p.drawLine(P(0.1 + (1 - v) * 0.2, v), P(0.28, v + 0.02));
        p.drawLine(P(0.9 - (1 - v) * 0.2, v), P(0.72, v + 0.02));
    }
    // Placket with buttons.
    p.setPen(QPen(QColor(30, 20, 20), 0.8));
    p.setBrush(pal.secondary.lighter(110));
    p.drawRect(QRectF(P(0.43, 0.64), P(0.57, 1.0)));
    p.setPen(Qt::NoPen);
    p.setBrush(pal.trim);
    for (double v = 0.7; v < 1.0; v += 0.085) p.drawEllipse(P(0.5, v), 1.8, 1.8);

    // Collar: ermine for the king, a lace ruff for the queen, a plain band for the jack.
    if (rank == 13) {
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.setBrush(QColor(250, 250, 246));
        QPainterPath c;
        c.moveTo(P(0.22, 0.68));
        c.quadTo(P(0.5, 0.56), P(0.78, 0.68));
        c.quadTo(P(0.5, 0.8), P(0.22, 0.68));
        p.drawPath(c);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        for (double u = 0.3; u < 0.72; u += 0.09) p.drawEllipse(P(u, 0.69), 1.1, 1.6);
    } else if (rank == 12) {
        p.setPen(QPen(QColor(150, 150, 150), 0.6));
        p.setBrush(QColor(255, 255, 255));
        for (double u = 0.3; u <= 0.701; u += 0.08) p.drawEllipse(P(u, 0.64), 0.05 * fw, 0.05 * hh);
        p.setBrush(pal.trim);
        p.setPen(Qt::NoPen);
        for (double u = 0.38; u <= 0.62; u += 0.06) p.drawEllipse(P(u, 0.71), 1.4, 1.4);
    } else {
        p.setPen(QPen(QColor(30, 20, 20), 0.8));
        p.setBrush(pal.trim);
        p.drawRoundedRect(QRectF(P(0.3, 0.6), P(0.7, 0.67)), 2, 2);
    }

    // Neck and head.
    p.setPen(QPen(skinShade.darker(130), 0.8));
    p.setBrush(skin);
    p.drawRect(QRectF(P(face - 0.06, 0.5), P(face + 0.06, 0.62)));
    const QRectF head(P(face - 0.15, 0.26), P(face + 0.15, 0.6));
    if (rank == 12) { // long hair behind the head
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(P(face - 0.2, 0.24), P(face + 0.2, 0.7)), 8, 8);
    }
    QRadialGradient sg(head.center() - QPointF(2, 3), head.width() * 0.7);
    sg.setColorAt(0, skin.lighter(106));
    sg.setColorAt(1, skinShade);
    p.setPen(QPen(skinShade.darker(140), 0.8));
    p.setBrush(sg);
    p.drawEllipse(head);
    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(P(face - 0.06, 0.41), 1.3, 1.5);
    p.drawEllipse(P(face + 0.06, 0.41), 1.3, 1.5);
    p.setPen(QPen(hair.darker(140), 1.0));
    p.drawLine(P(face - 0.095, 0.36), P(face - 0.03, 0.355));
    p.drawLine(P(face + 0.03, 0.355), P(face + 0.095, 0.36));
    p.setPen(QPen(skinShade.darker(150), 0.8));
    p.drawLine(P(face, 0.42), P(face - 0.015, 0.48));
    p.setBrush(QColor(240, 150, 140, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(P(face - 0.08, 0.48), 2.2, 1.6);
    p.drawEllipse(P(face + 0.08, 0.48), 2.2, 1.6);
    p.setPen(QPen(QColor(170, 40, 40), 1.1));
    p.drawLine(P(face - 0.03, 0.53), P(face + 0.03, 0.53));
    if (rank == 13) { // beard and moustache
        p.setPen(QPen(hair.darker(130), 0.8));
        p.setBrush(hair);
        QPainterPath beard;
        beard.moveTo(P(face - 0.15, 0.45));
        beard.quadTo(P(face - 0.12, 0.7), P(face, 0.72));
        beard.quadTo(P(face + 0.12, 0.7), P(face + 0.15, 0.45));
        beard.quadTo(P(face, 0.62), P(face - 0.15, 0.45));
        p.drawPath(beard);
        QPainterPath moustache;
        moustache.moveTo(P(face - 0.08, 0.52));
        moustache.quadTo(P(face, 0.47), P(face + 0.08, 0.52));
        moustache.quadTo(P(face, 0.5), P(face - 0.08, 0.52));
        p.drawPath(moustache);
    } else if (rank == 11) { // curls
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawEllipse(P(face - 0.15, 0.4), 3.5, 6);
        p.drawEllipse(P(face + 0.15, 0.4), 3.5, 6);
    }

    // Headwear.
    if (rank == 13 || rank == 12) {
        const double top = rank == 13 ? 0.06 : 0.14;
        const int points = rank == 13 ? 5 : 3;
        QPainterPath crown;
        const double l = face - 0.15, r = face + 0.15, base = 0.3;
        crown.moveTo(P(l, base));
        for (int i = 0; i < points; ++i) {
            const double u0 = l + (r - l) * i / points;
            const double u1 = l + (r - l) * (i + 0.5) / points;
            crown.lineTo(P(u0, base - 0.1));
            crown.lineTo(P(u1, top));
        }
        crown.lineTo(P(r, base - 0.1));
        crown.lineTo(P(r, base));
        crown.closeSubpath();
        QLinearGradient cg(P(0, top), P(0, base));
        cg.setColorAt(0, QColor(255, 230, 120));
        cg.setColorAt(1, QColor(200, 140, 20));
        p.setPen(QPen(QColor(120, 80, 10), 0.8));
        p.setBrush(cg);
        p.drawPath(crown);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < points; ++i) {
            const double u1 = l + (r - l) * (i + 0.5) / points;
            p.setBrush(i % 2 ? QColor(40, 90, 200) : QColor(210, 20, 40));
            p.drawEllipse(P(u1, base - 0.04), 1.6, 1.6);
            p.setBrush(QColor(255, 250, 220));
            p.drawEllipse(P(u1, top), 1.3, 1.3);
        }
    } else {
        // A beret with a feather.
        p.setPen(QPen(QColor(30, 20, 20), 0.8));
        p.setBrush(pal.secondary.darker(110));
        p.drawEllipse(QRectF(P(face - 0.2, 0.2), P(face + 0.2, 0.32)));
        p.setBrush(pal.primary);
        p.drawChord(QRectF(P(face - 0.14, 0.12), P(face + 0.14, 0.36)), 0, 180 * 16);
        QPainterPath feather;
        feather.moveTo(P(face + 0.1, 0.22));
        feather.cubicTo(P(face + 0.22, 0.04), P(face + 0.34, 0.02), P(face + 0.38, 0.08));
        feather.cubicTo(P(face + 0.3, 0.12), P(face + 0.2, 0.2), P(face + 0.1, 0.22));
        p.setBrush(QColor(250, 250, 250));
        p.drawPath(feather);
    }
}

void courtCard(QPainter& p, int suit, int rank, bool large) {
    const QRectF fr = large ? QRectF(27, 19, 92, 160) : QRectF(33, 12, 80, 174);
    const TPalette pal = courtPalette(suit, rank);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 242, 214));
    p.drawRect(fr);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(fr.center());
            p.rotate(180);
            p.translate(-fr.center());
        }
        p.setClipRect(QRectF(fr.left(), fr.top(), fr.width(), fr.height() / 2));
        p.translate(fr.topLeft());
        courtHalf(p, suit, rank, fr.width(), fr.height() / 2);
        p.restore();
        p.save();
        if (half == 1) {
            p.translate(fr.center());
            p.rotate(180);
            p.translate(-fr.center());
        }
        pip(p, suit, fr.topLeft() + QPointF(10, 11), 13, 15, false);
        p.restore();
    }
    p.setPen(QPen(pal.trim.darker(130), 1.0));
    p.drawLine(QPointF(fr.left(), fr.center().y()), QPointF(fr.right(), fr.center().y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitColour(suit), 1.4));
    p.drawRect(fr);
    p.setPen(QPen(pal.trim, 0.8));
    p.drawRect(fr.adjusted(2, 2, -2, -2));
}

void joker(QPainter& p, bool red, bool large) {
    const QColor main = red ? QColor(200, 20, 34) : QColor(30, 30, 40);
    const QColor second = red ? QColor(240, 190, 40) : QColor(170, 170, 185);
    // JOKER stacked down both corners.
    QFont f = serifFont(large ? 15 : 21, true);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner) {
            p.translate(kW, kH);
            p.rotate(180);
        }
        const QString word = QStringLiteral("JOKER");
        for (int i = 0; i < word.size(); ++i)
            outlinedText(p, QRectF(2, 6 + i * (large ? 16 : 21), large ? 20 : 26, 18),
                         word.mid(i, 1), f, main, Qt::white, 0);
        p.restore();
    }
    const QRectF fr = large ? QRectF(28, 20, 90, 158) : QRectF(34, 14, 78, 170);
    auto P = [&](double u, double v) {
        return QPointF(fr.left() + u * fr.width(), fr.top() + v * fr.height());
    };
    QRadialGradient bg(fr.center(), fr.height() * 0.6);
    bg.setColorAt(0, QColor(255, 250, 232));
    bg.setColorAt(1, QColor(240, 226, 190));
    p.setPen(QPen(main, 1.4));
    p.setBrush(bg);
    p.drawRoundedRect(fr, 6, 6);
    // Jester: three-pointed hat with bells, face, ruff, motley.
    p.setPen(QPen(QColor(30, 20, 20), 0.9));
    QPainterPath body;
    body.moveTo(P(0.14, 0.98));
    body.cubicTo(P(0.16, 0.7), P(0.3, 0.6), P(0.5, 0.6));
    body.cubicTo(P(0.7, 0.6), P(0.84, 0.7), P(0.86, 0.98));
    body.closeSubpath();
    p.setBrush(main);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(second);
    p.drawRect(QRectF(P(0.5, 0.6), P(0.9, 0.79)));
    p.drawRect(QRectF(P(0.1, 0.79), P(0.5, 1.0)));
    p.restore();
    // Ruff.
    p.setBrush(Qt::white);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(P(0.26 + i * 0.08, 0.6), 0.055 * fr.width(), 0.03 * fr.height());
    // Face.
    const QRectF head(P(0.36, 0.36), P(0.64, 0.58));
    p.setBrush(QColor(248, 214, 178));
    p.drawEllipse(head);
    p.setBrush(QColor(30, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(P(0.45, 0.45), 1.5, 1.8);
    p.drawEllipse(P(0.55, 0.45), 1.5, 1.8);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(P(0.5, 0.49), 2.2, 2.2);
    p.setPen(QPen(QColor(160, 30, 30), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(P(0.43, 0.47), P(0.57, 0.54)), 200 * 16, 140 * 16);
    // Hat.
    p.setPen(QPen(QColor(30, 20, 20), 0.9));
    const QPointF tips[3] = {P(0.12, 0.14), P(0.5, 0.06), P(0.88, 0.14)};
    const QColor hatColours[3] = {main, second, main};
    for (int i = 0; i < 3; ++i) {
        QPainterPath lobe;
        lobe.moveTo(P(0.36 + i * 0.09, 0.39));
        lobe.quadTo(P(0.3 + i * 0.2, 0.22), tips[i]);
        lobe.quadTo(P(0.42 + i * 0.08, 0.28), P(0.45 + i * 0.09, 0.39));
        lobe.closeSubpath();
        p.setBrush(hatColours[i]);
        p.drawPath(lobe);
        p.setBrush(QColor(250, 210, 60));
        p.drawEllipse(tips[i], 3.2, 3.2);
    }
    p.setBrush(second);
    p.drawRoundedRect(QRectF(P(0.34, 0.36), P(0.66, 0.4)), 2, 2);
    // A star for the bells' master.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2 ? 0.4 : 1.0) * 7;
        const QPointF pt = P(0.5, 0.82) + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setBrush(red ? QColor(255, 235, 120) : QColor(240, 240, 250));
    p.drawPath(star);
}

} // namespace

QImage cardFace(int suit, int rank, int w, int h, bool large) {
    QImage img = blank(w, h, large);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(w / kW, h / kH);
    paper(p, large);
    if (rank >= 15) {
        joker(p, rank == 15, large);
        return img;
    }
    bothCorners(p, suit, rank, large);
    if (rank <= 10)
        numberPips(p, suit, rank, large);
    else if (rank == 14)
        acePip(p, suit, large);
    else
        courtCard(p, suit, rank, large);
    return img;
}

QImage cardBack(int back, int w, int h, bool large) {
    struct TBackStyle {
        QColor base, line;
    };
    static const TBackStyle styles[7] = {
        {QColor(22, 44, 124), QColor(90, 120, 200)}, {QColor(150, 16, 30), QColor(220, 90, 90)},
        {QColor(18, 98, 52), QColor(90, 170, 110)},  {QColor(88, 30, 122), QColor(170, 110, 200)},
        {QColor(0, 96, 110), QColor(80, 180, 190)},  {QColor(112, 34, 20), QColor(190, 110, 70)},
        {QColor(26, 26, 32), QColor(200, 160, 60)},
    };
    const int i = std::clamp(back, 1, 7) - 1;
    const TBackStyle& st = styles[i];
    QImage img = blank(w, h, large);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing);
    p.scale(w / kW, h / kH);
    if (large) {
        p.setPen(QPen(QColor(110, 110, 110), 1.0));
        p.setBrush(QColor(252, 252, 248));
        p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), kCorner, kCorner);
    } else {
        p.fillRect(QRectF(0, 0, kW, kH), QColor(252, 252, 248));
    }
    const QRectF inner(7, 7, kW - 14, kH - 14);
    QPainterPath clip;
    clip.addRoundedRect(inner, 5, 5);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, st.base.lighter(120));
    g.setColorAt(1, st.base.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(clip);
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(st.line, 1.1));
    p.setBrush(Qt::NoBrush);
    switch (i) {
    case 0: // lattice
        for (double d = -kH; d < kW + kH; d += 9) {
            p.drawLine(QPointF(d, 0), QPointF(d + kH, kH));
            p.drawLine(QPointF(d, kH), QPointF(d + kH, 0));
        }
        break;
    case 1: // diamonds with dots
        for (double y = 0; y < kH + 12; y += 12)
            for (double x = (int(y / 12) % 2) * 7; x < kW + 14; x += 14) {
                QPolygonF d(
                    {QPointF(x, y - 6), QPointF(x + 6, y), QPointF(x, y + 6), QPointF(x - 6, y)});
                p.drawPolygon(d);
                p.save();
                p.setPen(Qt::NoPen);
                p.setBrush(st.line);
                p.drawEllipse(QPointF(x, y), 1.2, 1.2);
                p.restore();
            }
        break;
    case 2: // rings
        for (double y = 0; y < kH + 14; y += 12)
            for (double x = 0; x < kW + 14; x += 12) p.drawEllipse(QPointF(x, y), 8, 8);
        break;
    case 3: // rosettes
        for (double y = 6; y < kH; y += 16)
            for (double x = (int(y / 16) % 2) * 8 + 4; x < kW; x += 16)
                for (int k = 0; k < 4; ++k) {
                    p.save();
                    p.translate(x, y);
                    p.rotate(k * 45);
                    p.drawEllipse(QPointF(0, 0), 6, 2);
                    p.restore();
                }
        break;
    case 4: // waves
        for (double y = 0; y < kH + 8; y += 7) {
            QPainterPath wv;
            wv.moveTo(0, y);
            for (double x = 0; x <= kW; x += 2) wv.lineTo(x, y + 3 * std::sin(x / 6.0));
            p.drawPath(wv);
        }
        break;
    case 5: // checks
        p.setPen(Qt::NoPen);
        p.setBrush(st.line.darker(130));
        for (int y = 0; y < kH / 8 + 1; ++y)
            for (int x = 0; x < kW / 8 + 1; ++x)
                if ((x + y) % 2) p.drawRect(QRectF(x * 8, y * 8, 8, 8));
        break;
    default: // sunburst
        for (int k = 0; k < 72; ++k) {
            const double a = k * M_PI / 36;
            p.drawLine(QPointF(kW / 2, kH / 2),
                       QPointF(kW / 2 + std::cos(a) * 200, kH / 2 + std::sin(a) * 200));
        }
        break;
    }
    p.restore();
    const QColor gold(212, 170, 60);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.4));
    p.drawRoundedRect(inner.adjusted(4, 4, -4, -4), 4, 4);
    p.setPen(QPen(gold, 0.7));
    p.drawRoundedRect(inner.adjusted(7, 7, -7, -7), 3, 3);
    // Medallion with crown and the house letter.
    const QPointF c(kW / 2, kH / 2);
    QRadialGradient mg(c, 40);
    mg.setColorAt(0, st.base.lighter(150));
    mg.setColorAt(1, st.base.darker(110));
    p.setPen(QPen(gold, 2));
    p.setBrush(mg);
    p.drawEllipse(c, 30, 40);
    p.setPen(QPen(gold.lighter(120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 26, 36);
    QPainterPath crown;
    crown.moveTo(c + QPointF(-14, -8));
    crown.lineTo(c + QPointF(-16, -24));
    crown.lineTo(c + QPointF(-8, -14));
    crown.lineTo(c + QPointF(0, -28));
    crown.lineTo(c + QPointF(8, -14));
    crown.lineTo(c + QPointF(16, -24));
    crown.lineTo(c + QPointF(14, -8));
    crown.closeSubpath();
    p.setPen(QPen(gold.darker(150), 0.8));
    p.setBrush(gold);
    p.drawPath(crown);
    outlinedText(p, QRectF(c.x() - 24, c.y() - 8, 48, 40), QStringLiteral("V"), serifFont(34), gold,
                 gold.darker(170), 0.8);
    return img;
}

QImage cardMark(const QString& colour, int w, int h, bool large) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = large ? 8 : 5;
    const QRectF box(0.5, 0.5, w - 1, h - 1);
    if (colour.isEmpty()) {
        p.setPen(QPen(QColor(255, 255, 255, 150), large ? 2 : 1, Qt::DashLine));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), r, r);
        QColor faint(255, 255, 255, 60);
        outlinedText(p, box, QStringLiteral("V"), serifFont(h * 0.4), faint, faint, 0);
        return img;
    }
    static const QHash<QString, QColor> colours = {
        {QStringLiteral("Black"), QColor(0, 0, 0)},
        {QStringLiteral("Red"), QColor(230, 0, 0)},
        {QStringLiteral("Navy"), QColor(0, 0, 140)},
        {QStringLiteral("Green"), QColor(0, 170, 0)},
        {QStringLiteral("Yellow"), QColor(255, 225, 0)},
        {QStringLiteral("Violet"), QColor(150, 0, 200)},
        {QStringLiteral("Aqua"), QColor(0, 225, 225)},
        {QStringLiteral("Orang"), QColor(255, 128, 0)},
    };
    const QColor c = colours.value(colour, QColor(230, 0, 0));
    const double t = large ? 5 : 3;
    QColor glow = c;
    glow.setAlpha(90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(glow, t + 3));
    p.drawRoundedRect(box.adjusted(t / 2 + 1, t / 2 + 1, -t / 2 - 1, -t / 2 - 1), r, r);
    p.setPen(QPen(c, t));
    p.drawRoundedRect(box.adjusted(t / 2, t / 2, -t / 2, -t / 2), r, r);
    p.setPen(QPen(c.lighter(160), 1));
    p.drawRoundedRect(box.adjusted(t / 2, t / 2, -t / 2, -t / 2), r, r);
    return img;
}

} // namespace vantor::art
