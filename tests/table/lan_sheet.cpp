// Not a test: renders the LAN set-up windows into PNG files for a person to look at: the login
// window as the host and as a joiner with its own addresses, and the waiting window of the host
// with joins and of a joiner that finds no game. Usage: lan_sheet <folder>.
#include "records/club.h"
#include "settings/settings.h"
#include "table/form_aux.h"
#include "table/form_password.h"
#include "table/form_wait.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

void save(QWidget& w, const fs::path& folder, const std::string& name) {
    w.show();
    w.adjustSize();
    QApplication::processEvents();
    w.grab().save(QString::fromStdString((folder / (name + ".png")).string()));
    w.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path("lan_sheet");
    fs::create_directories(folder);
    const fs::path home = fs::temp_directory_path() / "vantor-lan-sheet";
    fs::create_directories(home);
    seedClubFiles(home);
    TClubFile club = clubFile(home, ClubKind::Lan);
    Settings.LanGame = true;

    TFormWait wait;
    TLanSetup setup;
    setup.wait = &wait;
    setup.interfaceAddresses = [] { return QStringList{"192.168.1.10", "10.8.0.3"}; };
    setup.echoAddress = [] { return QStringLiteral("203.0.113.9"); };
    {
        TCurrentPlayer player;
        TFormPassword host(TFormPassword::TMode::NewPlayer, kSlotNewPlayer, club, player, nullptr,
                           &setup);
        host.Edit1->setText(QStringLiteral("Olga"));
        save(host, folder, "login_lan_host");
    }
    {
        TCurrentPlayer player;
        TFormPassword joiner(TFormPassword::TMode::NewPlayer, kSlotNewPlayer, club, player, nullptr,
                             &setup);
        joiner.Edit1->setText(QStringLiteral("Ann"));
        joiner.RadioGroup1->setItemIndex(1);
        joiner.Button3Click();
        joiner.Edit4->setText(QStringLiteral("192.168.1."));
        joiner.Button1Click(); // the address check's status line
        save(joiner, folder, "login_lan_joiner");
    }
    wait.Prepare(true);
    save(wait, folder, "wait_host_empty");
    wait.Prepare(true);
    wait.JoinerSeated(2);
    save(wait, folder, "wait_host_two_joins");
    wait.Prepare(false);
    wait.side.noGame = [] { return true; };
    wait.Timer1Timer();
    save(wait, folder, "wait_joiner_no_game");
    fs::remove_all(home);
    return 0;
}
