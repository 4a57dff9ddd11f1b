// The main window's faces, backs and background, and their fallbacks when a pack is missing.
#include "table/pictures.h"

#include "assets/builtin_pictures.h"
#include "base/rounding.h"
#include "packs/card_sets.h"
#include "packs/face_ellipse.h"
#include "packs/pack.h"
#include "table/form_link.h"
#include "table/layout.h"

#include <QPainter>
#include <QtDebug>
#include <chrono>
#include <random>

namespace vantor {
namespace {

constexpr QSize kSmallCard(69, 94);

// Suit and rank (2..14) of face cache position 0..51.
TSuit suitOfIndex(int index) {
    return static_cast<TSuit>(index % 4);
}
int rankOfIndex(int index) {
    const int group = index / 4; // 0 the 2s, 1 the 3s, ..., 12 the aces
    return group == 0 ? 2 : group + 2;
}

std::string faceName(const TFaceSet& set, int index, std::string_view size) {
    if (index >= 52) return jokerResourceName(set, index == 52, size);
    return faceResourceName(set, suitOfIndex(index), rankOfIndex(index), size);
}

QImage decodePng(const std::optional<std::vector<std::uint8_t>>& bytes) {
    QImage image;
    if (!bytes || bytes->empty() ||
        bytes->size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return image;
    image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG");
    return image;
}

// A small card: the picture copied into a 69 x 94 bitmap. What the picture leaves
// transparent (its rounded corners) shows white, the paper of the card.
QImage smallBitmap(const QImage& picture) {
    QImage bitmap(kSmallCard, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter p(&bitmap);
    p.drawImage(0, 0, picture);
    return bitmap;
}

void restoreEllipse(QImage& face) {
    face = face.convertToFormat(QImage::Format_ARGB32);
    invertFaceEllipse(reinterpret_cast<std::uint32_t*>(face.bits()), face.width(), face.height(),
                      static_cast<std::size_t>(face.bytesPerLine() / 4));
}

// The form a cached card is kept in: bitmaps as they are, pictures with alpha premultiplied,
// which is what drawing them needs.
QImage forDrawing(QImage picture, int mode) {
    if (mode == 1)
        return picture.size() == kSmallCard && picture.format() == QImage::Format_RGB32
                   ? picture
                   : smallBitmap(picture);
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage stretched(const QImage& picture, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), picture);
    return out;
}

QImage decodeJpeg(const std::optional<std::vector<std::uint8_t>>& bytes) {
    QImage image;
    if (!bytes || bytes->empty() ||
        bytes->size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return image;
    image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "JPEG");
    return image;
}

bool openOrWarn(TPack& pack, const char* file) {
    const TPackStatus status = pack.openPack(file);
    if (status == TPackStatus::Unreadable)
        qWarning("%s: not a readable pack (%s)", file, pack.error().c_str());
    return status == TPackStatus::Ok;
}

} // namespace

// One loading operation, however deeply the loaders call each other: a missing pack is
// reported once in it.
struct TPictures::TOperation {
    explicit TOperation(TPictures& pictures) : p(pictures) {
        if (p.depth_++ == 0) p.reported_.clear();
    }
    ~TOperation() { --p.depth_; }
    TPictures& p;
};

TPictures::TPictures(TSettings& settings) : settings_(settings) {}

void TPictures::reportMissing(const QString& packFile) {
    if (!reported_.insert(packFile.toStdString()).second) return;
    const QString line = missingPackText(packFile);
    if (notice_)
        notice_(line);
    else
        ShowNotice(line, QString(), QString(), noticeParent_);
}

void TPictures::setWindow(int windowSize, QSize clientSize, double k) {
    windowSize_ = windowSize;
    client_ = clientSize;
    k_ = k;
    updateCardSize();
}

void TPictures::updateCardSize() {
    const TCardSize size = cardSizeFor(k_, wide_);
    mode_ = size.mode;
    cardSize_ = QSize(size.width, size.height);
    for (QImage& scaled : scaledFaces_) scaled = QImage();
    scaledBack_ = QImage();
    scaledBackNumber_ = 0;
}

int TPictures::cornerEllipse() const {
    return static_cast<int>(roundHalfEven(8 * k_));
}

bool TPictures::LoadFaceSet() {
    TOperation operation(*this);
    return loadFaceSet();
}

bool TPictures::LoadBackSet() {
    TOperation operation(*this);
    return loadBackSet();
}

bool TPictures::loadFaceSet() {
    if (settings_.CardDeck < 0 || settings_.CardDeck >= static_cast<int>(faceSets().size()))
        settings_.CardDeck = 0;
    const int asked = settings_.CardDeck;
    const TFaceSet* set = &faceSets()[static_cast<std::size_t>(asked)];
    const TFaceSet& own = faceSets()[0];
    bool found = true;
    TPack pack;
    if (set->number != 0 && !openOrWarn(pack, set->pack)) {
        reportMissing(QString::fromLatin1(set->pack));
        settings_.CardDeck = 0;
        set = &own;
        found = false;
    }
    // The mode is fixed by the window; the width flag by the set.
    mode_ = cardSizeFor(k_, set->wide).mode;
    const std::string_view size = mode_ == 1 ? "" : "B";
    for (int i = 0; i < kDeckSize; ++i) {
        QImage picture;
        if (set->number != 0) {
            picture = decodePng(pack.readRcData(faceName(*set, i, size)));
            // The packs keep the natural faces with an inverted ellipse; the jokers are plain.
            if (!picture.isNull() && i < 52) restoreEllipse(picture);
        }
        // Set 0, or a pack that lacks this card: the program's own face.
        if (picture.isNull())
            picture = builtinPicture(QString::fromStdString(faceName(own, i, size)));
        faces_[static_cast<std::size_t>(i)] = forDrawing(std::move(picture), mode_);
    }
    pack.close();
    wide_ = set->wide;
    updateCardSize();
    // The backs depend on the width of the faces. Should they have to fall back to the wide
    // faces of set 0, the set asked for is not the one in use either.
    loadBackSet();
    return found && settings_.CardDeck == asked;
}

bool TPictures::loadBackSet() {
    if (settings_.CardBack < 0 || settings_.CardBack >= static_cast<int>(backSets().size()))
        settings_.CardBack = 0;
    const TBackSet* set = &backSets()[static_cast<std::size_t>(settings_.CardBack)];
    const TBackSet& own = backSets()[0];
    const bool large = mode_ != 1;
    bool found = true;
    TPack pack;
    if (set->number != 0 || (large && !wide_)) {
        if (!openOrWarn(pack, kFacePackB)) {
            reportMissing(QString::fromLatin1(kFacePackB));
            settings_.CardBack = 0;
            if (large && !wide_) {
                // The program's own backs have no narrow large form: back to the wide faces
                // of set 0, which load the program's own backs in turn.
                settings_.CardDeck = 0;
                loadFaceSet();
                return false;
            }
            set = &own;
            found = false;
        }
    }
    const bool fromPack = pack.isOpen();
    const std::string_view size = !large ? "" : wide_ || !fromPack ? "B" : "U";
    const std::string_view ownSize = large ? "B" : "";
    backs_.assign(static_cast<std::size_t>(set->backs), QImage());
    for (int b = 1; b <= set->backs; ++b) {
        QImage picture;
        if (fromPack) picture = decodePng(pack.readRcData(backResourceName(*set, b, size)));
        // Set 0 in its own sizes, or a pack that lacks this back: the program's own back.
        if (picture.isNull())
            picture = builtinPicture(
                QString::fromStdString(backResourceName(own, (b - 1) % own.backs + 1, ownSize)));
        backs_[static_cast<std::size_t>(b - 1)] = forDrawing(std::move(picture), mode_);
    }
    pack.close();
    scaledBack_ = QImage();
    scaledBackNumber_ = 0;
    return found;
}

void TPictures::ChooseDealBack() {
    const QDate today = today_ ? today_() : QDate::currentDate();
    int back = today.isValid() ? today.dayOfWeek() : 1; // Monday 1 ... Sunday 7
    if (settings_.CardBackAlwaysOne) back = 7;
    if (settings_.CardBack >= 8 && settings_.CardBack <= 11) {
        if (random_) {
            back = random_(10);
        } else {
            std::mt19937 generator(static_cast<std::mt19937::result_type>(
                std::chrono::high_resolution_clock::now().time_since_epoch().count()));
            back = std::uniform_int_distribution<int>(1, 10)(generator);
        }
    }
    currentBack_ = std::clamp(back, 1, 10);
}

bool TPictures::LoadBackground(bool purple) {
    TOperation operation(*this);
    bool ok = true;
    if (purple) {
        TPack pack;
        if (!openOrWarn(pack, kGraphicsPack)) {
            reportMissing(QString::fromLatin1(kGraphicsPack));
            settings_.AuxDesignAlt = false;
            settings_.MenuDesign = 0;
            settings_.TableDesign = 0;
            ok = false;
        } else {
            const QImage picture = decodeJpeg(pack.readJpeg("BGLilu"));
            if (!picture.isNull()) {
                background_ = stretched(picture, client_);
                backgroundPurple_ = true;
                return true;
            }
            // A graphics pack without the picture: the ordinary background, designs kept.
            ok = false;
        }
    }
    if (settings_.Background == 0) return ok;
    if (settings_.Background < 1 || settings_.Background > 10 || settings_.BackgroundColour < 0 ||
        settings_.BackgroundColour > 6) {
        settings_.Background = 2;
        settings_.BackgroundColour = 0;
    }
    const bool large = windowSize_ != 1;
    QImage picture;
    if (settings_.Background != 2 || settings_.BackgroundColour != 0) {
        TPack pack;
        if (!openOrWarn(pack, kBackgroundPack)) {
            reportMissing(QString::fromLatin1(kBackgroundPack));
            settings_.Background = 2;
            settings_.BackgroundColour = 0;
            ok = false;
        } else {
            picture = decodeJpeg(pack.readJpeg(
                backgroundResourceName(settings_.Background, settings_.BackgroundColour, large)));
            // A pack without this picture shows the felt for now; the choice is kept.
            if (picture.isNull()) ok = false;
        }
    }
    if (picture.isNull()) picture = builtinPicture(large ? "FonGB" : "FonG");
    background_ =
        large ? stretched(picture, client_) : picture.convertToFormat(QImage::Format_RGB32);
    backgroundPurple_ = false;
    return ok;
}

QImage TPictures::face(const TCardCode& code) const {
    const int index = faceIndexOf(code);
    return index < 0 ? QImage() : faces_[static_cast<std::size_t>(index)];
}

QImage TPictures::backNumber(int back) const {
    if (backs_.empty()) return QImage();
    const int n = std::clamp(back, 1, static_cast<int>(backs_.size()));
    return backs_[static_cast<std::size_t>(n - 1)];
}

QImage TPictures::back() const {
    return backNumber(currentBack_);
}

const QImage& TPictures::faceAtCardSize(const TCardCode& code) {
    static const QImage none;
    const int index = faceIndexOf(code);
    if (index < 0) return none;
    const QImage& picture = faces_[static_cast<std::size_t>(index)];
    if (mode_ == 1 || picture.isNull() || picture.size() == cardSize_) return picture;
    QImage& scaled = scaledFaces_[static_cast<std::size_t>(index)];
    if (scaled.isNull()) scaled = scaledWithRoundedCorners(picture, cardSize_, cornerEllipse());
    return scaled;
}

const QImage& TPictures::backAtCardSize() {
    static const QImage none;
    if (backs_.empty()) return none;
    const int n = std::clamp(currentBack_, 1, static_cast<int>(backs_.size()));
    const QImage& picture = backs_[static_cast<std::size_t>(n - 1)];
    if (mode_ == 1 || picture.size() == cardSize_) return picture;
    if (scaledBackNumber_ != n || scaledBack_.isNull()) {
        scaledBack_ = scaledWithRoundedCorners(picture, cardSize_, cornerEllipse());
        scaledBackNumber_ = n;
    }
    return scaledBack_;
}

void TPictures::drawFace(QPainter& canvas, int x, int y, const TCardCode& code) {
    const QImage& picture = faceAtCardSize(code);
    if (picture.isNull()) return;
    if (mode_ == 1)
        canvas.drawImage(x + 1, y + 1, picture);
    else
        canvas.drawImage(x, y, picture);
}

void TPictures::drawBack(QPainter& canvas, int x, int y) {
    const QImage& picture = backAtCardSize();
    if (picture.isNull()) return;
    if (mode_ == 1)
        canvas.drawImage(x + 1, y + 1, picture);
    else
        canvas.drawImage(x, y, picture);
}

} // namespace vantor
