#include "assets/art.h"
#include "assets/button_shading.h"

#include <QLinearGradient>
#include <array>

namespace vantor {

namespace {

constexpr std::array<unsigned, 29> kRows30 = {
    0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7, 0x9191CF, 0x8888C8,
    0x7F7FC2, 0x7575BC, 0x6C6CB8, 0x6363B4, 0x5959B2, 0x5050B0, 0x242498, 0x000088,
    0x000090, 0x000099, 0x0000A1, 0x0000AA, 0x0000B2, 0x0000BB, 0x0000C3, 0x0000CC,
    0x0000D4, 0x0000DD, 0x0000E5, 0x0000EE, 0x000080};

constexpr std::array<unsigned, 44> kRows45 = {
    0x000080, 0x00000B, 0x5D5D84, 0xB4B4EF, 0xAFAFE9, 0xA9A9E3, 0xA2A2DD, 0x9C9CD7, 0x9696D2,
    0x9090CE, 0x8B8BC9, 0x8585C4, 0x7F7FC1, 0x7979BD, 0x7373BA, 0x6D6DB7, 0x6767B5, 0x6161B2,
    0x5B5BB2, 0x5555B0, 0x4F4FB0, 0x4A4AAF, 0x222299, 0x000088, 0x00008D, 0x000093, 0x000099,
    0x00009E, 0x0000A4, 0x0000AA, 0x0000AF, 0x0000B5, 0x0000BB, 0x0000C0, 0x0000C6, 0x0000CC,
    0x0000D1, 0x0000D7, 0x0000DD, 0x0000E3, 0x0000E8, 0x0000EE, 0x0000F4, 0x000080};

constexpr std::array<unsigned, 59> kRows60 = {
    0x000080, 0x000009, 0x5E5E83, 0xB7B7F3, 0xB2B2ED, 0xAEAEE8, 0xA9A9E4, 0xA5A5E0, 0x9F9FDB,
    0x9C9CD6, 0x9797D2, 0x9393CE, 0x8E8ECA, 0x8A8AC7, 0x8686C4, 0x8181C1, 0x7D7DBE, 0x7878BD,
    0x7474B9, 0x6F6FB7, 0x6B6BB5, 0x6666B4, 0x6161B1, 0x5D5DB0, 0x5959AF, 0x5454AE, 0x5050AD,
    0x4B4BAC, 0x4747AC, 0x212196, 0x000084, 0x000088, 0x00008C, 0x000090, 0x000094, 0x000099,
    0x00009D, 0x0000A1, 0x0000A5, 0x0000AA, 0x0000AE, 0x0000B2, 0x0000B6, 0x0000BB, 0x0000BF,
    0x0000C3, 0x0000C8, 0x0000CC, 0x0000D0, 0x0000D4, 0x0000D9, 0x0000DD, 0x0000E1, 0x0000E5,
    0x0000EA, 0x0000EE, 0x0000F2, 0x0000F6, 0x000080};

} // namespace

std::span<const unsigned> buttonShadingTable(int classHeight) {
    switch (classHeight) {
    case 30:
        return kRows30;
    case 45:
        return kRows45;
    case 60:
        return kRows60;
    default:
        return {};
    }
}

namespace art {

namespace {

// The "new buttons" bar: a rounder pill whose gloss is a light red, close enough to pure red
// that the "new buttons" recolouring turns it into a light tone of every scheme.
QColor nataRow(int row, int rows) {
    if (row == 0 || row == rows - 1) return QColor(110, 0, 0);
    const double t = double(row) / (rows - 1);
    if (t < 0.46) return mix(QColor(255, 122, 122), QColor(238, 64, 64), t / 0.46);
    return mix(QColor(196, 0, 0), QColor(252, 24, 24), (t - 0.46) / 0.54);
}

QColor rowColour(bool nata, int row, int rows) {
    if (nata) return nataRow(row, rows);
    const auto table = buttonShadingTable(rows + 1);
    return bgr(table[static_cast<size_t>(row)]);
}

} // namespace

QImage buttonPart(bool nata, int rows, char part) {
    const int capW = rows == 29 ? 8 : (rows == 44 ? 13 : 17);
    const int w = part == '2' ? 2 : capW;
    QImage img = blank(w, rows, true);
    // Shaded rows; the caps darken towards their outer edge so the bar reads as round.
    for (int y = 0; y < rows; ++y) {
        const QColor c = rowColour(nata, y, rows);
        for (int x = 0; x < w; ++x) {
            double shade = 1.0;
            if (part != '2') {
                const double fromEdge = part == 'L' ? x + 0.5 : w - x - 0.5;
                shade = 0.72 + 0.28 * std::min(1.0, fromEdge / (w * 0.8));
            }
            img.setPixelColor(
                x, y, QColor(int(c.red() * shade), int(c.green() * shade), int(c.blue() * shade)));
        }
    }
    if (part == '2') return img;
    // Cut the rounded end out of the shaded block and outline it in the bar's dark red.
    const double ry = nata ? rows / 2.0 : std::min(rows / 2.0, capW * 1.1);
    const double rx = capW;
    QPainterPath shape;
    const QRectF body = part == 'L' ? QRectF(0.5, 0.5, w + rx + 2, rows - 1.0)
                                    : QRectF(-rx - 2.5, 0.5, w + rx + 2, rows - 1.0);
    shape.addRoundedRect(body, rx, ry);
    QImage mask = blank(w, rows, true);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(shape);
    }
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(nata ? QColor(110, 0, 0) : bgr(0x000080), 1.0));
    p.drawPath(shape);
    return img;
}

} // namespace art
} // namespace vantor
