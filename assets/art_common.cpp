#include "assets/art.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace vantor::art {

QImage blank(int w, int h, bool alpha) {
    QImage img(w, h, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(alpha ? QColor(Qt::transparent) : QColor(Qt::white));
    return img;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                  m(a.alpha(), b.alpha()));
}

QPainterPath suitPath(int suit, const QRectF& b) {
    QPainterPath p;
    const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
    auto P = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
    switch (suit) {
    case 0: // heart
        p.moveTo(P(0.5, 0.26));
        p.cubicTo(P(0.38, -0.04), P(-0.06, 0.02), P(0.02, 0.36));
        p.cubicTo(P(0.08, 0.62), P(0.36, 0.78), P(0.5, 1.0));
        p.cubicTo(P(0.64, 0.78), P(0.92, 0.62), P(0.98, 0.36));
        p.cubicTo(P(1.06, 0.02), P(0.62, -0.04), P(0.5, 0.26));
        break;
    case 1: // diamond, slightly waisted sides
        p.moveTo(P(0.5, 0.0));
        p.quadTo(P(0.68, 0.28), P(0.92, 0.5));
        p.quadTo(P(0.68, 0.72), P(0.5, 1.0));
        p.quadTo(P(0.32, 0.72), P(0.08, 0.5));
        p.quadTo(P(0.32, 0.28), P(0.5, 0.0));
        break;
    case 2: { // club: three leaves and a flared stem
        const double r = 0.235;
        p.addEllipse(QRectF(P(0.5 - r, 0.02), QSizeF(2 * r * w, 2 * r * h * 0.98)));
        p.addEllipse(QRectF(P(0.02, 0.36), QSizeF(2 * r * w, 2 * r * h * 0.98)));
        p.addEllipse(QRectF(P(0.98 - 2 * r, 0.36), QSizeF(2 * r * w, 2 * r * h * 0.98)));
        QPainterPath stem;
        stem.moveTo(P(0.44, 0.45));
        stem.lineTo(P(0.56, 0.45));
        stem.quadTo(P(0.58, 0.85), P(0.74, 1.0));
        stem.lineTo(P(0.26, 1.0));
        stem.quadTo(P(0.42, 0.85), P(0.44, 0.45));
        QPainterPath centre;
        centre.addEllipse(QRectF(P(0.36, 0.34), QSizeF(0.28 * w, 0.26 * h)));
        p = p.united(stem).united(centre);
        p.setFillRule(Qt::WindingFill);
        break;
    }
    default: { // spade: an upturned heart on a flared stem
        QPainterPath leaf;
        leaf.moveTo(P(0.5, 0.0));
        leaf.cubicTo(P(0.64, 0.2), P(1.02, 0.36), P(0.98, 0.6));
        leaf.cubicTo(P(0.94, 0.8), P(0.66, 0.84), P(0.52, 0.68));
        leaf.lineTo(P(0.48, 0.68));
        leaf.cubicTo(P(0.34, 0.84), P(0.06, 0.8), P(0.02, 0.6));
        leaf.cubicTo(P(-0.02, 0.36), P(0.36, 0.2), P(0.5, 0.0));
        QPainterPath stem;
        stem.moveTo(P(0.45, 0.6));
        stem.lineTo(P(0.55, 0.6));
        stem.quadTo(P(0.57, 0.88), P(0.74, 1.0));
        stem.lineTo(P(0.26, 1.0));
        stem.quadTo(P(0.43, 0.88), P(0.45, 0.6));
        p = leaf.united(stem);
        break;
    }
    }
    return p;
}

QColor suitColour(int suit) {
    return redSuit(suit) ? QColor(200, 16, 30) : QColor(20, 20, 24);
}

void glossyRoundRect(QPainter& p, const QRectF& r, double radius, const QColor& base,
                     const QColor& border) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, base.lighter(150));
    g.setColorAt(0.48, base.lighter(115));
    g.setColorAt(0.52, base);
    g.setColorAt(1.0, base.darker(150));
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    QRectF hi = r.adjusted(r.height() * 0.12 + 1, 1.5, -(r.height() * 0.12 + 1), -r.height() * 0.5);
    QLinearGradient hg(hi.topLeft(), hi.bottomLeft());
    hg.setColorAt(0.0, QColor(255, 255, 255, 150));
    hg.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawRoundedRect(hi, radius * 0.8, radius * 0.6);
    p.restore();
}

void glossyDisc(QPainter& p, const QRectF& r, const QColor& base) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.15, -r.height() * 0.2), r.width() * 0.7);
    g.setColorAt(0.0, base.lighter(170));
    g.setColorAt(0.6, base);
    g.setColorAt(1.0, base.darker(170));
    p.setPen(QPen(base.darker(220), std::max(1.0, r.width() / 24)));
    p.setBrush(g);
    p.drawEllipse(r);
    QRectF hi(r.x() + r.width() * 0.22, r.y() + r.height() * 0.07, r.width() * 0.56,
              r.height() * 0.36);
    QLinearGradient hg(hi.topLeft(), hi.bottomLeft());
    hg.setColorAt(0.0, QColor(255, 255, 255, 170));
    hg.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawEllipse(hi);
    p.restore();
}

void outlinedText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, double outlineWidth,
                  Qt::Alignment align) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF br = path.boundingRect();
    double dx = r.center().x() - br.center().x();
    double dy = r.center().y() - br.center().y();
    if (align & Qt::AlignLeft) dx = r.left() - br.left() + outlineWidth;
    if (align & Qt::AlignRight) dx = r.right() - br.right() - outlineWidth;
    if (align & Qt::AlignTop) dy = r.top() - br.top() + outlineWidth;
    path.translate(dx, dy);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QFont serifFont(double pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sansFont(double pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

unsigned hashOf(const QString& s) {
    unsigned h = 2166136261u;
    for (QChar c : s) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

} // namespace vantor::art
