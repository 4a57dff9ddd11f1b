#include "assets/picture_ops.h"

#include "base/rounding.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdlib>

namespace vantor {

namespace {

int roundChannel(double v) {
    const auto r = roundHalfEven(v);
    return r < 0 ? 0 : (r > 255 ? 255 : static_cast<int>(r));
}

QRgb recolourStyle(QRgb px, int style) {
    int r = qRed(px), g = qGreen(px), b = qBlue(px);
    switch (style) {
    case 2:
        if (r > g && r > b) {
            b = roundChannel(std::min(b, g) * 0.7);
            g = b + roundChannel(std::abs(r - b) * 0.4);
            if (g > 255) g = 255;
        }
        break;
    case 3:
        g = r;
        break;
    case 4:
        std::swap(r, g);
        break;
    case 5: {
        const int oldR = r;
        r = b;
        g = oldR;
        b = oldR;
        break;
    }
    case 6:
        std::swap(r, b);
        break;
    case 7:
        b = r;
        break;
    default:
        break;
    }
    return qRgba(r, g, b, qAlpha(px));
}

} // namespace

void RecolourPng(QImage& picture, int style) {
    if (style < 2 || style > 7 || picture.isNull()) return;
    const QImage::Format original = picture.format();
    const bool direct = original == QImage::Format_ARGB32 || original == QImage::Format_RGB32;
    QImage work = direct ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < work.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x) line[x] = recolourStyle(line[x], style);
    }
    picture = direct ? work : work.convertToFormat(original);
}

bool ResizePng(QImage& picture, int width, int height, QString* error) {
    if (picture.width() <= 1 || picture.height() <= 1 || width <= 1 || height <= 1) return true;
    bool hasAlpha = false;
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
        hasAlpha = false;
        break;
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        hasAlpha = true;
        break;
    default:
        if (error) *error = QString::fromLatin1(kResizeFormatError);
        return false;
    }
    const QImage src =
        picture.convertToFormat(hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int sw = src.width();
    const int sh = src.height();
    const double fx = double(width) / double(sw - 1);
    const double fy = double(height) / double(sh - 1);
    QImage target(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const double sy = y / fy;
        const int iy = static_cast<int>(sy);
        const double dy = sy - iy;
        const int iy1 = std::min(iy + 1, sh - 1); // only reached with dy == 0
        const auto* row0 = reinterpret_cast<const QRgb*>(src.constScanLine(iy));
        const auto* row1 = reinterpret_cast<const QRgb*>(src.constScanLine(iy1));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double sx = x / fx;
            const int ix = static_cast<int>(sx);
            const double dx = sx - ix;
            const int ix1 = std::min(ix + 1, sw - 1);
            const double w00 = (1 - dx) * (1 - dy), w10 = dx * (1 - dy);
            const double w01 = (1 - dx) * dy, w11 = dx * dy;
            const QRgb p00 = row0[ix], p10 = row0[ix1], p01 = row1[ix], p11 = row1[ix1];
            auto mix = [&](int (*ch)(QRgb)) {
                return roundChannel(ch(p00) * w00 + ch(p10) * w10 + ch(p01) * w01 + ch(p11) * w11);
            };
            const int a = hasAlpha ? mix(qAlpha) : 255;
            out[x] = qRgba(mix(qRed), mix(qGreen), mix(qBlue), a);
        }
    }
    picture = target;
    return true;
}

QImage scaledWithRoundedCorners(const QImage& picture, QSize size, int cornerEllipse) {
    if (picture.isNull() || size.isEmpty()) return {};
    if (picture.size() == size) return picture;
    // The picture is laid on black first: a face's own transparent corners must not bleed
    // half-transparent fringes into the smoothing filter.
    QImage flat(picture.size(), QImage::Format_ARGB32_Premultiplied);
    flat.fill(Qt::black);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    QImage scaled = flat.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const double r = cornerEllipse / 2.0;
        p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), r, r);
    }
    QPainter p(&scaled);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    return scaled;
}

const QImage& TScaledPictureCache::get(const QString& key, const QImage& source, QSize size,
                                       int cornerEllipse) {
    const QString k = key + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                      QString::number(size.height()) + QLatin1Char('/') +
                      QString::number(cornerEllipse);
    auto it = entries.find(k);
    if (it == entries.end())
        it = entries.insert(k, scaledWithRoundedCorners(source, size, cornerEllipse));
    return it.value();
}

} // namespace vantor
