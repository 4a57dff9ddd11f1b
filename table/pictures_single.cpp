// Single pictures from a pack or the program's own resources, and drawing a picture at a size.
#include "assets/builtin_pictures.h"
#include "base/rounding.h"
#include "i18n/word.h"
#include "i18n/words.h"
#include "packs/pack.h"
#include "table/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <optional>
#include <vector>

namespace vantor {
namespace {

enum class TKind { Png, Jpeg, Gif };

// The resource's bytes, or nullopt when the pack is missing, unreadable or lacks it.
std::optional<std::vector<std::uint8_t>> packBytes(const QString& name, const QString& packFile,
                                                   TKind kind) {
    TPack pack;
    if (pack.openPack(packFile.toStdString()) != TPackStatus::Ok) return std::nullopt;
    const std::string resource = name.toStdString();
    switch (kind) {
    case TKind::Png:
        return pack.readRcData(resource);
    case TKind::Jpeg:
        return pack.readJpeg(resource);
    case TKind::Gif:
        return pack.readGif(resource);
    }
    return std::nullopt;
}

bool decodeInto(const std::vector<std::uint8_t>& bytes, const char* format, QImage& picture) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), format) || image.isNull())
        return false;
    picture = std::move(image);
    return true;
}

bool loadStill(const QString& name, const QString& packFile, TKind kind, QImage& picture) {
    if (packFile.isEmpty()) {
        QImage own = builtinPicture(name);
        if (own.isNull()) return false;
        picture = std::move(own);
        return true;
    }
    const auto bytes = packBytes(name, packFile, kind);
    return bytes && decodeInto(*bytes, kind == TKind::Png ? "PNG" : "JPEG", picture);
}

// Frames a picture shows when it names no delay of its own.
constexpr int kDefaultFrameDelay = 100;
// A GIF of more frames than this is taken as damaged rather than read on and on.
constexpr int kMaxGifFrames = 4096;

} // namespace

bool LoadPackPng(const QString& name, const QString& packFile, QImage& picture) {
    return loadStill(name, packFile, TKind::Png, picture);
}

bool LoadPackJpeg(const QString& name, const QString& packFile, QImage& picture) {
    return loadStill(name, packFile, TKind::Jpeg, picture);
}

bool LoadPackGif(const QString& name, const QString& packFile, TAnimation& animation) {
    TAnimation read;
    if (packFile.isEmpty()) {
        read.frames = builtinAnimation(name);
        for (qsizetype i = 0; i < read.frames.size(); ++i) read.delays.append(kDefaultFrameDelay);
    } else {
        const auto bytes = packBytes(name, packFile, TKind::Gif);
        if (!bytes || bytes->size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
            return false;
        QByteArray data(reinterpret_cast<const char*>(bytes->data()),
                        static_cast<qsizetype>(bytes->size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "GIF");
        while (read.frames.size() < kMaxGifFrames) {
            QImage frame = reader.read();
            if (frame.isNull()) break;
            const int delay = reader.nextImageDelay();
            read.frames.append(std::move(frame));
            read.delays.append(delay > 0 ? delay : kDefaultFrameDelay);
            if (!reader.canRead()) break;
        }
    }
    if (read.isEmpty()) return false;
    animation = std::move(read);
    return true;
}

void DrawPictureAtSize(int x, int y, const QImage& picture, int width, int height, QPainter& canvas,
                       int cornerEllipse) {
    if (picture.isNull() || width <= 0 || height <= 0) return;
    if (picture.size() == QSize(width, height)) {
        canvas.drawImage(x, y, picture);
        return;
    }
    canvas.drawImage(x, y, scaledWithRoundedCorners(picture, QSize(width, height), cornerEllipse));
}

void DrawPictureAtSize(int x, int y, const QImage& picture, int width, int height, QPainter& canvas,
                       int cornerEllipse, TScaledPictureCache& cache, const QString& key) {
    if (picture.isNull() || width <= 0 || height <= 0) return;
    if (picture.size() == QSize(width, height)) {
        canvas.drawImage(x, y, picture);
        return;
    }
    canvas.drawImage(x, y, cache.get(key, picture, QSize(width, height), cornerEllipse));
}

int faceIndexOf(const TCardCode& code) {
    if (!isCardCode(code)) return -1;
    if (code.isJoker()) return code.chars[1] == '2' ? 52 : 53;
    const int value = cardValue(code); // 1 the 3s ... 12 the aces, 13 the 2s
    const int group = value == 13 ? 0 : value;
    int suit = 0;
    while (kSuits[static_cast<std::size_t>(suit)] != code.chars[1]) ++suit;
    return group * 4 + suit;
}

QColor windowColourFor(const TSettings& settings) {
    // $BBGGRR values of the colour list, and the purple of the purple menu design.
    static constexpr unsigned colours[7] = {0x008000, 0x000080, 0x004080, 0x008080,
                                            0x808000, 0x800000, 0x800080};
    unsigned bgr = 0x008000;
    if (settings.MenuDesign == 1)
        bgr = 0xC80078;
    else if (settings.Background != 0 && settings.BackgroundColour >= 0 &&
             settings.BackgroundColour <= 6)
        bgr = colours[settings.BackgroundColour];
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF),
                  static_cast<int>(bgr >> 16 & 0xFF));
}

QString missingPackText(const QString& packFile) {
    const std::string_view text = Word(words::CantFindTheFile);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + QLatin1Char(' ') +
           packFile;
}

} // namespace vantor
