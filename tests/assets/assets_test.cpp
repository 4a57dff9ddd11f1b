#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"

#include <QGuiApplication>
#include <QSet>
#include <gtest/gtest.h>

using namespace vantor;

namespace {

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "test_assets";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets and caches may outlive the tests.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

struct TAsked {
    QString name;
    QSize size;
};

// Every picture name the program asks for, put together from the naming rules of the callers
// (faces, backs, marks, bubbles, button sets, language pictures, clock digits ...).
std::vector<TAsked> askedNames() {
    std::vector<TAsked> out;
    auto add = [&](const QString& n, int w, int h) { out.push_back({n, QSize(w, h)}); };
    const QStringList suits = {"Ch", "Bu", "Kr", "Pi"};
    const QStringList ranks = {"02", "03", "04", "05", "06", "07", "08",
                               "09", "10", "2J", "3Q", "4K", "5A"};
    for (const QString& s : suits)
        for (const QString& r : ranks) {
            add(s + r, 69, 94);
            add(s + r + "B", 146, 198);
        }
    for (const QString& j : {QStringLiteral("PoRed"), QStringLiteral("PoBlack")}) {
        add(j, 69, 94);
        add(j + "B", 146, 198);
    }
    for (QString b : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"}) {
        add(b, 69, 94);
        add(b + "B", 146, 198);
    }
    add("FonG", 760, 500);
    add("FonGB", 1520, 1000);
    add("GIFBackGr", 760, 500);
    for (QString b : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
        add(b, 160, 20);
        add(b + "B", 320, 40);
    }
    add("GCard0Sm", 69, 94);
    add("GCard0Bg", 146, 198);
    for (QString c : {"Black", "Red", "Navy", "Green", "Yellow", "Violet", "Aqua", "Orang"}) {
        add("GCard" + c + "Sm", 69, 94);
        add("GCard" + c + "Bg", 146, 198);
    }
    const struct { int rows, cap; } sets[] = {{29, 8}, {44, 13}, {59, 17}};
    for (QChar letter : {QLatin1Char('R'), QLatin1Char('Q')})
        for (const auto& st : sets) {
            const QString set = letter + QString::number(st.rows);
            add(set + "_L", st.cap, st.rows);
            add(set + "_R", st.cap, st.rows);
            add(set + "_2", 2, st.rows);
        }
    // Short language codes of the ten languages; Japanese and Korean borrow the English ones.
    const QStringList codes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                               "Chi", "Ita", "Cze", "Eng", "Eng"};
    for (const QString& c : codes) {
        add("Cap" + c, 800, 140);
        add("Elite" + c, 700, 80);
        add("Net__" + c, 700, 80);
    }
    for (int i = 0; i < 8; ++i) add("FlagO" + codes[i], 100, 68);
    add("FlagOJap", 100, 68);
    add("FlagOKor", 100, 68);
    add("GFrameSuper", 298, 194);
    add("RamkaCBSm", 130, 60);
    add("RamkaCBBg", 260, 120);
    add("RamkaERSm", 130, 90);
    add("RamkaERBg", 260, 180);
    add("Hand_Up", 40, 60);
    add("Hand_Down", 40, 60);
    add("GTimerR", 40, 40);
    add("GTimerY", 40, 40);
    add("GClockBG", 115, 64);
    for (QString set :
         {"GBClock", "GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"})
        for (int d = 0; d < 10; ++d) add(set + QString::number(d), 18, 34);
    add("GBClockP", 5, 16);
    for (QString set :
         {"GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"})
        add(set + "M", 18, 34);
    add("PngMenu1", 160, 200);
    add("PngMenu2", 160, 200);
    add("GifMenu1", 160, 200);
    add("GifMenu2", 160, 200);
    add("GTitle", 600, 180);
    add("Logo", 64, 64);
    add("AdvBar3", 175, 40);
    for (QString m : {"GMEDAL01", "GMEDAL02", "GMEDAL03"}) add(m, 24, 24);
    add("GMedal", 40, 40);
    for (int n = 1; n <= 10; ++n) add(QString("GPlace%1").arg(n, 2, 10, QLatin1Char('0')), 40, 40);
    for (QString c : {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"}) add(c, 32, 32);
    for (int w : {280, 300, 430, 550}) add("GCap" + QString::number(w), w, 64);
    add("GLenta280x090", 280, 90);
    add("GLenta360x100", 360, 100);
    add("GLenta380x120", 380, 120);
    add("GAcNoM", 200, 250);
    add("GAcNoF", 200, 250);
    add("GAcFrame", 240, 290);
    add("FaceMan16", 16, 16);
    add("FaceWoman16", 16, 16);
    add("GZovs128", 128, 128);
    add("GZovsT128", 128, 128);
    for (QString i : {"Account48", "Windows", "Android", "Earth48"}) add(i, 48, 48);
    for (QString l : {"LampR24", "LampY24", "LampG24"}) add(l, 24, 24);
    for (QString g : {"GSirenaB", "GSirenaR"}) add(g, 30, 33);
    for (QString g : {"GClubB", "GClubC", "GClubD", "GClubF", "GClubG"}) add(g, 60, 75);
    add("GOpt", 90, 120);
    for (QString m : {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"}) add(m, 61, 61);
    for (QString n :
         {"GEndBest", "GEndGood", "GEndBads", "GTopTen", "GNew",     "GTourOn", "GTourOff",
          "StarR0",   "StarY0",   "StarG0",   "GSvitok", "GPolkaNw", "GRadioA", "GRadioB",
          "GRadioR",  "GRadioG",  "AdvButR",  "AdvButG", "GChat048", "GNews072"})
        add(n, -1, -1); // sizes the artwork chooses
    return out;
}

bool isReddish(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90 && qAlpha(p) > 200;
}

} // namespace

TEST(BuiltinPictures, EveryAskedNameResolvesAtItsSize) {
    app();
    for (const TAsked& a : askedNames()) {
        SCOPED_TRACE(a.name.toStdString());
        ASSERT_TRUE(builtinPictureExists(a.name));
        const QImage img = builtinPicture(a.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), builtinPictureInfo(a.name).size);
        if (a.size.width() > 0) {
            EXPECT_EQ(img.size(), a.size);
        }
    }
}

TEST(BuiltinPictures, LookupIgnoresCaseAndNamesAreUnique) {
    app();
    EXPECT_EQ(builtinPicture("ch02b"), builtinPicture("Ch02B"));
    EXPECT_EQ(builtinPictureInfo("r29_l").name, QString("R29_L"));
    EXPECT_FALSE(builtinPictureExists("Ch01"));
    EXPECT_TRUE(builtinPicture("NoSuchPicture").isNull());
    QSet<QString> seen;
    for (const QString& n : builtinPictureNames()) {
        EXPECT_FALSE(seen.contains(n.toUpper())) << n.toStdString();
        seen.insert(n.toUpper());
    }
}

TEST(BuiltinPictures, StorageKindsFollowTheirUse) {
    app();
    // Small faces and backs are opaque bitmaps drawn inside the table's own outline; large
    // ones carry alpha so the rounded corners show the cloth.
    for (QString n : {"Ch02", "Pi5A", "PoRed", "Ob03We"}) {
        const QImage img = builtinPicture(n);
        EXPECT_EQ(img.format(), QImage::Format_RGB32) << n.toStdString();
    }
    for (QString n : {"Ch02B", "Kr4KB", "PoBlackB", "Ob07SuB"}) {
        const QImage img = builtinPicture(n);
        ASSERT_TRUE(img.hasAlphaChannel()) << n.toStdString();
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << n.toStdString();
        EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
        EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
    }
    EXPECT_FALSE(builtinPicture("FonG").hasAlphaChannel());
    EXPECT_EQ(builtinPictureInfo("CURHAND").kind, TBuiltinKind::Cursor);
    EXPECT_EQ(builtinPictureInfo("CURARROW").hotSpot, QPoint(1, 1));
}

TEST(BuiltinPictures, FacesAreDistinctAndInTheirSuitsColour) {
    app();
    const QStringList suits = {"Ch", "Bu", "Kr", "Pi"};
    const QStringList ranks = {"02", "03", "04", "05", "06", "07", "08",
                               "09", "10", "2J", "3Q", "4K", "5A"};
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < ranks.size(); ++r)
            for (const QString size : {"", "B"}) {
                const QString name = suits[s] + ranks[r] + size;
                const QImage img = builtinPicture(name);
                if (r >= 9) continue; // court figures wear every colour
                int red = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x) red += isReddish(img.pixel(x, y));
                if (s <= 1) {
                    EXPECT_GT(red, img.width() * img.height() / 50) << name.toStdString();
                } else {
                    EXPECT_EQ(red, 0) << name.toStdString();
                }
            }
    // No two faces are the same picture.
    QSet<QByteArray> contents;
    for (const QString& s : suits)
        for (const QString& r : ranks) {
            const QImage img = builtinPicture(s + r + "B");
            contents.insert(
                QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
        }
    EXPECT_EQ(contents.size(), 52);
}

TEST(BuiltinPictures, AnimationsHaveTheirFrames) {
    app();
    for (const auto& [name, atLeast] : std::vector<std::pair<QString, int>>{{"GEndBest", 26},
                                                                            {"GEndGood", 25},
                                                                            {"GEndBads", 4},
                                                                            {"GOpt", 36},
                                                                            {"GifMenu1", 7},
                                                                            {"CURWAIT", 2},
                                                                            {"CURHAND", 2}}) {
        const QList<QImage> frames = builtinAnimation(name);
        EXPECT_GE(frames.size(), atLeast) << name.toStdString();
        EXPECT_EQ(frames.size(), builtinPictureInfo(name).frames);
        ASSERT_GE(frames.size(), 2);
        EXPECT_NE(frames.first(), frames.at(1)) << name.toStdString();
        for (const QImage& f : frames) EXPECT_EQ(f.size(), builtinPictureInfo(name).size);
    }
    EXPECT_EQ(builtinAnimation("Logo").size(), 1);
    EXPECT_TRUE(builtinAnimation("Nothing").isEmpty());
}

TEST(BuiltinPictures, ImageLists) {
    app();
    // Continent lists hold "Unknown" plus the countries the settings accept (1: 0..48 ...).
    const int counts[6] = {49, 52, 36, 15, 24, 55};
    const QStringList lists = {"ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri"};
    for (int i = 0; i < 6; ++i) {
        const QList<QImage> flags = builtinImageList(lists[i]);
        EXPECT_EQ(flags.size(), counts[i]);
        EXPECT_EQ(flagListCount(i + 1), counts[i]);
        for (const QImage& f : flags) EXPECT_EQ(f.size(), QSize(14, 12));
    }
    // The language list's flags differ from each other.
    const QList<QImage> euro = builtinImageList("ILEuro"), asia = builtinImageList("ILAsia");
    const QList<QImage> langFlags = {euro[48], euro[1],  euro[16], euro[15], euro[43],
                                     asia[10], euro[24], euro[10], asia[20], asia[40]};
    for (int i = 0; i < langFlags.size(); ++i)
        for (int j = i + 1; j < langFlags.size(); ++j)
            EXPECT_NE(langFlags[i], langFlags[j]) << i << " " << j;
    EXPECT_EQ(builtinImageList("ILPointers").size(), 2);
    const QList<QImage> flames = builtinImageList("ILFlames");
    ASSERT_EQ(flames.size(), 6);
    for (const QImage& f : flames) {
        EXPECT_EQ(f.size(), QSize(20, 30));
        EXPECT_EQ(QColor(f.pixel(0, 0)), QColor(0, 128, 0)); // the list's transparent colour
    }
    EXPECT_TRUE(builtinImageList("ILNothing").isEmpty());
}

TEST(PictureOps, RecolourStyles) {
    struct TCase {
        int style;
        QRgb in, out;
    };
    const TCase cases[] = {
        {2, qRgba(255, 0, 0, 255), qRgba(255, 102, 0, 255)},
        // B' = round(min(80, 40) * 0.7) = 28; G' = 28 + round(172 * 0.4) = 28 + 69 = 97
        {2, qRgba(200, 40, 80, 128), qRgba(200, 97, 28, 128)},
        {2, qRgba(100, 150, 20, 255), qRgba(100, 150, 20, 255)}, // not red: unchanged
        {3, qRgba(10, 20, 30, 40), qRgba(10, 10, 30, 40)},
        {4, qRgba(10, 20, 30, 40), qRgba(20, 10, 30, 40)},
        {5, qRgba(10, 20, 30, 40), qRgba(30, 10, 10, 40)},
        {6, qRgba(10, 20, 30, 40), qRgba(30, 20, 10, 40)},
        {7, qRgba(10, 20, 30, 40), qRgba(10, 20, 10, 40)},
        {1, qRgba(10, 20, 30, 40), qRgba(10, 20, 30, 40)},
    };
    for (const TCase& c : cases) {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setPixel(0, 0, c.in);
        RecolourPng(img, c.style);
        EXPECT_EQ(img.pixel(0, 0), c.out) << "style " << c.style;
    }
}

TEST(PictureOps, ResizeBilinearAndItsLimits) {
    QImage src(2, 2, QImage::Format_ARGB32);
    src.setPixel(0, 0, qRgba(0, 0, 0, 0));
    src.setPixel(1, 0, qRgba(200, 100, 40, 200));
    src.setPixel(0, 1, qRgba(0, 0, 0, 0));
    src.setPixel(1, 1, qRgba(200, 100, 40, 200));
    QImage img = src;
    ASSERT_TRUE(ResizePng(img, 4, 4));
    ASSERT_EQ(img.size(), QSize(4, 4));
    // fx = 4: target x 0..3 samples the source at 0, 0.25, 0.5, 0.75.
    const int reds[4] = {0, 50, 100, 150};
    const int alphas[4] = {0, 50, 100, 150};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(qRed(img.pixel(x, 2)), reds[x]);
        EXPECT_EQ(qAlpha(img.pixel(x, 2)), alphas[x]);
    }
    EXPECT_EQ(qGreen(img.pixel(2, 0)), 50);
    EXPECT_EQ(qBlue(img.pixel(1, 0)), 10);

