// The graphics pack: the purple design drawn by code. The purple background of the main
// window, the backgrounds, headers and animated icon strips of the auxiliary windows, the
// headers of the concise grey design, the category buttons and animation of the world top ten,
// the menu's advert icons and the touch strip of the click effect.
//
// Pictures are stored as the program reads them: PNG as raw data, backgrounds as "JPEG",
// animations as "GIF" (encoded with giflib, one shared palette, index 0 transparent).
#include "assets/art.h"
#include "assets/builtin_pictures.h"
#include "i18n/words.h"
#include "packs/card_sets.h"
#include "recipes.h"

#include <QBuffer>
#include <QHash>
#include <QLinearGradient>
#include <QList>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <gif_lib.h>
#include <random>

namespace vantor::tool {
namespace {

using namespace vantor::art;

// The design colours: purple $E20088 and gold $32AFC8, with the shades drawn from them.
const QColor kPurple(136, 0, 226);
const QColor kDeep(34, 0, 58);
const QColor kGold(200, 175, 50);
const QColor kGoldLight(255, 226, 120);
const QColor kGoldDark(110, 80, 10);

// ---- encoding ----

std::vector<std::uint8_t> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

int writeToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// A looping GIF of equal-sized frames. The palette is the 255 most frequent colours of all
// frames (counted at 5 bits a channel, each entry the mean of its bin); pixels less than half
// opaque become the transparent index 0. Empty on failure.
std::vector<std::uint8_t> gifBytes(const QList<QImage>& frames, int delayMs) {
    if (frames.isEmpty()) return {};
    const int w = frames.front().width(), h = frames.front().height();
    std::vector<QImage> argb;
    for (const QImage& f : frames) {
        if (f.size() != QSize(w, h)) return {};
        argb.push_back(f.convertToFormat(QImage::Format_ARGB32));
    }
    const auto key = [](QRgb p) {
        return (qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | qBlue(p) >> 3;
    };
    std::vector<std::array<std::uint64_t, 4>> bins(32768, {0, 0, 0, 0}); // count, r, g, b
    for (const QImage& f : argb)
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (qAlpha(row[x]) < 128) continue;
                auto& b = bins[key(row[x])];
                ++b[0];
                b[1] += qRed(row[x]);
                b[2] += qGreen(row[x]);
                b[3] += qBlue(row[x]);
            }
        }
    std::vector<int> used;
    for (int i = 0; i < 32768; ++i)
        if (bins[i][0]) used.push_back(i);
    std::sort(used.begin(), used.end(), [&](int a, int b) { return bins[a][0] > bins[b][0]; });
    if (used.size() > 255) used.resize(255);
    std::array<GifColorType, 256> colours{};
    for (std::size_t i = 0; i < used.size(); ++i) {
        const auto& b = bins[used[i]];
        colours[i + 1] = {static_cast<GifByteType>(b[1] / b[0]),
                          static_cast<GifByteType>(b[2] / b[0]),
                          static_cast<GifByteType>(b[3] / b[0])};
    }
    const int paletteSize = static_cast<int>(used.size()) + 1;
    std::vector<std::int16_t> nearest(32768, -1);
    const auto indexOf = [&](QRgb p) -> GifByteType {
        if (qAlpha(p) < 128) return 0;
        const int k = key(p);
        if (nearest[k] < 0) {
            int best = 1;
            long bestD = -1;
            for (int i = 1; i < paletteSize; ++i) {
                const long dr = colours[i].Red - qRed(p), dg = colours[i].Green - qGreen(p),
                           db = colours[i].Blue - qBlue(p);
                const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
                if (bestD < 0 || d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            nearest[k] = static_cast<std::int16_t>(best);
        }
        return static_cast<GifByteType>(nearest[k]);
    };

    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToVector, &error);
    if (!gif) return {};
    bool ok = true;
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    ok = map && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    // Loop for ever.
    const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof app, app) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(w));
    for (const QImage& f : argb) {
        if (!ok) break;
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_BACKGROUND;
        gcb.UserInputFlag = false;
        gcb.DelayTime = std::max(2, delayMs / 10);
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < h; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < w; ++x) line[static_cast<std::size_t>(x)] = indexOf(row[x]);
            ok = EGifPutLine(gif, line.data(), w) == GIF_OK;
        }
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    GifFreeMapObject(map);
    return ok ? out : std::vector<std::uint8_t>();
}

