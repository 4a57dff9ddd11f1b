#include "assets/art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace vantor::art {

QImage felt(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_RGB32);
    // Cloth: a lit centre, darker rim, and a fine deterministic weave of noise.
    const double cx = w / 2.0, cy = h / 2.0;
    const double maxD = std::sqrt(cx * cx + cy * cy);
    unsigned s = 0x9E3779B9u ^ static_cast<unsigned>(seed);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            const double n = ((s >> 24) & 0xFF) / 255.0 - 0.5;
            const double weave =
                ((x + y) % 3 == 0 ? 0.6 : 0.0) + ((x - y + 3000) % 5 == 0 ? -0.5 : 0.0);
            const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / maxD;
            const double light = 1.08 - 0.42 * d * d;
            const double v = light + n * 0.07 + weave * 0.025;
            const int r = std::clamp(int(18 * v), 0, 255);
            const int g = std::clamp(int(118 * v), 0, 255);
            const int b = std::clamp(int(48 * v), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return img;
}

QImage plainRecordingBackground(int w, int h) {
    // Flat colours only: a recorded game compresses best on an even table.
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 110, 40));
    QPainter p(&img);
    p.setPen(QPen(QColor(0, 80, 28), 6));
    p.drawRect(3, 3, w - 7, h - 7);
    return img;
}

QImage bubble(const QColor& base, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    glossyRoundRect(p, r, h / 2.0 - 0.5, base, base.darker(190));
    return img;
}

QImage frame(const QString& kind, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = std::max(1.0, std::min(w, h) / 60.0);
    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    const QColor gold(205, 160, 50), goldDark(130, 90, 20);
    QLinearGradient gg(0, 0, 0, h);
    gg.setColorAt(0, gold.lighter(140));
    gg.setColorAt(0.5, gold);
    gg.setColorAt(1, goldDark);
    p.setPen(QPen(goldDark.darker(130), 1));
    p.setBrush(gg);
    const double radius = 6 * k;
    p.drawRoundedRect(outer, radius, radius);
    const double band = (kind == QLatin1String("super") ? 9 : 5) * k;
    const QRectF inner = outer.adjusted(band, band, -band, -band);
    QLinearGradient pg(inner.topLeft(), inner.bottomRight());
    if (kind == QLatin1String("memo")) {
        pg.setColorAt(0, QColor(252, 250, 238));
        pg.setColorAt(1, QColor(236, 230, 206));
    } else {
        pg.setColorAt(0, QColor(255, 248, 222));
        pg.setColorAt(1, QColor(240, 222, 176));
    }
    p.setPen(QPen(goldDark, 1));
    p.setBrush(pg);
    p.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
    p.setPen(QPen(QColor(255, 240, 180, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), radius, radius);
    if (kind == QLatin1String("super")) {
        // Corner ornaments: a small diamond of each suit colour in every corner.
        const QPointF corners[4] = {inner.topLeft(), inner.topRight(), inner.bottomLeft(),
                                    inner.bottomRight()};
        for (int i = 0; i < 4; ++i) {
            const QPointF c =
                corners[i] + QPointF(i % 2 ? -10 * k : 10 * k, i < 2 ? 10 * k : -10 * k);
            p.setPen(Qt::NoPen);
            p.setBrush(i % 3 == 0 ? QColor(190, 20, 30) : QColor(30, 30, 40));
            p.drawPath(suitPath(i, QRectF(c.x() - 5 * k, c.y() - 6 * k, 10 * k, 12 * k)));
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(goldDark, 0.8 * k, Qt::DotLine));
        p.drawRoundedRect(inner.adjusted(4 * k, 4 * k, -4 * k, -4 * k), radius * 0.5, radius * 0.5);
    }
    return img;
}

QImage pointer(bool up, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (!up) {
        p.translate(w, h);
        p.rotate(180);
    }
    // An upward arrow with a rounded shaft; gold with a bright edge so it shows on any cloth.
    QPainterPath a;
    a.moveTo(w * 0.5, h * 0.03);
    a.lineTo(w * 0.96, h * 0.42);
    a.lineTo(w * 0.66, h * 0.42);
    a.lineTo(w * 0.66, h * 0.94);
    a.quadTo(w * 0.5, h * 0.99, w * 0.34, h * 0.94);
    a.lineTo(w * 0.34, h * 0.42);
    a.lineTo(w * 0.04, h * 0.42);
    a.closeSubpath();
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(255, 236, 130));
    g.setColorAt(0.5, QColor(250, 200, 40));
    g.setColorAt(1, QColor(190, 120, 10));
    p.setPen(QPen(QColor(100, 60, 0), std::max(1.0, w / 20.0)));
    p.setBrush(g);
    p.drawPath(a);
    p.setPen(QPen(QColor(255, 255, 230, 200), std::max(1.0, w / 30.0)));
    p.drawLine(QPointF(w * 0.5, h * 0.1), QPointF(w * 0.18, h * 0.38));
    return img;
}

QImage moveClock(bool red, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    const QColor base = red ? QColor(200, 20, 20) : QColor(245, 205, 30);
    glossyDisc(p, QRectF(1, 1, w - 2, h - 2), base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(base.darker(200), std::max(1.0, w / 20.0)));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF c(w / 2.0, h / 2.0);
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (w * 0.40),
                   c + QPointF(std::cos(a), std::sin(a)) * (w * 0.46));
    }
    return img;
}

QImage clockPanel(int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(70, 70, 80));
    g.setColorAt(1, QColor(20, 20, 26));
    p.setPen(QPen(QColor(180, 150, 60), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 16, 24));
    p.drawRoundedRect(QRectF(8, 10, w - 16, h - 20), 4, 4);
    return img;
}

QImage clockDigit(const QColor& colour, int digit, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (digit == 10) { // the colon
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const double r = std::min(w, h) * 0.4;
        p.drawEllipse(QPointF(w / 2.0, h * 0.25), r, r);
        p.drawEllipse(QPointF(w / 2.0, h * 0.75), r, r);
        return img;
    }
    // Seven segments, the unlit ones faintly visible as on a real display.
    static const int segs[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const double t = std::max(2.0, w * 0.18);
    const double m = t * 0.6;
    const QPointF a(m, m), b(w - m, m), c(m, h / 2.0), d(w - m, h / 2.0), e(m, h - m),
        f(w - m, h - m);
    const std::pair<QPointF, QPointF> lines[7] = {{a, b}, {b, d}, {d, f}, {e, f},
                                                  {c, e}, {a, c}, {c, d}};
    QColor dim = colour;
    dim.setAlpha(40);
    for (int i = 0; i < 7; ++i) {
        const bool on = segs[digit % 10] & (1 << i);
        p.setPen(QPen(on ? colour : dim, t, Qt::SolidLine, Qt::RoundCap));
        const QPointF dir = lines[i].second - lines[i].first;
        const double len = std::hypot(dir.x(), dir.y());
        const QPointF u = dir / len * (t * 0.7);
        p.drawLine(lines[i].first + u, lines[i].second - u);
    }
    return img;
}

QImage clockSign(const QColor& colour, int page, int w, int h) {
    static const char* signs[8] = {"?", "%", "#", "W", "A", "@", "Z", "+"};
    QImage img = blank(w, h, true);
    QPainter p(&img);
    outlinedText(p, QRectF(0, 0, w, h), QString::fromLatin1(signs[std::clamp(page, 0, 7)]),
                 sansFont(h * 0.7), colour, QColor(0, 0, 0, 160), 1);
    return img;
}

} // namespace vantor::art
