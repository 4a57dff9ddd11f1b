#include "assets/builtin_pictures.h"

#include "assets/art.h"

#include <QHash>
#include <functional>
#include <mutex>
#include <vector>

namespace vantor {

namespace {

using TDraw = std::function<QImage(int frame, int frames)>;

struct TEntry {
    TBuiltinInfo info;
    TDraw draw;
};

// The eight short language codes that have pictures of their own.
const char* const kPictureLanguages[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

QString captionFor(const QString& kind, const QString& code) {
    static const QHash<QString, QStringList> texts = {
        // Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze
        {QStringLiteral("Cap"),
         {QStringLiteral("VANTOR"), QStringLiteral("ВАНТОР"), QStringLiteral("VANTOR"),
          QStringLiteral("VANTOR"), QStringLiteral("VANTOR"), QStringLiteral("万托尔"),
          QStringLiteral("VANTOR"), QStringLiteral("VANTOR")}},
        {QStringLiteral("Elite"),
         {QStringLiteral("Elite club"), QStringLiteral("Элитный клуб"),
          QStringLiteral("Elite-Klub"), QStringLiteral("Club d'élite"),
          QStringLiteral("Club de élite"), QStringLiteral("精英俱乐部"),
          QStringLiteral("Club d'élite"), QStringLiteral("Elitní klub")}},
        {QStringLiteral("Net__"),
         {QStringLiteral("Network game"), QStringLiteral("Сетевая игра"),
          QStringLiteral("Netzwerkspiel"), QStringLiteral("Jeu en réseau"),
          QStringLiteral("Juego en red"), QStringLiteral("网络游戏"),
          QStringLiteral("Gioco in rete"), QStringLiteral("Síťová hra")}},
    };
    int index = 0;
    for (int i = 0; i < 8; ++i)
        if (code == QLatin1String(kPictureLanguages[i])) index = i;
    return texts.value(kind).value(index);
}

struct TFlagList {
    const char* name;
    int count;
};
const TFlagList kFlagLists[] = {{"ILEuro", 49}, {"ILAsia", 52}, {"ILNAme", 36},
                                {"ILSAme", 15}, {"ILOcea", 24}, {"ILAfri", 55}};

// Flags with a picture of their own in the continent lists: the ones the language list uses.
QString flagKey(int continent, int index) {
    if (index == 0) return QStringLiteral("Unknown");
    if (continent == 1) {
        switch (index) {
        case 48:
            return QStringLiteral("Eng");
        case 1:
            return QStringLiteral("Rus");
        case 16:
            return QStringLiteral("Deu");
        case 15:
            return QStringLiteral("Fra");
        case 43:
            return QStringLiteral("Spa");
        case 24:
            return QStringLiteral("Ita");
        case 10:
            return QStringLiteral("Cze");
        default:
            break;
        }
    } else if (continent == 2) {
        switch (index) {
        case 10:
            return QStringLiteral("Chi");
        case 20:
            return QStringLiteral("Jap");
        case 40:
            return QStringLiteral("Kor");
        default:
            break;
        }
    }
    return QString::fromLatin1(kFlagLists[continent - 1].name) + QString::number(index);
}

class TCatalogue {
public:
    TCatalogue() { build(); }

    std::vector<TEntry> entries;
    QHash<QString, int> byName; // upper-case name -> entry
    std::mutex lock;
    QHash<int, QImage> stills;
    QHash<int, QList<QImage>> animations;
    QHash<QString, QList<QImage>> lists;

    int find(const QString& name) const { return byName.value(name.toUpper(), -1); }

private:
    void add(const QString& name, int w, int h, TBuiltinKind kind, TDraw draw, int frames = 1,
             QPoint hot = {}) {
        TEntry e;
        e.info.name = name;
        e.info.size = QSize(w, h);
        e.info.kind = kind;
        e.info.frames = frames;
        e.info.hotSpot = hot;
        e.draw = std::move(draw);
        const QString key = name.toUpper();
        Q_ASSERT(!byName.contains(key));
        byName.insert(key, static_cast<int>(entries.size()));
        entries.push_back(std::move(e));
    }
    void still(const QString& name, int w, int h, std::function<QImage()> f,
               TBuiltinKind kind = TBuiltinKind::Png) {
        add(name, w, h, kind, [f = std::move(f)](int, int) { return f(); });
    }

    void build();
};

void TCatalogue::build() {
    using namespace art;
    // Card faces of the program's own set, small bitmaps and large pictures with alpha.
    const char* suits[4] = {"Ch", "Bu", "Kr", "Pi"};
    const char* ranks[13] = {"02", "03", "04", "05", "06", "07", "08",
                             "09", "10", "2J", "3Q", "4K", "5A"};
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r) {
            const QString name = QString::fromLatin1(suits[s]) + QString::fromLatin1(ranks[r]);
            still(
                name, 69, 94, [s, r] { return cardFace(s, r + 2, 69, 94, false); },
                TBuiltinKind::Bitmap);
            still(name + QLatin1Char('B'), 146, 198,
                  [s, r] { return cardFace(s, r + 2, 146, 198, true); });
        }
    for (int j = 0; j < 2; ++j) {
        const QString name = j == 0 ? QStringLiteral("PoRed") : QStringLiteral("PoBlack");
        still(
            name, 69, 94, [j] { return cardFace(0, 15 + j, 69, 94, false); }, TBuiltinKind::Bitmap);
        still(name + QLatin1Char('B'), 146, 198,
              [j] { return cardFace(0, 15 + j, 146, 198, true); });
    }
    // Backs, one for each day of the week.
    const char* backs[7] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
    for (int b = 0; b < 7; ++b) {
        const QString name = QString::fromLatin1(backs[b]);
        still(
            name, 69, 94, [b] { return cardBack(b + 1, 69, 94, false); }, TBuiltinKind::Bitmap);
        still(name + QLatin1Char('B'), 146, 198, [b] { return cardBack(b + 1, 146, 198, true); });
    }
    // Card marks: the empty place and the coloured frames.
    still(QStringLiteral("GCard0Sm"), 69, 94, [] { return cardMark(QString(), 69, 94, false); });
    still(QStringLiteral("GCard0Bg"), 146, 198, [] { return cardMark(QString(), 146, 198, true); });
    for (const char* c : {"Black", "Red", "Navy", "Green", "Yellow", "Violet", "Aqua", "Orang"}) {
        const QString colour = QString::fromLatin1(c);
        still(QStringLiteral("GCard") + colour + QStringLiteral("Sm"), 69, 94,
              [colour] { return cardMark(colour, 69, 94, false); });
        still(QStringLiteral("GCard") + colour + QStringLiteral("Bg"), 146, 198,
              [colour] { return cardMark(colour, 146, 198, true); });
    }
    // The felt and the plain table used while recording.
    still(
        QStringLiteral("FonG"), 760, 500, [] { return felt(760, 500, 1); }, TBuiltinKind::Jpeg);
    still(
        QStringLiteral("FonGB"), 1520, 1000, [] { return felt(1520, 1000, 2); },
        TBuiltinKind::Jpeg);
    still(
        QStringLiteral("GIFBackGr"), 760, 500, [] { return plainRecordingBackground(760, 500); },
        TBuiltinKind::Jpeg);
    // Speech bubbles.
    const std::pair<const char*, QColor> bubbles[5] = {{"SPYellow", QColor(214, 162, 0)},
                                                       {"SPRed", QColor(196, 22, 22)},
                                                       {"SPBlue", QColor(30, 84, 200)},
                                                       {"SPFiolet", QColor(136, 40, 168)},
                                                       {"SPGreen", QColor(22, 138, 44)}};
    for (const auto& [n, c] : bubbles) {
        const QString name = QString::fromLatin1(n);
        const QColor colour = c;
        still(name, 160, 20, [colour] { return bubble(colour, 160, 20); });
        still(name + QLatin1Char('B'), 320, 40, [colour] { return bubble(colour, 320, 40); });
    }
    // Frames of the result, round and message panels.
    still(QStringLiteral("GFrameSuper"), 298, 194,
          [] { return frame(QStringLiteral("super"), 298, 194); });
    still(QStringLiteral("RamkaCBSm"), 130, 60,
          [] { return frame(QStringLiteral("round"), 130, 60); });
    still(QStringLiteral("RamkaCBBg"), 260, 120,
          [] { return frame(QStringLiteral("round"), 260, 120); });
    still(QStringLiteral("RamkaERSm"), 130, 90,
          [] { return frame(QStringLiteral("memo"), 130, 90); });
    still(QStringLiteral("RamkaERBg"), 260, 180,
          [] { return frame(QStringLiteral("memo"), 260, 180); });
    // Turn pointers and move clocks.
    still(QStringLiteral("Hand_Up"), 40, 60, [] { return pointer(true, 40, 60); });
    still(QStringLiteral("Hand_Down"), 40, 60, [] { return pointer(false, 40, 60); });
    still(QStringLiteral("GTimerR"), 40, 40, [] { return moveClock(true, 40, 40); });
    still(QStringLiteral("GTimerY"), 40, 40, [] { return moveClock(false, 40, 40); });
    // The menu clock and the status panel's digit sets.
    still(QStringLiteral("GClockBG"), 115, 64, [] { return clockPanel(115, 64); });
    const QColor clockBlue(90, 200, 255);
    for (int d = 0; d < 10; ++d)
        still(QStringLiteral("GBClock") + QString::number(d), 18, 34,
              [d, clockBlue] { return clockDigit(clockBlue, d, 18, 34); });
    still(QStringLiteral("GBClockP"), 5, 16,
          [clockBlue] { return clockDigit(clockBlue, 10, 5, 16); });
    const std::pair<char, QColor> pages[7] = {
        {'R', QColor(255, 70, 60)},  {'A', QColor(60, 230, 230)},  {'G', QColor(70, 230, 90)},
        {'Y', QColor(255, 220, 50)}, {'V', QColor(210, 110, 255)}, {'L', QColor(150, 200, 255)},
        {'N', QColor(240, 240, 240)}};
    for (int i = 0; i < 7; ++i) {
        const QString base =
            QStringLiteral("G") + QLatin1Char(pages[i].first) + QStringLiteral("Clock");
        const QColor c = pages[i].second;
        for (int d = 0; d < 10; ++d)
            still(base + QString::number(d), 18, 34, [c, d] { return clockDigit(c, d, 18, 34); });
        still(base + QLatin1Char('M'), 18, 34, [c, i] { return clockSign(c, i + 1, 18, 34); });
    }
    // Button caps and centre parts, both picture sets.
    for (bool nata : {false, true})
        for (int rows : {29, 44, 59}) {
            const int capW = rows == 29 ? 8 : (rows == 44 ? 13 : 17);
            const QString set = QLatin1Char(nata ? 'Q' : 'R') + QString::number(rows);
            still(set + QStringLiteral("_L"), capW, rows,
                  [=] { return buttonPart(nata, rows, 'L'); });
            still(set + QStringLiteral("_R"), capW, rows,
                  [=] { return buttonPart(nata, rows, 'R'); });
            still(set + QStringLiteral("_2"), 2, rows, [=] { return buttonPart(nata, rows, '2'); });
        }
    // Main menu: title, language captions, animations and their still pictures.
    still(QStringLiteral("GTitle"), 600, 180, [] { return titlePicture(600, 180); });
    for (const char* code : kPictureLanguages) {
        const QString c = QString::fromLatin1(code);
        still(QStringLiteral("Cap") + c, 800, 140,
              [c] { return captionText(captionFor(QStringLiteral("Cap"), c), 800, 140, true); });
        still(QStringLiteral("Elite") + c, 700, 80,
              [c] { return captionText(captionFor(QStringLiteral("Elite"), c), 700, 80, false); });
        still(QStringLiteral("Net__") + c, 700, 80,
              [c] { return captionText(captionFor(QStringLiteral("Net__"), c), 700, 80, false); });
        still(QStringLiteral("FlagO") + c, 100, 68, [c] { return flag(c, 100, 68); });
    }
    still(QStringLiteral("FlagOJap"), 100, 68, [] { return flag(QStringLiteral("Jap"), 100, 68); });
    still(QStringLiteral("FlagOKor"), 100, 68, [] { return flag(QStringLiteral("Kor"), 100, 68); });
    still(QStringLiteral("PngMenu1"), 160, 200, [] { return menuPicture(1, 0, 1, 160, 200); });
    still(QStringLiteral("PngMenu2"), 160, 200, [] { return menuPicture(2, 0, 1, 160, 200); });
    for (int m = 1; m <= 2; ++m)
        add(
            QStringLiteral("GifMenu") + QString::number(m), 160, 200, TBuiltinKind::Gif,
            [m](int f, int n) { return menuPicture(m, f, n, 160, 200); }, 12);
    still(QStringLiteral("Logo"), 64, 64, [] { return logo(64, 64); });
    still(QStringLiteral("AdvBar3"), 175, 40,
          [] { return bubble(QColor(238, 214, 140), 175, 40); });
    // Medals and places.
    for (int m = 1; m <= 3; ++m)
        still(QStringLiteral("GMEDAL0") + QString::number(m), 24, 24,
              [m] { return medal(m, 24, 24); });
    still(QStringLiteral("GMedal"), 40, 40, [] { return medal(0, 40, 40); });
    for (int n = 1; n <= 10; ++n)
        still(QStringLiteral("GPlace") + QString::number(n).rightJustified(2, QLatin1Char('0')), 40,
              40, [n] { return placeNumber(n, 40, 40); });
    // Cursors.
    add(
        QStringLiteral("CURARROW"), 32, 32, TBuiltinKind::Cursor,
        [](int f, int) { return cursorPicture(QStringLiteral("CURARROW"), f); }, 1, QPoint(1, 1));
    add(
        QStringLiteral("CURHAND"), 32, 32, TBuiltinKind::Cursor,
        [](int f, int) { return cursorPicture(QStringLiteral("CURHAND"), f); }, 4, QPoint(11, 1));
    add(
        QStringLiteral("CURWAIT"), 32, 32, TBuiltinKind::Cursor,
        [](int f, int) { return cursorPicture(QStringLiteral("CURWAIT"), f); }, 8, QPoint(16, 16));
    add(
        QStringLiteral("CUREDIT"), 32, 32, TBuiltinKind::Cursor,
        [](int f, int) { return cursorPicture(QStringLiteral("CUREDIT"), f); }, 2, QPoint(16, 16));
    // Window header ribbons.
    for (int w : {280, 300, 430, 550})
        still(QStringLiteral("GCap") + QString::number(w), w, 64,
              [w] { return ribbon(w, 64, false); });
    for (auto [w, h] : {std::pair{280, 90}, std::pair{360, 100}, std::pair{380, 120}})
        still(QStringLiteral("GLenta%1x%2").arg(w).arg(h, 3, 10, QLatin1Char('0')), w, h,
              [w, h] { return ribbon(w, h, true); });
    // Accounts, records and online windows.
    still(
        QStringLiteral("GAcNoM"), 200, 250, [] { return avatar(true, 200, 250); },
        TBuiltinKind::Bitmap);
    still(
        QStringLiteral("GAcNoF"), 200, 250, [] { return avatar(false, 200, 250); },
        TBuiltinKind::Bitmap);
    still(QStringLiteral("GAcFrame"), 240, 290, [] { return avatarFrame(240, 290); });
    still(QStringLiteral("FaceMan16"), 16, 16, [] { return faceIcon(true, 16, 16); });
    still(QStringLiteral("FaceWoman16"), 16, 16, [] { return faceIcon(false, 16, 16); });
    still(QStringLiteral("GNew"), 32, 16,
          [] { return badge(QStringLiteral("NEW"), QColor(220, 30, 30), 32, 16); });
    still(QStringLiteral("GTourOn"), 40, 20,
          [] { return badge(QStringLiteral("ON"), QColor(30, 160, 50), 40, 20); });
    still(QStringLiteral("GTourOff"), 40, 20,
          [] { return badge(QStringLiteral("OFF"), QColor(200, 30, 30), 40, 20); });
    still(QStringLiteral("GZovs128"), 128, 128, [] { return coin(false, 128, 128); });
    still(QStringLiteral("GZovsT128"), 128, 128, [] { return coin(true, 128, 128); });
    for (const char* n : {"Account48", "Windows", "Android", "Earth48", "Stats", "AdvGiftR",
                          "AdvGiftG", "GooglePlay", "GChat048"}) {
        const QString name = QString::fromLatin1(n);
        still(name, 48, 48, [name] { return icon(name, 48, 48); });
    }
    for (const char* n : {"AdvButR", "AdvButG"}) {
        const QString name = QString::fromLatin1(n);
        still(name, 32, 32, [name] { return icon(name, 32, 32); });
    }
    for (const char* n : {"GChat072", "GNews072"}) {
        const QString name = QString::fromLatin1(n);
        still(name, 72, 72, [name] { return icon(name, 72, 72); });
    }
    const std::pair<const char*, QColor> lamps[3] = {{"LampR24", QColor(220, 30, 30)},
                                                     {"LampY24", QColor(240, 200, 30)},
                                                     {"LampG24", QColor(40, 190, 60)}};
    for (const auto& [n, c] : lamps) {
        const QColor colour = c;
        still(QString::fromLatin1(n), 24, 24, [colour] { return lamp(colour, 24, 24); });
    }
    for (const char* n : {"StarR0", "StarY0", "StarG0"}) {
        const QString name = QString::fromLatin1(n);
        add(
            name, 32, 32, TBuiltinKind::Gif,
            [name](int f, int k) { return animation(name, f, k, 32, 32); }, 10);
    }
    still(QStringLiteral("GSvitok"), 250, 315, [] { return scroll(250, 315); });
    for (const char* n : {"GSirenaB", "GSirenaR"}) {
        const QString name = QString::fromLatin1(n);
        add(
            name, 30, 33, TBuiltinKind::Gif,
            [name](int f, int k) { return animation(name, f, k, 30, 33); }, 8);
    }
    for (const char* n : {"GClubB", "GClubC", "GClubD", "GClubF", "GClubG"}) {
        const QString name = QString::fromLatin1(n);
        add(
            name, 60, 75, TBuiltinKind::Gif,
            [name](int f, int k) { return animation(name, f, k, 60, 75); }, 16);
    }
    // The end-of-game animations stop on frames 25 and 24, so they carry at least 26 frames.
    for (const char* n : {"GEndBest", "GEndGood", "GEndBads"}) {
        const QString name = QString::fromLatin1(n);
        add(
            name, 120, 120, TBuiltinKind::Gif,
            [name](int f, int k) { return animation(name, f, k, 120, 120); }, 26);
    }
    add(
        QStringLiteral("GTopTen"), 100, 100, TBuiltinKind::Gif,
        [](int f, int k) { return animation(QStringLiteral("GTopTen"), f, k, 100, 100); }, 12);
    // The options animation is frozen on frame 35 when animations are off.
    add(
        QStringLiteral("GOpt"), 90, 120, TBuiltinKind::Gif,
        [](int f, int k) { return animation(QStringLiteral("GOpt"), f, k, 90, 120); }, 36);
    // Music player buttons and the radio set.
    for (const char* n : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"}) {
        const QString name = QString::fromLatin1(n);
        still(name, 61, 61, [name] { return playerButton(name, 61, 61); });
    }
    still(QStringLiteral("GPolkaNw"), 220, 24, [] { return shelf(220, 24); });
    still(QStringLiteral("GRadioA"), 150, 95, [] { return radio(150, 95); });
    still(QStringLiteral("GRadioB"), 14, 14, [] { return lamp(QColor(90, 90, 90), 14, 14); });
    still(QStringLiteral("GRadioR"), 14, 14, [] { return lamp(QColor(220, 30, 30), 14, 14); });
    still(QStringLiteral("GRadioG"), 14, 14, [] { return lamp(QColor(40, 200, 60), 14, 14); });
}

TCatalogue& catalogue() {
    static TCatalogue c;
    return c;
}

QImage normalised(QImage img, const TBuiltinInfo& info) {
    const bool opaque = info.kind == TBuiltinKind::Bitmap || info.kind == TBuiltinKind::Jpeg;
    const auto format = opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (img.format() != format) img = img.convertToFormat(format);
    return img;
}

} // namespace

QStringList builtinPictureNames() {
    QStringList names;
    for (const TEntry& e : catalogue().entries) names << e.info.name;
    return names;
}

bool builtinPictureExists(const QString& name) {
    return catalogue().find(name) >= 0;
}

TBuiltinInfo builtinPictureInfo(const QString& name) {
    const int i = catalogue().find(name);
    return i < 0 ? TBuiltinInfo{} : catalogue().entries[static_cast<size_t>(i)].info;
}

QImage builtinPicture(const QString& name) {
    TCatalogue& c = catalogue();
    const int i = c.find(name);
    if (i < 0) return {};
    std::lock_guard guard(c.lock);
    auto it = c.stills.find(i);
    if (it == c.stills.end()) {
        const TEntry& e = c.entries[static_cast<size_t>(i)];
        it = c.stills.insert(i, normalised(e.draw(0, e.info.frames), e.info));
    }
    return it.value();
}

QList<QImage> builtinAnimation(const QString& name) {
    TCatalogue& c = catalogue();
    const int i = c.find(name);
    if (i < 0) return {};
    const TEntry& e = c.entries[static_cast<size_t>(i)];
    if (e.info.frames <= 1) return {builtinPicture(name)};
    std::lock_guard guard(c.lock);
    auto it = c.animations.find(i);
    if (it == c.animations.end()) {
        QList<QImage> frames;
        for (int f = 0; f < e.info.frames; ++f)
            frames << normalised(e.draw(f, e.info.frames), e.info);
        it = c.animations.insert(i, frames);
    }
    return it.value();
}

int flagListCount(int continent) {
    return continent >= 1 && continent <= 6 ? kFlagLists[continent - 1].count : 0;
}

QStringList builtinImageListNames() {
    QStringList names;
    for (const TFlagList& l : kFlagLists) names << QString::fromLatin1(l.name);
    names << QStringLiteral("ILPointers") << QStringLiteral("ILFlames")
          << QStringLiteral("ILOpening");
    return names;
}

QList<QImage> builtinImageList(const QString& listName) {
    TCatalogue& c = catalogue();
    std::lock_guard guard(c.lock);
    const QString key = listName.toUpper();
    auto it = c.lists.find(key);
    if (it != c.lists.end()) return it.value();
    QList<QImage> pictures;
    for (int k = 0; k < 6; ++k)
        if (key == QString::fromLatin1(kFlagLists[k].name).toUpper())
            for (int i = 0; i < kFlagLists[k].count; ++i)
                pictures << art::flag(flagKey(k + 1, i), 14, 12);
    if (key == QLatin1String("ILPOINTERS"))
        pictures << art::pointer(false, 20, 30) << art::pointer(true, 20, 30);
    else if (key == QLatin1String("ILFLAMES"))
        for (int f = 0; f < 6; ++f) pictures << art::flame(f, 20, 30);
    else if (key == QLatin1String("ILOPENING"))
        for (int f = 0; f < 4; ++f) pictures << art::openingPicture(f, 60, 70);
    if (!pictures.isEmpty()) c.lists.insert(key, pictures);
    return pictures;
}

} // namespace vantor