// ---- shared pieces ----

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Deep violet with soft lilac lights and a faint field of suits; `framed` adds the gold
// double border with corner rosettes that the windows carry.
QImage purpleBackdrop(int w, int h, unsigned seed, bool framed) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(w * 0.5, h * 0.32, std::hypot(w, h) * 0.62);
    g.setColorAt(0.0, QColor(122, 34, 178));
    g.setColorAt(0.45, QColor(74, 8, 118));
    g.setColorAt(1.0, kDeep);
    p.fillRect(img.rect(), g);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    // Lilac lights: wide, soft ellipses.
    for (int i = 0; i < 7; ++i) {
        const QPointF c(u(rng) * w, u(rng) * h);
        const double r = (0.15 + u(rng) * 0.3) * std::max(w, h);
        QRadialGradient l(c, r);
        l.setColorAt(0, QColor(214, 150, 255, 46));
        l.setColorAt(1, QColor(214, 150, 255, 0));
        p.fillRect(img.rect(), l);
    }
    // Sweeping silk bands.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        QPainterPath band;
        const double y0 = h * (0.15 + 0.18 * i) + u(rng) * h * 0.05;
        band.moveTo(-w * 0.1, y0);
        band.cubicTo(w * 0.3, y0 - h * 0.25, w * 0.6, y0 + h * 0.25, w * 1.1, y0 - h * 0.05);
        p.setPen(QPen(QColor(230, 180, 255, 16), std::max(w, h) * 0.05));
        p.drawPath(band);
        p.setPen(QPen(QColor(255, 220, 140, 22), std::max(1.0, std::max(w, h) / 700.0)));
        p.drawPath(band);
    }
    // A quiet field of suits in gold.
    const double step = std::clamp(std::min(w, h) / 7.0, 40.0, 110.0);
    int row = 0;
    p.setPen(Qt::NoPen);
    for (double y = step / 2; y < h + step; y += step * 0.8, ++row)
        for (double x = (row % 2) * step / 2; x < w + step; x += step) {
            const int suit = (static_cast<int>(x / step) + row) % 4;
            p.setBrush(QColor(kGoldLight.red(), kGoldLight.green(), kGoldLight.blue(), 14));
            const double s = step * 0.28;
            p.drawPath(suitPath(suit, QRectF(x - s / 2, y - s / 2, s, s)));
        }
    // Darker rim.
    QRadialGradient v(w / 2.0, h / 2.0, std::hypot(w, h) / 2);
    v.setColorAt(0.65, QColor(0, 0, 0, 0));
    v.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(img.rect(), v);
    if (framed) {
        const double m = std::max(3.0, std::min(w, h) / 90.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGoldDark, m * 0.9));
        p.drawRoundedRect(QRectF(m, m, w - 2 * m, h - 2 * m), 3 * m, 3 * m);
        p.setPen(QPen(kGold, m * 0.45));
        p.drawRoundedRect(QRectF(m, m, w - 2 * m, h - 2 * m), 3 * m, 3 * m);
        p.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 140), 1));
        p.drawRoundedRect(QRectF(2.6 * m, 2.6 * m, w - 5.2 * m, h - 5.2 * m), 2 * m, 2 * m);
        const double r = 3.2 * m;
        for (const QPointF& c : {QPointF(2.6 * m, 2.6 * m), QPointF(w - 2.6 * m, 2.6 * m),
                                 QPointF(2.6 * m, h - 2.6 * m), QPointF(w - 2.6 * m, h - 2.6 * m)})
            glossyDisc(p, QRectF(c.x() - r / 2, c.y() - r / 2, r, r), kGold);
    }
    return img;
}