    QImage rgb(3, 3, QImage::Format_RGB32);
    rgb.fill(QColor(10, 20, 30));
    ASSERT_TRUE(ResizePng(rgb, 5, 2));
    EXPECT_EQ(rgb.size(), QSize(5, 2));
    EXPECT_EQ(qAlpha(rgb.pixel(4, 1)), 255);
    EXPECT_EQ(QColor(rgb.pixel(4, 1)), QColor(10, 20, 30));

    QImage tiny(1, 5, QImage::Format_ARGB32);
    ASSERT_TRUE(ResizePng(tiny, 10, 10));
    EXPECT_EQ(tiny.size(), QSize(1, 5));
    QImage toTiny = src;
    ASSERT_TRUE(ResizePng(toTiny, 1, 10));
    EXPECT_EQ(toTiny.size(), QSize(2, 2));

    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(Qt::gray);
    QString error;
    EXPECT_FALSE(ResizePng(grey, 8, 8, &error));
    EXPECT_EQ(error, QString("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
    EXPECT_EQ(grey.size(), QSize(4, 4));
}

TEST(PictureOps, ScaledCardsKeepTheClothInTheCorners) {
    app();
    const QImage face = builtinPicture("Kr4KB");
    const QImage same = scaledWithRoundedCorners(face, face.size(), 16);
    EXPECT_EQ(same, face);
    const QImage small = scaledWithRoundedCorners(face, QSize(92, 125), 10);
    ASSERT_EQ(small.size(), QSize(92, 125));
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(91, 124)), 0);
    EXPECT_EQ(qAlpha(small.pixel(46, 62)), 255);
    EXPECT_EQ(qAlpha(small.pixel(46, 0)), 255);

    TScaledPictureCache cache;
    const QImage& a = cache.get("Kr4KB", face, QSize(92, 125), 10);
    const QImage& b = cache.get("Kr4KB", face, QSize(92, 125), 10);
    EXPECT_EQ(&a, &b);
    cache.get("Kr4KB", face, QSize(121, 163), 14);
    EXPECT_EQ(cache.count(), 2);
}
