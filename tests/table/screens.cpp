// Not a test: plays a game in the real main window and saves what a player sees at each stage
// (opening screen, both menu designs, a deal, an exchange, a trick, the result) in window sizes
// 1, 3 and 5, as PNG files in the folder given on the command line.
#include "engine/computer.h"
#include "engine/exchange.h"
#include "settings/settings.h"
#include "table/form1.h"
#include "table/form_password.h"
#include "table/zov_cards_button.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <cstdlib>
#include <filesystem>

using namespace vantor;

namespace {
void save(TForm1& form, const QString& dir, const QString& name) {
    QApplication::processEvents();
    form.grab().save(dir + "/" + name + ".png");
}

void click(TForm1& form, int slot) {
    form.HandClick(kLocalSeat, form.HandLeft[kLocalSeat][slot], false);
}

void localMove(TForm1& form) {
    TGameRecord scratch = form.R;
    decideMove(scratch, kLocalSeat);
    for (int k = 1; k <= scratch.selection.count; ++k) click(form, scratch.selection.slot[k]);
    if (scratch.selection.count == 0)
        form.Button8Click();
    else
        form.Button7Click();
}

void gifts(TForm1& form, int n) {
    for (const auto& code : givingRuleCards(form.R, kLocalSeat, n))
        click(form, findCard(form.R, kLocalSeat, code));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? argv[1] : "/tmp/vantor_screens";
    QDir().mkpath(dir);
    for (int size : {1, 3, 5}) {
        const std::string home = "/tmp/vantor-screens-home-" + std::to_string(size);
        std::filesystem::remove_all(home);
        ::setenv("VANTOR_HOME", home.c_str(), 1);
        ::setenv("VANTOR_INSTANT", "1", 1);
        Settings = TSettings();
        TForm1 form;
        form.CuePlayer = [](std::string_view, bool) {};
        form.RunPasswordDialog = [](TFormPassword& f) {
            f.Edit1->setText("Anna");
            f.Button1Click();
            return f.result() == QDialog::Accepted;
        };
        form.show();
        QApplication::processEvents(); // the first paint reads the settings and the club files
        Settings.WindowSize = size;
        Settings.Duration = 3;
        const QString s = QString::number(size);
        for (int i = 0; i < 40; ++i) form.DrawOpeningScreen();
        save(form, dir, "opening_size" + s);
        form.LeaveOpeningScreen();
        for (int i = 0; i < 10; ++i) form.AnimateMenu();
        save(form, dir, "menu_design0_size" + s);
        Settings.MenuDesign = 1;
        form.ShowMainMenu();
        save(form, dir, "menu_design1_size" + s);
        Settings.MenuDesign = 0;
        form.ShowMainMenu();
        form.SetShuffleSeed(11);
        form.Button6Click();
        save(form, dir, "deal_size" + s);
        bool exchangeSaved = false, trickSaved = false;
        int moves = 0;
        for (int guard = 0; guard < 20000 && !form.R.gameOver; ++guard) {
            TGameRecord& r = form.R;
            if (r.RoundPhase == 1) {
                form.Button7Click();
                continue;
            }
            if (r.turn == tsVantorGives && !exchangeSaved) {
                save(form, dir, "exchange_size" + s);
                exchangeSaved = true;
            }
            switch (r.turn) {
            case 1:
            case 2:
            case 3:
                form.Timer1Timer();
                ++moves;
                break;
            case kLocalSeat:
                if (!trickSaved && moves > 8 && r.groupSize > 0) {
                    save(form, dir, "trick_size" + s);
                    trickSaved = true;
                }
                localMove(form);
                break;
            case tsVantorChoosing:
                gifts(form, 2);
                form.Button7Click();
                break;
            case tsViceChoosing:
                gifts(form, 1);
                form.Button7Click();
                break;
            default:
                form.Button7Click();
                break;
            }
        }
        save(form, dir, "result_size" + s);
        form.Button8Click();
        save(form, dir, "menu_after_game_size" + s);
    }
    return 0;
}