// A title in the design's gold: a soft dark shadow, a dark purple outline and a light fill,
// shrunk until it fits `room` pixels.
void goldTitle(QPainter& p, const QRectF& r, const QString& text, double px, double room) {
    QFont f = serifFont(px, true);
    for (int i = 0; i < 40; ++i) {
        QPainterPath path;
        path.addText(0, 0, f, text);
        if (path.boundingRect().width() <= room && path.boundingRect().height() <= r.height())
            break;
        px *= 0.93;
        f.setPixelSize(std::max(6, static_cast<int>(px)));
    }
    const double ow = std::max(1.0, px / 14);
    outlinedText(p, r.translated(ow, ow * 1.3), text, f, QColor(0, 0, 0, 120), QColor(0, 0, 0, 90),
                 ow);
    outlinedText(p, r, text, f, kGoldLight, QColor(52, 0, 74), ow);
}

// ---- emblems of the icon strips ----

// An emblem in gold on a glossy purple disc, `t` in [0, 1) the phase of the animation.
QImage emblem(const QString& kind, double t, int size) {
    QImage img = blank(size, size, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    glossyDisc(p, QRectF(1, 1, s - 2, s - 2), QColor(118, 24, 176));
    p.setPen(QPen(kGoldDark, std::max(1.0, s / 40)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2.5, 2.5, s - 5, s - 5));
    const QPointF c(s / 2, s / 2);
    QLinearGradient gold(0, s * 0.2, 0, s * 0.8);
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(1, kGold.darker(120));
    const QPen outline(kGoldDark, std::max(0.8, s / 60));
    const double tau = 2 * M_PI;
    if (kind == QLatin1String("Opt")) { // a turning gear
        p.save();
        p.translate(c);
        p.rotate(t * 45);
        QPainterPath gear;
        const double R = s * 0.32, r = R * 0.74;
        for (int i = 0; i < 16; ++i) {
            const double a0 = i * tau / 16, a1 = (i + 0.5) * tau / 16;
            const double rr = (i % 2) ? r : R;
            const QPointF q0(std::cos(a0) * rr, std::sin(a0) * rr),
                q1(std::cos(a1) * rr, std::sin(a1) * rr);
            i ? gear.lineTo(q0) : gear.moveTo(q0);
            gear.lineTo(q1);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), R * 0.3, R * 0.3);
        p.setPen(outline);
        p.setBrush(gold);
        p.drawPath(gear.subtracted(hole));
        p.restore();
    } else if (kind == QLatin1String("Speed")) { // a dial whose needle swings
        p.setPen(QPen(kGold, s / 16, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(s * 0.2, s * 0.24, s * 0.6, s * 0.6), 0, 180 * 16);
        for (int i = 0; i <= 6; ++i) {
            const double a = M_PI - i * M_PI / 6;
            p.setPen(QPen(kGoldLight, s / 30));
            p.drawLine(c + QPointF(0, s * 0.04) + QPointF(std::cos(a), -std::sin(a)) * s * 0.22,
                       c + QPointF(0, s * 0.04) + QPointF(std::cos(a), -std::sin(a)) * s * 0.28);
        }
        const double a = M_PI * (0.5 + 0.42 * std::sin(t * tau));
        const QPointF hub = c + QPointF(0, s * 0.04);
        p.setPen(QPen(QColor(255, 80, 70), s / 18, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hub, hub + QPointF(std::cos(a), -std::sin(a)) * s * 0.24);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(hub, s * 0.06, s * 0.06);
    } else if (kind == QLatin1String("WT")) { // a turning globe
        const double R = s * 0.3;
        QRadialGradient sea(c - QPointF(R * 0.3, R * 0.3), R * 1.3);
        sea.setColorAt(0, QColor(120, 170, 255));
        sea.setColorAt(1, QColor(30, 50, 150));
        p.setPen(outline);
        p.setBrush(sea);
        p.drawEllipse(c, R, R);
        p.setPen(QPen(kGoldLight, std::max(0.8, s / 48)));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {
            const double ph = std::fmod(t + i / 4.0, 1.0);
            const double rx = R * std::abs(std::cos(ph * M_PI));
            p.drawEllipse(c, rx, R);
        }
        p.drawLine(c - QPointF(R, 0), c + QPointF(R, 0));
        p.drawEllipse(c, R, R * 0.45);
    } else if (kind == QLatin1String("Stat")) { // bars that rise in turn
        p.setPen(outline);
        for (int i = 0; i < 4; ++i) {
            const double ph = std::fmod(t + i * 0.25, 1.0);
            const double bh = s * (0.14 + 0.3 * (0.5 + 0.5 * std::sin(ph * tau)));
            p.setBrush(gold);
            p.drawRect(QRectF(s * (0.24 + i * 0.14), s * 0.74 - bh, s * 0.1, bh));
        }
        p.setPen(QPen(kGoldLight, s / 30));
        p.drawLine(QPointF(s * 0.2, s * 0.75), QPointF(s * 0.8, s * 0.75));
    } else if (kind == QLatin1String("Chat")) { // two bubbles, dots being typed
        p.setPen(outline);
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(s * 0.18, s * 0.26, s * 0.5, s * 0.32), s * 0.1, s * 0.1);
        p.setBrush(QColor(250, 240, 255));
        p.drawRoundedRect(QRectF(s * 0.34, s * 0.46, s * 0.48, s * 0.28), s * 0.1, s * 0.1);
        p.drawPolygon(QPolygonF({QPointF(s * 0.66, s * 0.72), QPointF(s * 0.74, s * 0.84),
                                 QPointF(s * 0.56, s * 0.73)}));
        p.setPen(Qt::NoPen);
        const int lit = static_cast<int>(t * 4) % 4;
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i < lit ? kPurple : QColor(200, 170, 220));
            p.drawEllipse(QPointF(s * (0.47 + i * 0.11), s * 0.6), s * 0.035, s * 0.035);
        }
    } else if (kind == QLatin1String("TopTen") || kind == QLatin1String("EndGame")) {
        // A cup (or a star for the end of the cycle) with a passing shine.
        p.setPen(outline);
        p.setBrush(gold);
        if (kind == QLatin1String("TopTen")) {
            QPainterPath cup;
            cup.moveTo(s * 0.3, s * 0.24);
            cup.lineTo(s * 0.7, s * 0.24);
            cup.quadTo(s * 0.7, s * 0.56, s * 0.5, s * 0.6);
            cup.quadTo(s * 0.3, s * 0.56, s * 0.3, s * 0.24);
            p.drawPath(cup);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kGold, s / 22));
            p.drawArc(QRectF(s * 0.2, s * 0.28, s * 0.16, s * 0.16), 90 * 16, 180 * 16);
            p.drawArc(QRectF(s * 0.64, s * 0.28, s * 0.16, s * 0.16), -90 * 16, 180 * 16);
            p.setPen(outline);
            p.setBrush(gold);
            p.drawRect(QRectF(s * 0.46, s * 0.6, s * 0.08, s * 0.1));
            p.drawRoundedRect(QRectF(s * 0.34, s * 0.7, s * 0.32, s * 0.07), 2, 2);
        } else {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5, r = (i % 2) ? s * 0.14 : s * 0.32;
                const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
                i ? star.lineTo(q) : star.moveTo(q);
            }
            star.closeSubpath();
            p.save();
            p.translate(c);
            p.scale(1 + 0.08 * std::sin(t * tau), 1 + 0.08 * std::sin(t * tau));
            p.translate(-c);
            p.drawPath(star);
            p.restore();
        }
        const double x = s * (-0.2 + 1.4 * t);
        QLinearGradient shine(x - s * 0.1, 0, x + s * 0.1, 0);
        shine.setColorAt(0, QColor(255, 255, 255, 0));
        shine.setColorAt(0.5, QColor(255, 255, 255, 150));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(QRectF(0, 0, s, s), shine);
    } else if (kind == QLatin1String("History")) { // a clock face whose hand goes round
        p.setPen(outline);
        p.setBrush(QColor(250, 240, 255));
        p.drawEllipse(c, s * 0.28, s * 0.28);
        p.setPen(QPen(kGold, s / 18));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, s * 0.28, s * 0.28);
        for (int i = 0; i < 12; ++i) {
            const double a = i * tau / 12;
            p.setPen(QPen(kGoldDark, s / 40));
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * s * 0.2,
                       c + QPointF(std::cos(a), std::sin(a)) * s * 0.24);
        }
        const double a = -M_PI / 2 + t * tau;
        p.setPen(QPen(kPurple, s / 20, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * s * 0.2);
        p.drawLine(c, c + QPointF(0, -s * 0.13));
    } else if (kind == QLatin1String("Count")) { // the four suits taking turns in front
        for (int i = 0; i < 4; ++i) {
            const int suit = (i + static_cast<int>(t * 4)) % 4;
            const double a = tau * (i / 4.0 + t / 4.0);
            const QPointF q = c + QPointF(std::cos(a) * s * 0.18, std::sin(a) * s * 0.18);
            const double r = s * (0.13 + 0.03 * std::sin(a));
            p.setPen(QPen(kGoldDark, 0.8));
            p.setBrush(redSuit(suit) ? QColor(235, 50, 60) : QColor(250, 240, 255));
            p.drawPath(suitPath(suit, QRectF(q.x() - r, q.y() - r, 2 * r, 2 * r)));
        }
    } else if (kind == QLatin1String("Password")) { // a key that turns in its lock
        p.setPen(outline);
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(s * 0.3, s * 0.42, s * 0.4, s * 0.32), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold, s / 14));
        p.drawArc(QRectF(s * 0.36, s * 0.22, s * 0.28, s * 0.36), 0, 180 * 16);
        p.save();
        p.translate(s * 0.5, s * 0.57);
        p.scale(std::cos(t * tau) * 0.8 + 0.2 * (std::cos(t * tau) >= 0 ? 1 : -1), 1);
        p.setPen(Qt::NoPen);
        p.setBrush(kDeep);
        p.drawEllipse(QPointF(0, -s * 0.03), s * 0.05, s * 0.05);
        p.drawRect(QRectF(-s * 0.02, -s * 0.02, s * 0.04, s * 0.1));
        p.restore();
    } else { // ServerW and anything else: an arrow rising to a star
        const double y = s * (0.72 - 0.3 * t);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kGoldLight.red(), kGoldLight.green(), kGoldLight.blue(),
                          static_cast<int>(255 * (1 - t * 0.6))));
        p.drawPolygon(
            QPolygonF({QPointF(s * 0.5, y - s * 0.16), QPointF(s * 0.66, y), QPointF(s * 0.56, y),
                       QPointF(s * 0.56, y + s * 0.14), QPointF(s * 0.44, y + s * 0.14),
                       QPointF(s * 0.44, y), QPointF(s * 0.34, y)}));
        p.setPen(outline);
        p.setBrush(gold);
        p.drawEllipse(QPointF(s * 0.5, s * 0.24), s * 0.06, s * 0.06);
    }
    return img;
}

