// The table backgrounds of the background pack: ten pictures in seven colours, drawn by code,
// as JPEG pictures at the small window's client size and at twice that for the larger windows
// (which stretch them to their client size).
#include "packs/card_sets.h"
#include "recipes.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace vantor::tool {
namespace {

// Table colours, dark enough for the cards to stand out: green, red, orange, yellow,
// light blue, dark blue, violet.
const QColor kColours[7] = {{0, 105, 40},   {135, 18, 24}, {175, 82, 12}, {165, 132, 22},
                            {30, 118, 170}, {16, 38, 112}, {86, 28, 116}};

QColor shade(const QColor& c, double f) {
    const auto ch = [f](int v) {
        return std::clamp(static_cast<int>(std::lround(f >= 1 ? v + (255 - v) * (f - 1) : v * f)),
                          0, 255);
    };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

void addNoise(QImage& image, int amount, std::mt19937& rng) {
    std::uniform_int_distribution<int> d(-amount, amount);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = d(rng);
            const QRgb p = row[x];
            row[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                          std::clamp(qBlue(p) + n, 0, 255));
        }
    }
}

void vignette(QPainter& p, int w, int h, double strength) {
    QRadialGradient g(w / 2.0, h / 2.0, std::hypot(w, h) / 2);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.6, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    p.fillRect(0, 0, w, h, g);
}

void suitField(QPainter& p, int w, int h, double s, const QColor& ink, double step, int alpha) {
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(step * 0.45));
    p.setFont(font);
    QColor c = ink;
    c.setAlpha(alpha);
    p.setPen(c);
    const QString suits = QString::fromUtf8("♠♥♦♣");
    int i = 0;
    for (double y = 0; y < h + step; y += step, ++i)
        for (double x = (i % 2) * step / 2; x < w + step; x += step)
            p.drawText(QRectF(x - step / 2, y - step / 2, step, step), Qt::AlignCenter,
                       suits.mid(static_cast<int>(x / step + y / step) % 4, 1));
    (void)s;
}

