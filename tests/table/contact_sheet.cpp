// Renders the owner-drawn buttons in every scheme, a table scene and the notice window so a
// person can look at them:
//   contact_sheet_table OUTDIR   -> buttons.png, table.png, notice.png
#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"
#include "table/form_link.h"
#include "table/zov_cards_button.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

using namespace vantor;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(out);
    QFont decor(QStringLiteral("Comic Sans MS"));
    decor.setPixelSize(18);
    decor.setBold(true);

    {
        QImage sheet(1180, 820, QImage::Format_RGB32);
        QPainter p(&sheet);
        p.drawImage(sheet.rect(), builtinPicture(QStringLiteral("FonGB")));
        const char* names[8] = {"DRed",    "DGreen",  "DBlue",  "DNavy",
                                "DYellow", "DViolet", "DOrang", "DCards"};
        const int heights[4] = {30, 36, 45, 60};
        int y = 10;
        for (int nata = 0; nata < 2; ++nata)
            for (int hi = 0; hi < 4; ++hi) {
                int x = 10;
                for (int s = 0; s < 8; ++s) {
                    TZovCardsButton b(QString::fromLatin1(names[s]));
                    b.resize(135, heights[hi]);
                    b.setFont(decor);
                    b.setColorSB(TColorSB(s));
                    b.setNata(nata);
                    b.setFontColor(s == DCards ? QColor(200, 175, 50) : Qt::white);
                    TButtonDrawState st;
                    if (hi == 0 && s == 0) {
                        b.setButtonStyle(true);
                        st.focused = true;
                    }
                    p.drawImage(x, y, b.snapshot(st));
                    x += 145;
                }
                y += heights[hi] + 8;
            }
        // Lightening, pressed, disabled, glyph and a left-aligned caption.
        int x = 10;
        for (int k : {0, 25, 50, 75}) {
            TZovCardsButton b(QStringLiteral("KLight %1").arg(k));
            b.resize(135, 30);
            b.setFont(decor);
            b.setFontColor(Qt::white);
            b.setColorSB(DBlue);
            b.setKLightSB(k);
            p.drawImage(x, y, b.snapshot({}));
            x += 145;
        }
        TZovCardsButton pressed(QStringLiteral("Pressed"));
        pressed.resize(135, 30);
        pressed.setFont(decor);
        pressed.setFontColor(Qt::white);
        TButtonDrawState down;
        down.selected = true;
        p.drawImage(x, y, pressed.snapshot(down));
        x += 145;
        TZovCardsButton disabled(QStringLiteral("Disabled"));
        disabled.resize(135, 30);
        disabled.setFont(decor);
        disabled.setGrayDis(true);
        TButtonDrawState dis;
        dis.disabled = true;
        p.drawImage(x, y, disabled.snapshot(dis));
        x += 145;
        TZovCardsButton medal(QStringLiteral("Club member"));
        medal.resize(280, 45);
        medal.setFont(decor);
        medal.setFontColor(QColor(255, 255, 0));
        medal.setColorSB(DNavy);
        medal.setNata(true);
        medal.setGlyph(builtinPicture(QStringLiteral("GMEDAL01")));
        medal.setMargin(4);
        p.drawImage(10, y + 40, medal.snapshot({}));
        TZovCardsButton wide(QStringLiteral("To Begin"));
        wide.resize(175, 30);
        wide.setFont(decor);
        wide.setFontColor(QColor(255, 255, 0));
        wide.setColorSB(DRed);
        p.drawImage(300, y + 40, wide.snapshot({}));
        p.end();
        sheet.save(out + QStringLiteral("/buttons.png"));
    }
    {
        // A table at window size 4 (k = 1.7): large faces scaled with rounded corners.
        const double k = 1.7;
        auto K = [k](double v) { return int(std::lround(v * k)); };
        QImage table(1290, 850, QImage::Format_RGB32);
        QPainter p(&table);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(table.rect(), builtinPicture(QStringLiteral("FonGB")));
        const QSize card(K(71), K(96));
        TScaledPictureCache cache;
        auto drawCard = [&](int x, int y, const QString& name) {
            p.drawImage(x, y, cache.get(name, builtinPicture(name), card, K(8)));
        };
        const QStringList hand = {"Pi03B", "Ch05B", "Bu05B", "Kr07B", "Ch09B", "Pi10B", "Bu2JB",
                                  "Kr3QB", "Ch4KB", "Pi5AB", "Bu02B", "Kr02B", "PoRedB"};
        for (int i = 0; i < hand.size(); ++i)
            drawCard(K(200) + i * K(23), K(375) + K(15) - (i == 7 || i == 8 ? K(15) : 0), hand[i]);
        for (int seat = 0; seat < 3; ++seat)
            for (int i = 0; i < 10; ++i)
                drawCard(K(30 + seat * 255) + i * K(12), K(10), QStringLiteral("Ob03WeB"));
        for (int i = 0; i < 2; ++i)
            drawCard(K(250) + i * K(74), K(225),
                     i ? QStringLiteral("Kr4KB") : QStringLiteral("Bu4KB"));
        const char* bubbles[4] = {"SPRedB", "SPBlueB", "SPFioletB", "SPYellowB"};
        const char* says[4] = {"Vantor", "Vice-Vantor", "Minister", "Player: 9"};
        const int bx[4] = {45, 300, 555, 300}, by[4] = {130, 130, 130, 352};
        QFont serif(QStringLiteral("Comic Sans MS"));
        serif.setBold(true);
        serif.setPixelSize(K(18));
        for (int s = 0; s < 4; ++s) {
            const QRect r(K(bx[s]), K(by[s]), K(160), K(20));
            p.drawImage(r, builtinPicture(QString::fromLatin1(bubbles[s])));
            p.setFont(serif);
            p.setPen(Qt::white);
            p.drawText(r, Qt::AlignCenter, QString::fromLatin1(says[s]));
        }
        p.drawImage(QRect(K(270), K(342), K(20), K(30)),
                    builtinPicture(QStringLiteral("Hand_Down")));
        const QRect kon(K(10), K(220), K(130), K(60));
        p.drawImage(kon, builtinPicture(QStringLiteral("RamkaCBBg")));
        QFont decor26(QStringLiteral("Comic Sans MS"));
        decor26.setPixelSize(K(26) * 3 / 4);
        p.setFont(decor26);
        p.setPen(QColor(0, 0, 255));
        p.drawText(kon.adjusted(0, K(15), 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("Round: 2"));
        TZovCardsButton ok(QStringLiteral("Ok"));
        ok.resize(int(std::lround(175 * k)), K(30));
        ok.setFont(decor);
        ok.setFontColor(Qt::white);
        TZovCardsButton pass(QStringLiteral("Pass"));
        pass.resize(int(std::lround(175 * k)), K(30));
        pass.setFont(decor);
        pass.setFontColor(Qt::white);
        p.drawImage(int(std::lround(580 * k)), int(std::lround(360 * k)), ok.snapshot({}));
        p.drawImage(int(std::lround(580 * k)), int(std::lround(390 * k)), pass.snapshot({}));
        p.end();
        table.save(out + QStringLiteral("/table.png"));
    }
    {
        TFormLink form(QStringLiteral("Can`t find the file ZovCards06B.dll"),
                       QStringLiteral("The program's own cards are used."),
                       QStringLiteral("https://example.org/packs"));
        form.show();
        form.grab().save(out + QStringLiteral("/notice.png"));
    }
    std::printf("%s/buttons.png\n%s/table.png\n%s/notice.png\n", qPrintable(out), qPrintable(out),
                qPrintable(out));
    return 0;
}
