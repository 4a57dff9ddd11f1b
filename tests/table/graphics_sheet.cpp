// Not a test: lays out the pictures of a graphics pack for a person to look at.
// Usage: graphics_sheet PACKS_FOLDER OUT_FOLDER
// PACKS_FOLDER holds the "ZovCGraph1.dll" made by `vantor-packs build`. Writes
// graphics_windows.png (each purple window as it paints: background, header, icon),
// graphics_headers.png (the headers of every language on the red ribbon and the concise
// plaques), graphics_strips.png (icon strips, the touch strip, the animations frame by frame)
// and graphics_background.png (the main window's purple background at the small size).
#include "assets/builtin_pictures.h"
#include "packs/card_sets.h"
#include "packs/pack.h"
#include "table/pictures.h"

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace vantor;

namespace {

const QString kPack = QString::fromLatin1(kGraphicsPack);
const char* const kParts[] = {"Opt",     "Speed",    "TopTen",  "EndGame", "Count",
                              "History", "Password", "ServerW", "Stat",    "Chat"};
const char* const kCodes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

QImage png(const QString& name) {
    QImage img;
    LoadPackPng(name, kPack, img);
    return img;
}

QImage jpeg(const QString& name) {
    QImage img;
    LoadPackJpeg(name, kPack, img);
    return img;
}

void label(QPainter& p, int x, int y, const QString& text) {
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    p.drawText(x, y, text);
}

bool save(const QImage& img, const fs::path& out, const char* file) {
    const fs::path path = out / file;
    if (!img.save(QString::fromStdString(path.string()))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: graphics_sheet PACKS_FOLDER OUT_FOLDER\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VANTOR_HOME", argv[1], 1);
    QApplication app(argc, argv);
    const fs::path out = argv[2];
    fs::create_directories(out);
    bool ok = true;

    // Windows: background, English header, icon frame 1 at (35, 22), at a half of their size.
    {
        QImage sheet(1900, 2250, QImage::Format_RGB32);
        sheet.fill(QColor(230, 230, 230));
        QPainter p(&sheet);
        int x = 10, y = 20, rowH = 0;
        for (const char* part : kParts) {
            const QString name = QStringLiteral("GForm") + QLatin1String(part);
            QImage win = jpeg(name).convertToFormat(QImage::Format_RGB32);
            if (win.isNull()) {
                std::fprintf(stderr, "missing %s\n", qPrintable(name));
                ok = false;
                continue;
            }
            QPainter w(&win);
            w.drawImage(0, 0, png(name + QStringLiteral("Eng")));
            w.drawImage(QPoint(35, 22), png(QStringLiteral("GIcon48") + QLatin1String(part)),
                        QRect(0, 0, 48, 48));
            w.end();
            if (x + win.width() > sheet.width()) {
                x = 10;
                y += rowH + 20;
                rowH = 0;
            }
            label(p, x, y - 4,
                  QStringLiteral("%1 %2x%3").arg(name).arg(win.width()).arg(win.height()));
            p.drawImage(x, y, win);
            x += win.width() + 10;
            rowH = std::max(rowH, win.height());
        }
        ok = save(sheet, out, "graphics_windows.png") && ok;
    }
    // Headers: every language of two windows over the red ribbon as the ribbon design draws
    // them, then the concise plaques.
    {
        QImage sheet(1150, 1250, QImage::Format_RGB32);
        sheet.fill(QColor(212, 208, 200));
        QPainter p(&sheet);
        const QImage lenta = builtinPicture(QStringLiteral("GLenta280x090"));
        int y = 10;
        for (int i = 0; i < 8; ++i) {
            for (int col = 0; col < 2; ++col) {
                const QString part = QLatin1String(col ? "EndGame" : "Opt");
                const int x = 10 + col * 520;
                // The ribbon design: the header label at (5, 5) as wide as the window less 10,
                // the ribbon centred in it, the header picture at (-5, -7) of the label.
                const QImage header =
                    png(QStringLiteral("GForm") + part + QLatin1String(kCodes[i]));
                p.drawImage(x + 5 + (header.width() - 10 - lenta.width()) / 2, y + 5, lenta);
                p.drawImage(x, y - 2, header);
            }
            y += 100;
        }
        int x = 10;
        for (const char* n : {"OptionsEng", "Top TenRus", "History of gamesDeu",
                              "The completion of gameFra", "Information about gameChi",
                              "Welcome!Cze", "WorldTopTen1", "WorldStats", "ZovGamesChatSpa"}) {
            const QImage h = png(QString::fromUtf8(n));
            if (h.isNull()) ok = false;
            p.drawImage(x, y, h);
            x += 310;
            if (x > 900) {
                x = 10;
                y += 56;
            }
        }
        y += 60;
        x = 10;
        for (const char* n : {"GFormServerWL", "GFormStatL", "GFormChatL"}) {
            const QImage h = png(QString::fromLatin1(n));
            const QImage ribbon = builtinPicture(QStringLiteral("GLenta%1x%2")
                                                     .arg(h.width())
                                                     .arg(h.height(), 3, 10, QLatin1Char('0')));
            p.drawImage(x, y, ribbon);
            p.drawImage(x, y, h);
            x += 390;
        }
        ok = save(sheet, out, "graphics_headers.png") && ok;
    }
    // Strips and animations.
    {
        QImage sheet(1900, 1100, QImage::Format_RGB32);
        sheet.fill(QColor(40, 40, 40));
        QPainter p(&sheet);
        int y = 14;
        for (const QString& n :
             {QStringLiteral("GIcon48Opt"), QStringLiteral("GIcon48Speed"),
              QStringLiteral("GIcon48WT"), QStringLiteral("GIcon48Stat"),
              QStringLiteral("GIcon48Chat"), QStringLiteral("GIcon48TopTen"),
              QStringLiteral("GIcon48History"), QStringLiteral("GIcon48Count"),
              QStringLiteral("GIcon48EndGame"), QStringLiteral("GIcon48Password"),
              QStringLiteral("GIcon48ServerW")}) {
            p.setPen(Qt::white);
            p.drawText(10, y, n);
            p.drawImage(130, y - 14, png(n));
            y += 52;
        }
        // The touch strip on the purple background and on felt, in two rows of 15 frames.
        const QImage touch = png(QStringLiteral("GTouch"));
        for (int row = 0; row < 2; ++row) {
            p.fillRect(10, y + row * 104, 1500, 100,
                       row ? QColor(0, 110, 40) : QColor(70, 10, 110));
            p.drawImage(QPoint(10, y + row * 104), touch, QRect(row * 1500, 0, 1500, 100));
        }
        y += 216;
        int x = 10;
        for (char c = 'A'; c <= 'G'; ++c) {
            TAnimation a;
            LoadPackGif(QStringLiteral("Gif") + QLatin1Char(c), kPack, a);
            for (int f = 0; f < a.frames.size() && f < 4; ++f)
                p.drawImage(x + f * 72, y, a.frames[f]);
            p.setPen(Qt::white);
            p.drawText(x, y + 84, QStringLiteral("Gif%1: %2 frames").arg(c).arg(a.frames.size()));
            x += 300;
            if (x > 1500) {
                x = 10;
                y += 96;
            }
        }
        y += 96;
        TAnimation top;
        LoadPackGif(QStringLiteral("GTopTen"), kPack, top);
        for (int f = 0; f < top.frames.size() && f < 7; ++f)
            p.drawImage(10 + f * 244, y, top.frames[f]);
        if (top.isEmpty()) ok = false;
        ok = save(sheet, out, "graphics_strips.png") && ok;
    }
    {
        const QImage bg = jpeg(QStringLiteral("BGLilu"));
        if (bg.isNull()) ok = false;
        ok = save(bg.scaled(760, 500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), out,
                  "graphics_background.png") &&
             ok;
    }
    return ok ? 0 : 1;
}
