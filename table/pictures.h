#pragma once
// The card faces, card backs and background of the main window, loaded from the packs or from
// the program's own pictures, with the fallbacks a missing pack brings: the setting that needed
// the pack goes back to the program's own choice (and is saved so), and the player is told once
// per loading operation which file is missing.
//
// The main window owns one TPictures. After every change of window size it calls setWindow(),
// then LoadBackground() and LoadFaceSet() (which loads the backs too); before every deal
// ChooseDealBack(). Drawing asks for face(), back() (the pictures as loaded) or drawFace() and
// drawBack(), which draw at the card size with the scaled copy kept between draws.

#include "assets/picture_ops.h"
#include "engine/cards.h"
#include "settings/settings.h"

#include <QColor>
#include <QDate>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <set>
#include <string>

class QPainter;
class QWidget;

namespace vantor {

// --- Single pictures ------------------------------------------------------------------------

// One picture by name from a pack (a raw-data PNG, a "JPEG" or a "GIF" resource), or from the
// program's own pictures when packFile is empty. False, with the picture left as it was and
// nothing shown, when the pack cannot be found or read, or holds no such picture that decodes.
bool LoadPackPng(const QString& name, const QString& packFile, QImage& picture);
bool LoadPackJpeg(const QString& name, const QString& packFile, QImage& picture);

// An animation's frames and the time each is shown (milliseconds).
struct TAnimation {
    QList<QImage> frames;
    QList<int> delays;
    bool isEmpty() const { return frames.isEmpty(); }
};
bool LoadPackGif(const QString& name, const QString& packFile, TAnimation& animation);

// Draws the picture at (x, y) at width x height. At its own size it is drawn as it is;
// otherwise it is laid on black, smoothly scaled, and drawn with the corners outside a rounded
// rectangle of corner ellipse cornerEllipse left transparent, so what lies under them shows.
void DrawPictureAtSize(int x, int y, const QImage& picture, int width, int height, QPainter& canvas,
                       int cornerEllipse);
// The same, keeping the scaled picture in `cache` under `key` for the next draw.
void DrawPictureAtSize(int x, int y, const QImage& picture, int width, int height, QPainter& canvas,
                       int cornerEllipse, TScaledPictureCache& cache, const QString& key);

// Position 0..53 of a card code in the face cache (the order of the deck numbers 1..54:
// the 2s of hearts, diamonds, clubs, spades, then the 3s, ..., the aces, "j2", "j3"); -1 for
// anything that is no card.
int faceIndexOf(const TCardCode& code);

// The main window's own colour behind the background picture, from BackgroundColour, Background
// and MenuDesign.
QColor windowColourFor(const TSettings& settings);

// "Can`t find the file" in the current language, a blank and the file name.
QString missingPackText(const QString& packFile);

// --- The main window's pictures ---------------------------------------------------------------

class TPictures {
public:
    // Works on `settings` (the program's own Settings by default): the loaders read CardDeck,
    // CardBack, Background, ... from it and write the fallback values back into it.
    explicit TPictures(TSettings& settings = Settings);

    // Shows the missing-pack notice; by default the notice window (ShowNotice) over `parent`.
    using TNotice = std::function<void(const QString& line)>;
    void setNotice(TNotice notice) { notice_ = std::move(notice); }
    void setNoticeParent(QWidget* parent) { noticeParent_ = parent; }
    // Today's date for the back of a deal, and a random back 1..n; tests fix both. By default
    // the system clock, and a generator reseeded from the clock for every deal.
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }
    void setRandomBack(std::function<int(int n)> random) { random_ = std::move(random); }

    // The window the pictures are for: WindowSize 1..5, the client size and the uniform scale
    // k. Decides the card drawing mode (1 below k 1.3, 0 below 2, 2 from 2 on); the card size
    // follows once the face set is loaded. Drops the scaled copies.
    void setWindow(int windowSize, QSize clientSize, double k);

    // Loads the face set CardDeck for the current drawing mode into the face cache, sets the
    // width flag and the card width, and loads the back set. False when the set's pack is
    // missing (CardDeck is then 0 and the program's own faces are loaded), and false too when
    // the backs could not be had for a narrow set and took the faces back to set 0 with them.
    bool LoadFaceSet();
    // Loads the backs of the set CardBack for the current mode and width. False when
    // "ZovCards06B.dll" is needed and missing: CardBack is then 0 and the program's own backs
    // are loaded; with narrow faces in the large modes, which the program's own backs do not
    // fit, CardDeck becomes 0 as well and the wide faces of set 0 are loaded.
    bool LoadBackSet();
    // The back (1..10) of the coming deal: the day of the week, 7 with CardBackAlwaysOne, a
    // random one of ten for the sets of ten backs.
    void ChooseDealBack();
    // Loads the background, the purple design's picture when `purple`, at the client size.
    // False when a needed pack is missing (with the fallbacks that brings) or the pack lacks
    // the picture (the program's own felt is shown then, the settings stay).
    bool LoadBackground(bool purple);

    // 1 small cards drawn 1:1, 0 and 2 large cards drawn from PNG pictures at the card size.
    int drawingMode() const { return mode_; }
    bool wideSet() const { return wide_; }
    QSize cardSize() const { return cardSize_; }
    double scaleK() const { return k_; }
    // The corner ellipse of a scaled card: ScaleK(8).
    int cornerEllipse() const;

    // The face of a card as loaded: a 69 x 94 bitmap in mode 1, the PNG picture in modes 0 and
    // 2. A null image for a code that is no card.
    QImage face(const TCardCode& code) const;
    // The current back as loaded (1..10, limited to the backs the set has).
    QImage back() const;
    QImage backNumber(int back) const;
    int currentBack() const { return currentBack_; }
    int backCount() const { return static_cast<int>(backs_.size()); }
    // The background picture at the client size (null while none was loaded).
    const QImage& background() const { return background_; }
    // Whether the background in memory is the purple design's picture.
    bool backgroundIsPurple() const { return backgroundPurple_; }

    // The face or back at the card size: scaled once with the rounded corners left
    // transparent and kept until the set, the back or the window changes.
    const QImage& faceAtCardSize(const TCardCode& code);
    const QImage& backAtCardSize();
    // Draw them for a card at (x, y): in the large modes the picture at the card size at (x, y);
    // in mode 1 the bitmap at (x + 1, y + 1), inside the outline the caller draws.
    void drawFace(QPainter& canvas, int x, int y, const TCardCode& code);
    void drawBack(QPainter& canvas, int x, int y);

private:
    struct TOperation; // one loading operation: the packs already reported missing

    bool loadFaceSet();
    bool loadBackSet();
    void reportMissing(const QString& packFile);
    void updateCardSize();

    TSettings& settings_;
    TNotice notice_;
    QWidget* noticeParent_ = nullptr;
    std::function<QDate()> today_;
    std::function<int(int)> random_;

    int windowSize_ = 1;
    QSize client_{760, 500};
    double k_ = 1.0;
    int mode_ = 1;
    bool wide_ = true;
    QSize cardSize_{71, 96};

    std::array<QImage, kDeckSize> faces_;
    std::array<QImage, kDeckSize> scaledFaces_;
    std::vector<QImage> backs_;
    QImage scaledBack_;
    int scaledBackNumber_ = 0;
    int currentBack_ = 1;
    QImage background_;
    bool backgroundPurple_ = false;

    int depth_ = 0;                  // nesting of loading operations
    std::set<std::string> reported_; // packs reported missing in the running operation
};

} // namespace vantor