QImage iconStrip(const QString& kind, int frames) {
    QImage strip = blank(48 * frames, 48, true);
    QPainter p(&strip);
    for (int f = 0; f < frames; ++f) p.drawImage(48 * f, 0, emblem(kind, double(f) / frames, 48));
    return strip;
}

// ---- the touch strip ----

// Thirty 100 x 100 frames of a ripple: a gold ring and a lilac one spread from the centre,
// with sparks flying out, fading to nothing in the last frame.
QImage touchStrip() {
    constexpr int kFrames = 30, kSide = 100;
    QImage strip = blank(kFrames * kSide, kSide, true);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < kFrames; ++i) {
        const double t = double(i) / (kFrames - 1); // 0 .. 1
        const QPointF c(i * kSide + kSide / 2.0, kSide / 2.0);
        p.save();
        p.setClipRect(QRectF(i * kSide, 0, kSide, kSide));
        const double fade = 1 - t;
        // The flash at the touch.
        QRadialGradient flash(c, 8 + 20 * t);
        flash.setColorAt(0, QColor(255, 245, 200, static_cast<int>(200 * fade * fade)));
        flash.setColorAt(1, QColor(255, 245, 200, 0));
        p.fillRect(QRectF(c.x() - 50, 0, kSide, kSide), flash);
        // Two rings, the lilac one a little behind.
        const double r1 = 5 + 41 * std::sqrt(t);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 214, 90, static_cast<int>(255 * fade)), 1 + 4 * fade));
        p.drawEllipse(c, r1, r1);
        const double t2 = std::max(0.0, (t - 0.15) / 0.85);
        if (t > 0.15) {
            const double r2 = 4 + 34 * std::sqrt(t2);
            p.setPen(
                QPen(QColor(200, 120, 255, static_cast<int>(230 * (1 - t2))), 1 + 3 * (1 - t2)));
            p.drawEllipse(c, r2, r2);
        }
        // Eight sparks, turning as they fly.
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4 + t * 0.8;
            const double d = 8 + 38 * t;
            const QPointF q = c + QPointF(std::cos(a) * d, std::sin(a) * d);
            const double r = 2.6 * fade + 0.4;
            p.setBrush(k % 2 ? QColor(255, 240, 170, static_cast<int>(255 * fade))
                             : QColor(230, 170, 255, static_cast<int>(255 * fade)));
            QPainterPath sp;
            sp.moveTo(q + QPointF(0, -2.2 * r));
            sp.lineTo(q + QPointF(r * 0.6, 0));
            sp.lineTo(q + QPointF(0, 2.2 * r));
            sp.lineTo(q + QPointF(-r * 0.6, 0));
            sp.closeSubpath();
            sp.moveTo(q + QPointF(-2.2 * r, 0));
            sp.lineTo(q + QPointF(0, r * 0.6));
            sp.lineTo(q + QPointF(2.2 * r, 0));
            sp.lineTo(q + QPointF(0, -r * 0.6));
            sp.closeSubpath();
            p.drawPath(sp);
        }
        p.restore();
    }
    return strip;
}

