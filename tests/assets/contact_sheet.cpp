// Renders the built-in pictures onto contact sheets so they can be looked at:
//   contact_sheet_assets OUTDIR
// writes cards.png (a hand of faces at both sizes, backs, marks) and pictures.png (bubbles,
// frames, pointers, clocks, captions, flags, icons, animations).
#include "assets/builtin_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace vantor;

namespace {

struct TSheet {
    QImage image;
    QPainter painter;
    int x = 10, y = 10, rowH = 0;
    explicit TSheet(QSize size) : image(size, QImage::Format_RGB32) {
        image.fill(Qt::black);
        painter.begin(&image);
        painter.drawImage(QRect(QPoint(0, 0), size), builtinPicture(QStringLiteral("FonGB")));
    }
    void put(const QImage& img, int gap = 8) {
        if (x + img.width() > image.width() - 10) newRow();
        painter.drawImage(x, y, img);
        x += img.width() + gap;
        rowH = std::max(rowH, img.height());
    }
    void put(const QString& name, int gap = 8) { put(builtinPicture(name), gap); }
    void newRow() {
        x = 10;
        y += rowH + 10;
        rowH = 0;
    }
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(out);
    const QStringList hand = {"Ch02", "Bu03", "Kr07", "Pi08", "Ch09",  "Bu10",
                              "Kr2J", "Pi2J", "Ch3Q", "Bu3Q", "Kr4K",  "Pi4K",
                              "Ch5A", "Bu5A", "Kr5A", "Pi5A", "PoRed", "PoBlack"};
    {
        TSheet s(QSize(1700, 1250));
        for (const QString& n : hand) s.put(n + QLatin1Char('B'), 4);
        s.newRow();
        for (const QString& n : hand) s.put(n, 4);
        s.newRow();
        for (const char* b : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"})
            s.put(QString::fromLatin1(b) + QLatin1Char('B'), 6);
        for (const char* b : {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"})
            s.put(QString::fromLatin1(b), 4);
        s.newRow();
        for (const char* n : {"Ch04B", "Bu05B", "Kr06B", "Pi03B", "Ch10B", "GCard0Bg", "GCardRedBg",
                              "GCardYellowBg", "GCard0Sm", "GCardNavySm", "GCardAquaSm"})
            s.put(QString::fromLatin1(n), 6);
        s.image.save(out + QStringLiteral("/cards.png"));
    }
    {
        TSheet s(QSize(1700, 1500));
        for (const char* n : {"SPYellowB", "SPRedB", "SPBlueB", "SPFioletB", "SPGreenB"})
            s.put(QString::fromLatin1(n));
        s.newRow();
        for (const char* n : {"SPYellow", "SPRed", "SPBlue", "SPFiolet", "SPGreen", "Hand_Up",
                              "Hand_Down", "GTimerR", "GTimerY", "Logo", "AdvBar3"})
            s.put(QString::fromLatin1(n));
        s.newRow();
        for (const char* n :
             {"GFrameSuper", "RamkaCBBg", "RamkaERBg", "RamkaCBSm", "RamkaERSm", "GClockBG"})
            s.put(QString::fromLatin1(n));
        for (int d = 0; d < 10; ++d) s.put(QStringLiteral("GBClock%1").arg(d), 2);
        s.put(QStringLiteral("GBClockP"));
        s.newRow();
        s.put(QStringLiteral("GTitle"));
        s.put(QStringLiteral("CapEng"));
        s.newRow();
        for (const char* n : {"EliteEng", "Net__Rus", "CapChi"}) s.put(QString::fromLatin1(n));
        s.newRow();
        for (const char* n : {"FlagOEng", "FlagORus", "FlagODeu", "FlagOFra", "FlagOSpa",
                              "FlagOChi", "FlagOIta", "FlagOCze", "FlagOJap", "FlagOKor"})
            s.put(QString::fromLatin1(n));
        s.newRow();
        for (const QImage& f : builtinImageList(QStringLiteral("ILEuro"))) s.put(f, 2);
        s.newRow();
        for (const char* n :
             {"GMEDAL01",   "GMEDAL02", "GMEDAL03", "GMedal",    "GPlace01",    "CURARROW",
              "CURHAND",    "CURWAIT",  "CUREDIT",  "FaceMan16", "FaceWoman16", "GNew",
              "GTourOn",    "GTourOff", "LampR24",  "LampY24",   "LampG24",     "Account48",
              "Windows",    "Android",  "Earth48",  "Stats",     "AdvGiftR",    "AdvGiftG",
              "GooglePlay", "AdvButR",  "GChat048", "GChat072",  "GNews072",    "MP_Play",
              "MP_Pause",   "MP_Next",  "MP_Volume"})
            s.put(QString::fromLatin1(n));
        s.newRow();
        for (const char* n :
             {"GCap300", "GLenta280x090", "GZovs128", "GZovsT128", "GAcNoM", "GAcFrame", "GSvitok"})
            s.put(QString::fromLatin1(n));
        s.newRow();
        for (const char* n : {"PngMenu1", "PngMenu2", "GPolkaNw", "GRadioA", "GRadioG"})
            s.put(QString::fromLatin1(n));
        for (const char* n : {"GOpt", "GClubF", "GEndBest", "GEndGood", "GEndBads", "GTopTen",
                              "GSirenaR", "StarY0"}) {
            const QList<QImage> frames = builtinAnimation(QString::fromLatin1(n));
            s.put(frames.value(frames.size() / 2));
        }
        for (const QImage& f : builtinImageList(QStringLiteral("ILFlames"))) s.put(f, 2);
        s.image.save(out + QStringLiteral("/pictures.png"));
    }
    std::printf("%s/cards.png\n%s/pictures.png\n", qPrintable(out), qPrintable(out));
    return 0;
}