QImage drawBackground(int picture, int colour, int w, int h) {
    const QColor base = kColours[colour];
    const double s = w / 760.0;
    std::mt19937 rng(static_cast<unsigned>(picture * 131 + colour * 17 + w));
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(base);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case 1: { // Sun: a bright centre with soft rays
        QRadialGradient g(w / 2.0, h / 2.0, std::hypot(w, h) / 2);
        g.setColorAt(0, shade(base, 1.45));
        g.setColorAt(0.5, base);
        g.setColorAt(1, shade(base, 0.45));
        p.fillRect(image.rect(), g);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 11));
        for (int i = 0; i < 24; i += 2) {
            QPainterPath ray;
            ray.moveTo(w / 2.0, h / 2.0);
            const double a0 = i * M_PI / 12, a1 = (i + 1) * M_PI / 12, r = w * 1.5;
            ray.lineTo(w / 2.0 + r * std::cos(a0), h / 2.0 + r * std::sin(a0));
            ray.lineTo(w / 2.0 + r * std::cos(a1), h / 2.0 + r * std::sin(a1));
            ray.closeSubpath();
            p.drawPath(ray);
        }
        break;
    }
    case 2: // Felt: fine fibres and a darker rim
        p.end();
        addNoise(image, 10, rng);
        p.begin(&image);
        vignette(p, w, h, 0.45);
        break;
    case 3: { // Gradient
        QLinearGradient g(0, 0, w * 0.3, h);
        g.setColorAt(0, shade(base, 1.35));
        g.setColorAt(1, shade(base, 0.35));
        p.fillRect(image.rect(), g);
        break;
    }
    case 4: { // Cloth: a woven texture
        const int step = std::max(2, static_cast<int>(std::lround(3 * s)));
        for (int y = 0; y < h; y += step)
            p.fillRect(0, y, w, step / 2 + 1, QColor(255, 255, 255, (y / step) % 2 ? 14 : 4));
        for (int x = 0; x < w; x += step)
            p.fillRect(x, 0, step / 2 + 1, h, QColor(0, 0, 0, (x / step) % 2 ? 22 : 8));
        p.end();
        addNoise(image, 6, rng);
        p.begin(&image);
        vignette(p, w, h, 0.35);
        break;
    }
    case 5: { // Carpet: a lattice of diamonds inside two borders
        const double step = 38 * s;
        p.setPen(QPen(shade(base, 1.25), 1.5 * s));
        for (double x = -h; x < w + h; x += step) {
            p.drawLine(QPointF(x, 0), QPointF(x + h, h));
            p.drawLine(QPointF(x, h), QPointF(x + h, 0));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(shade(base, 0.7));
        for (double y = 0; y <= h; y += step / 2)
            for (double x = std::fmod(y / (step / 2), 2) ? step / 2 : 0; x <= w; x += step)
                p.drawEllipse(QPointF(x, y), 3 * s, 3 * s);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(base, 0.55), 14 * s));
        p.drawRect(QRectF(7 * s, 7 * s, w - 14 * s, h - 14 * s));
        p.setPen(QPen(shade(base, 1.4), 3 * s));
        p.drawRect(QRectF(20 * s, 20 * s, w - 40 * s, h - 40 * s));
        break;
    }
    case 6: { // Tree: planks of grained wood tinted in the colour
        p.end();
        const double plank = 95 * s;
        std::uniform_real_distribution<double> phase(0, 2 * M_PI);
        double ph[64];
        for (double& v : ph) v = phase(rng);
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            const int k = static_cast<int>(y / plank) % 64;
            for (int x = 0; x < w; ++x) {
                const double grain =
                    std::sin((y / s) * 0.23 + 3 * std::sin(x / (160 * s) + ph[k]) + ph[k]) *
                    std::sin((y / s) * 0.05 + x / (400 * s) + ph[k]);
                const double edge = std::fmod(y, plank) < 2 * s ? 0.55 : 1.0;
                const double f = (0.84 + 0.12 * grain) * edge;
                row[x] = shade(base, f).rgb();
            }
        }
        addNoise(image, 5, rng);
        p.begin(&image);
        break;
    }
    case 7: { // Casino: felt with the table's printed line and suits
        p.end();
        addNoise(image, 8, rng);
        p.begin(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(235, 200, 90, 150), 4 * s));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(40 * s, 40 * s, w - 80 * s, h - 80 * s), 180 * s, 180 * s);
        p.setPen(QPen(QColor(235, 200, 90, 90), 1.5 * s));
        p.drawRoundedRect(QRectF(52 * s, 52 * s, w - 104 * s, h - 104 * s), 170 * s, 170 * s);
        vignette(p, w, h, 0.5);
        break;
    }
    case 8: // Pattern: small suits on a quiet ground
        suitField(p, w, h, s, shade(base, 1.5), 44 * s, 45);
        break;
    case 9: { // Silk: soft diagonal sheen
        p.end();
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const double u = (x + y * 0.6) / s;
                const double f = 0.85 + 0.18 * std::sin(u / 55) * std::sin(u / 23 + y / (70 * s)) +
                                 0.08 * std::sin(u / 9);
                row[x] = shade(base, f).rgb();
            }
        }
        p.begin(&image);
        break;
    }
    default: { // 10, Ornament: a damask of rosettes
        const double step = 76 * s;
        p.setBrush(Qt::NoBrush);
        int i = 0;
        for (double y = 0; y < h + step; y += step / 2, ++i)
            for (double x = (i % 2) * step / 2; x < w + step; x += step) {
                p.setPen(QPen(shade(base, 1.3), 1.6 * s));
                for (int k = 0; k < 8; ++k) {
                    p.save();
                    p.translate(x, y);
                    p.rotate(k * 45);
                    p.drawEllipse(QRectF(4 * s, -5 * s, 20 * s, 10 * s));
                    p.restore();
                }
                p.setPen(QPen(shade(base, 0.7), 1.2 * s));
                p.drawEllipse(QPointF(x, y), 4 * s, 4 * s);
            }
        vignette(p, w, h, 0.3);
        break;
    }
    }
    p.end();
    return image;
}

std::vector<std::uint8_t> jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 88);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

bool addBackgrounds(TPackWriter& writer, const TBuildOptions& options, std::string& why) {
    for (int picture = 1; picture <= 10; ++picture)
        for (int colour = 0; colour < 7; ++colour) {
            // "Felt" in green is the program's own picture.
            if (picture == 2 && colour == 0) continue;
            for (const bool large : {false, true}) {
                const int w = large ? 1520 : 760, h = large ? 1000 : 500;
                if (options.quick && large) continue;
                const auto jpeg = jpegBytes(drawBackground(picture, colour, w, h));
                if (jpeg.empty()) {
                    why = "this Qt cannot write JPEG pictures";
                    return false;
                }
                writer.addJpeg(backgroundResourceName(picture, colour, large), jpeg);
            }
        }
    return true;
}

} // namespace vantor::tool