// ---- headers ----

// The purple design's header: the title centred on the ribbon line, between two gold suits,
// on a transparent ground (it lies over the window's background, or over the red ribbon in the
// ribbon design). Title and suits stay within `room` pixels so that they fit the ribbon; in a
// narrow window they keep clear of the icon at (35, 22) (`besideIcon`): centred and narrower
// where that leaves room enough, else moved right of the icon.
QImage formHeader(const QString& title, int w, int h, int room, bool besideIcon) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    double centre = w / 2.0;
    if (besideIcon && w < 360) {
        room = std::min(room, w - 96);
        centre = 88 + room / 2.0;
    } else if (besideIcon) {
        room = std::min(room, std::max(2 * (w / 2 - 88), 170));
    }
    const double mid = h * 0.52, sz = h * 0.16;
    const double textRoom = room - 3.6 * sz;
    const QRectF band(centre - room / 2.0, mid - h * 0.22, room, h * 0.44);
    goldTitle(p, band, title, h * 0.34, textRoom);
    QFont f = serifFont(h * 0.34, true);
    QPainterPath path;
    path.addText(0, 0, f, title);
    const double half = std::min(path.boundingRect().width(), textRoom) / 2;
    for (int side : {-1, 1}) {
        const double x = centre + side * (half + sz * 1.1);
        p.setPen(QPen(kGoldDark, 0.8));
        p.setBrush(side < 0 ? QColor(235, 50, 60) : kGoldLight);
        p.drawPath(suitPath(side < 0 ? 0 : 3, QRectF(x - sz / 2, mid - sz / 2, sz, sz)));
    }
    return img;
}

