// Not a test: renders every auxiliary window in every design into PNG files for a person to
// look at. Usage: windows_sheet <folder>. The purple design is drawn with stand-in pack pictures.
#include "records/club.h"
#include "records/history.h"
#include "table/form_change_name.h"
#include "table/form_count.h"
#include "table/form_end_game.h"
#include "table/form_history.h"
#include "table/form_options.h"
#include "table/form_top_ten.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTabWidget>
#include <filesystem>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

QImage standInPack(const QString& name) {
    if (name.startsWith(QStringLiteral("GIcon48"))) {
        QImage strip(480, 48, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        QPainter p(&strip);
        for (int i = 0; i < 10; ++i) {
            p.setBrush(QColor::fromHsv(36 * i, 200, 255));
            p.drawEllipse(i * 48 + 4, 4, 40, 40);
        }
        return strip;
    }
    const bool coded = name.endsWith(QStringLiteral("Eng")) || name.endsWith(QStringLiteral("Rus"));
    if (coded && !name.startsWith(QStringLiteral("GForm"))) {
        // The concise header: the title word drawn as a picture.
        QImage header(300, 48, QImage::Format_ARGB32_Premultiplied);
        header.fill(Qt::transparent);
        QPainter p(&header);
        p.setFont(slotFont("serif", 24, true));
        p.setPen(QColor(150, 0, 0));
        p.drawText(header.rect(), Qt::AlignCenter, name.left(name.size() - 3).toUpper());
        return header;
    }
    if (name.startsWith(QStringLiteral("GForm")) && name.size() > 5 && coded) {
        QImage header(500, 90, QImage::Format_ARGB32_Premultiplied);
        header.fill(Qt::transparent);
        QPainter p(&header);
        QFont f = slotFont("serif", 26, true);
        p.setFont(f);
        p.setPen(colourBGR(kGoldBGR));
        p.drawText(QRect(0, 20, 500, 60), Qt::AlignHCenter, name.mid(5, name.size() - 8).toUpper());
        return header;
    }
    QImage bg(900, 600, QImage::Format_RGB32);
    QPainter p(&bg);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor(60, 0, 80));
    g.setColorAt(1, QColor(140, 0, 120));
    p.fillRect(bg.rect(), g);
    return bg;
}

void save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    w.grab().save(path);
    w.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/vantor_windows");
    fs::create_directories(out.toStdString());
    bindLanguage(&Settings.Language);
    noticeHook() = [](const QString&, const QString&, QWidget*) {};
    packFileProbe() = [](const QString& f) { return f == QStringLiteral("ZovCards06A.dll"); };
    const fs::path home = fs::temp_directory_path() / "vantor_windows_sheet";
    fs::remove_all(home);
    fs::create_directories(home);
    seedClubFiles(home);
    THistoryStamp stamp{21, 7, "03.03.2024"};
    for (int kind : {0, 3, 1, 2, 0}) {
        THisStr g;
        g.HName = kind == 3 ? "Alice/Comp 1/Comp 2/Comp 3" : "Alice";
        g.HRes = kind * 7 - 9;
        g.HRei = 1.25 * kind;
        g.Ac = static_cast<std::uint8_t>(kind);
        writeHistory(home, "Vantor4.clb", {g}, stamp);
    }

    struct TDesign {
        const char* name;
        int aux;
        bool alt;
    };
    const TDesign designs[] = {{"concise", 1, false},
                               {"aristocratic", 2, false},
                               {"ribbons", 3, false},
                               {"purple", 2, true}};
    for (const TDesign& d : designs) {
        packPictureLoader() = [&d](const QString&, const QString& name) {
            // The concise header and the purple pictures come from the graphics pack.
            return d.aux == 2 && !d.alt ? QImage() : standInPack(name);
        };
        const QString tag = QString::fromLatin1(d.name);
        for (int lang : {0, 1}) {
            Settings = TSettings{};
            Settings.Language = languageFromIndex(lang);
            Settings.AuxDesign = d.aux;
            Settings.AuxDesignAlt = d.alt;
            const QString lt = lang == 0 ? QString() : QStringLiteral("_ru");
            TOptionsHost host;
            host.screenSize = [] { return QSize(1920, 1080); };
            {
                TFormOptions form(host);
                for (int tab = 0; tab < 9; ++tab) {
                    if (lang == 1 && tab != 0 && tab != 8) continue;
                    form.PageControl1->setCurrentIndex(tab);
                    save(form, out + QStringLiteral("/options_%1_tab%2%3.png")
                                         .arg(tag)
                                         .arg(tab + 1)
                                         .arg(lt));
                }
            }
            if (lang == 1) continue;
            TCountInput ci;
            ci.gameNumber = 27;
            ci.initialScore = 40;
            ci.result = -12;
            ci.initialRating = 1.37;
            TFormCount count(makeCount(ci), QStringLiteral("Alice"), TAccountLamp::LoggedIn);
            save(count, out + QStringLiteral("/count_%1.png").arg(tag));
            for (int place : {1, 4, 0}) {
                TEndOfCycleInput in;
                in.place = place;
                in.cycleResult = place == 1 ? 512 : place ? 230 : -35;
                TFormEndGame end(in, {});
                save(end, out + QStringLiteral("/endgame_%1_place%2.png").arg(tag).arg(place));
            }
            TFormTopTen top(home, false);
            save(top, out + QStringLiteral("/topten_%1.png").arg(tag));
            TFHistory::lastViewed() = 0;
            TFHistory history(home);
            save(history, out + QStringLiteral("/history_%1.png").arg(tag));
            TFormChangeName name;
            save(name, out + QStringLiteral("/changename_%1.png").arg(tag));
        }
    }
    fs::remove_all(home);
    return 0;
}
