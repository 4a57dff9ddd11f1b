#pragma once
// The program's own pictures, drawn by code and registered under their resource names.
// Lookup ignores case, as resource names do. Every picture is drawn on first request and kept.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vantor {

// How a resource is stored: small card pictures are bitmaps (opaque), most pictures are PNG
// with alpha, backgrounds are JPEG (opaque), animations are GIF (frames with alpha), cursors
// are pictures with a hot spot.
enum class TBuiltinKind { Bitmap, Png, Jpeg, Gif, Cursor };

struct TBuiltinInfo {
    QString name; // as the program spells it
    QSize size;
    TBuiltinKind kind = TBuiltinKind::Png;
    int frames = 1; // more than one for animations and animated cursors
    QPoint hotSpot; // cursors only
};

// Every registered resource name, in registration order.
QStringList builtinPictureNames();

// Whether a name is registered (case-insensitive) and its description; an unknown name gives
// an info with an empty name.
bool builtinPictureExists(const QString& name);
TBuiltinInfo builtinPictureInfo(const QString& name);

// The picture (the first frame of an animation); a null image for an unknown name.
// Bitmaps and JPEG pictures are Format_RGB32, the rest Format_ARGB32_Premultiplied.
QImage builtinPicture(const QString& name);

// All frames of an animation or animated cursor (one frame for a still picture, none for an
// unknown name).
QList<QImage> builtinAnimation(const QString& name);

// The image lists of the main window: the six continent flag lists "ILEuro", "ILAsia",
// "ILNAme", "ILSAme", "ILOcea", "ILAfri" (14 x 12 each), "ILPointers" (20 x 30: 0 points down,
// 1 points up), "ILFlames" (six 20 x 30 candle flames on $008000 green, the list's
// transparent colour) and "ILOpening" (four 60 x 70 pictures of the opening screen).
// An unknown list is empty.
QList<QImage> builtinImageList(const QString& listName);
QStringList builtinImageListNames();

// Number of pictures in each continent's flag list (index 0 is "Unknown").
int flagListCount(int continent);

} // namespace vantor