// The concise grey design's header: a glossy purple plaque with the title in gold.
QImage conciseHeader(const QString& title, int w, int h) {
    QImage img = blank(w, h, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    glossyRoundRect(p, QRectF(1, 3, w - 2, h - 6), h * 0.3, QColor(110, 20, 160), kGoldDark);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 6.5, w - 9, h - 13), h * 0.22, h * 0.22);
    goldTitle(p, QRectF(0, 0, w, h), title, h * 0.5, w - 40);
    return img;
}

// ---- the world top ten's category buttons ----

QImage categoryButton(int category, double t) {
    const int s = 70;
    QImage img = blank(s, s, true);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    glossyRoundRect(p, QRectF(2, 2, s - 4, s - 4), 14, QColor(112, 18, 170), kGoldDark);
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 5, s - 10, s - 10), 11, 11);
    // The platform behind the category, and what is counted.
    static const char* const kIcons[7] = {"Account48", "Account48", "Windows", "Android",
                                          "Windows",   "Windows",   "Windows"};
    static const char* const kMarks[7] = {"R", "S", "S", "S", "T", "PC", "N"};
    const double bob = 2 * std::sin(t * 2 * M_PI);
    const QImage ic = icon(QString::fromLatin1(kIcons[category - 1]), 34, 34);
    p.drawImage(QPointF(10, 11 + bob), ic);
    QImage mark = blank(30, 30, true);
    {
        QPainter m(&mark);
        m.setRenderHint(QPainter::Antialiasing);
        glossyDisc(m, QRectF(1, 1, 28, 28), kGold);
        outlinedText(m, QRectF(0, 0, 30, 30), QString::fromLatin1(kMarks[category - 1]),
                     sansFont(category == 6 ? 11 : 15, true), kDeep, QColor(255, 240, 200), 0.8);
    }
    p.drawImage(QPointF(36, 36 - bob), mark);
    // A shine passing over the button.
    const double x = -30 + 130 * t;
    QLinearGradient shine(x - 12, 0, x + 12, s);
    shine.setColorAt(0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.5, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(QRectF(0, 0, s, s), shine);
    return img;
}

