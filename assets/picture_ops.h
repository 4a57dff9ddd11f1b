#pragma once
// Small picture operations shared by everything that draws: recolouring by caption style,
// bilinear resampling and smooth scaling of card pictures with rounded corners.

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

namespace vantor {

// Recolours every pixel of the picture by caption style 2..7, alpha untouched. Other styles
// leave the picture as it is.
void RecolourPng(QImage& picture, int style);

// Bilinear resampling in place, the rule every scaled picture of the window follows.
// Accepts RGB pictures (Format_RGB32, Format_RGB888) and pictures with alpha (ARGB32 and
// its premultiplied form, RGBA8888); anything else fails with the message in *error and
// leaves the picture unchanged. Pictures or targets of one pixel or less in either dimension
// are left unchanged (that is not a failure). The result is Format_ARGB32.
bool ResizePng(QImage& picture, int width, int height, QString* error = nullptr);

inline constexpr const char* kResizeFormatError =
    "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

// The picture smoothly scaled to size with the corners outside a rounded rectangle of the
// given corner ellipse made transparent. A picture already of that size comes back as it is.
QImage scaledWithRoundedCorners(const QImage& picture, QSize size, int cornerEllipse);

// Keeps scaled pictures by key and size, so drawing a card at window scale costs one blit.
class TScaledPictureCache {
public:
    // The picture under key at size; scaled (rounded corners) and kept on first use.
    const QImage& get(const QString& key, const QImage& source, QSize size, int cornerEllipse);
    void clear() { entries.clear(); }
    int count() const { return static_cast<int>(entries.size()); }

private:
    QHash<QString, QImage> entries;
};

} // namespace vantor