// ---- what the pack holds ----

// The auxiliary windows that carry the purple design: their name part, the word of their
// title, the size of their background (at least the window's client area) and the frames of
// their icon strip.
struct TWindowArt {
    const char* part;
    const WordEntry* title;
    int width, height, iconFrames;
};

const TWindowArt kWindows[] = {
    {"Opt", &words::Options, 500, 420, 10},
    {"Speed", &words::ChoiceOfSpeed, 320, 260, 10},
    {"TopTen", &words::TopTen, 800, 720, 10},
    {"EndGame", &words::CompletionOfGame, 600, 560, 10},
    {"Count", &words::InformationAboutGame, 440, 460, 10},
    {"History", &words::HistoryOfGames, 900, 540, 10},
    {"Password", &words::Welcome, 380, 360, 10},
    {"ServerW", &words::WorldTopTen, 325, 340, 10},
    {"Stat", &words::WorldStats, 440, 560, 19},
    {"Chat", &words::ZovGamesChat, 800, 680, 10},
};

// The eight languages with pictures of their own, in word-table order.
const char* const kCodes[8] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

} // namespace

bool addGraphics(TPackWriter& writer, const TBuildOptions& options, std::string& why) {
    bool ok = true;
    const auto png = [&](const QString& name, const QImage& image) {
        ok = ok && writer.addRcData(name.toStdString(), pngBytes(image));
    };
    const auto jpeg = [&](const QString& name, const QImage& image) {
        auto bytes = jpegBytes(image);
        if (bytes.empty()) {
            why = "this Qt cannot write JPEG pictures";
            ok = false;
            return;
        }
        ok = ok && writer.addJpeg(name.toStdString(), std::move(bytes));
    };
    const auto gif = [&](const QString& name, const QList<QImage>& frames, int delay) {
        auto bytes = gifBytes(frames, delay);
        if (bytes.empty()) {
            why = "cannot encode the GIF animation " + name.toStdString();
            ok = false;
            return;
        }
        ok = ok && writer.addGif(name.toStdString(), std::move(bytes));
    };

    // The purple background of the main window, at the largest window's size (it is stretched
    // to the client size).
    jpeg(QStringLiteral("BGLilu"), purpleBackdrop(1520, 1000, 7, false));
    png(QStringLiteral("GTouch"), touchStrip());

    for (const TWindowArt& win : kWindows) {
        const QString part = QString::fromLatin1(win.part);
        jpeg(QStringLiteral("GForm") + part,
             purpleBackdrop(win.width, win.height, qHash(part), true));
        for (int lang = 0; lang < 8; ++lang) {
            const QString title = qs(win.title->text[static_cast<std::size_t>(lang)]);
            png(QStringLiteral("GForm") + part + QLatin1String(kCodes[lang]),
                formHeader(title, win.width, 100, 236, true));
            // The concise design's header, named after the English title word.
            png(qs(win.title->text[0]) + QLatin1String(kCodes[lang]),
                conciseHeader(title, 300, 48));
        }
        png(QStringLiteral("GIcon48") + part, iconStrip(part, win.iconFrames));
        if (!ok) break;
    }
    // The world top ten's own icon strip, and the headers the online windows name directly.
    png(QStringLiteral("GIcon48WT"), iconStrip(QStringLiteral("WT"), 20));
    png(QStringLiteral("GFormServerWL"),
        formHeader(qs(words::WorldTopTen.text[0]), 380, 120, 320, false));
    png(QStringLiteral("GFormStatL"),
        formHeader(qs(words::WorldStats.text[0]), 360, 100, 300, false));
    png(QStringLiteral("GFormChatL"),
        formHeader(qs(words::ZovGamesChat.text[0]), 380, 120, 320, false));
    png(QStringLiteral("WorldTopTen1"), conciseHeader(qs(words::WorldTopTen.text[0]), 300, 48));
    png(QStringLiteral("WorldTopTen2"), conciseHeader(qs(words::WorldTopTen.text[0]), 300, 48));
    png(QStringLiteral("WorldStats"), conciseHeader(qs(words::WorldStats.text[0]), 300, 48));
    for (int lang = 0; lang < 8; ++lang)
        png(QStringLiteral("ZovGamesChat") + QLatin1String(kCodes[lang]),
            conciseHeader(qs(words::ZovGamesChat.text[static_cast<std::size_t>(lang)]), 300, 48));

    // The seven category buttons and the laurel animation of the world top ten.
    const int buttonFrames = options.quick ? 6 : 16;
    for (int k = 1; k <= 7; ++k) {
        QList<QImage> frames;
        for (int f = 0; f < buttonFrames; ++f)
            frames << categoryButton(k, double(f) / buttonFrames);
        gif(QStringLiteral("Gif") + QChar(u'A' + k - 1), frames, 70);
    }
    {
        QList<QImage> frames;
        const int n = options.quick ? 6 : 16;
        for (int f = 0; f < n; ++f) frames << animation(QStringLiteral("GTopTen"), f, n, 240, 120);
        gif(QStringLiteral("GTopTen"), frames, 80);
    }
    // The menu's advert icons, as the program draws its own.
    for (const char* n : {"AdvGiftR", "AdvGiftG", "Android", "GooglePlay", "Earth48", "Stats",
                          "Account48", "Windows", "AdvButR", "AdvButG", "GChat048"}) {
        const QImage own = builtinPicture(QString::fromLatin1(n));
        if (!own.isNull()) png(QString::fromLatin1(n), own);
    }
    if (!ok && why.empty()) why = "a second resource of the same name";
    return ok;
}

} // namespace vantor::tool
