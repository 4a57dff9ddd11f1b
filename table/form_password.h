#pragma once
// TFormPassword: the player window. In login mode it asks a club member for the password; in
// new-player mode for a name and a password typed twice. Errors show in Label4. Given a LAN
// set-up it also asks whether this copy creates the game or enters one, for the server's address
// and port, and after Ok it waits in the waiting window until the game can open.

#include "records/club.h"
#include "records/player.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vantor {

class TZovCardsButton;
class TFormWait;
class TRadioGroup;

// The longest name a LAN game accepts: four characters travel to the other copies.
inline constexpr int kLanNameLength = 4;

// What the login window of a LAN game asks of the main window's LAN side.
struct TLanSetup {
    // Host: starts listening on `port` (0: the system chooses one and `port` tells which).
    // False with the socket layer's text when it cannot.
    std::function<bool(quint16& port, const TCurrentPlayer& player, QString* error)> host;
    // Joiner: starts connecting to the server; the outcome reaches the waiting window.
    std::function<void(const QString& address, quint16 port, const TCurrentPlayer& player)> join;
    TFormWait* wait = nullptr;
    // Own addresses; empty members use the interface list and the address-echo page.
    std::function<QStringList()> interfaceAddresses;
    std::function<QString()> echoAddress;
    std::function<void(const QUrl& url)> openUrl;
};

// The machine's IPv4 interface addresses in the order the system reports them, without the
// loopback address.
QStringList localIPv4Addresses();
// The game service's home page, its address-echo page and the router help document.
QUrl serviceHomePage();
QUrl addressEchoPage();
QUrl routerHelpPage();
// One bounded GET of the address-echo page: the trimmed reply when it is an address, else empty.
QString fetchEchoAddress(const QUrl& page, int timeoutMs = 3000);

class TFormPassword : public QDialog {
public:
    enum class TMode { Login, NewPlayer };

    // `club` is the club file of the current mode; `player` receives the accepted entry. With
    // `lan` the window is the login window of a LAN game.
    TFormPassword(TMode mode, int slot, TClubFile& club, TCurrentPlayer& player,
                  QWidget* parent = nullptr, TLanSetup* lan = nullptr);

    // Ok: runs the checks; accepts the window when they pass, otherwise shows the error. In a
    // LAN game it then starts hosting or joining and shows the waiting window.
    void Button1Click();
    // "To receive the IP-addresses".
    void Button3Click();
    // "?": the help document about routers.
    void Button4Click();

    QLineEdit* Edit1 = nullptr; // name
    QLineEdit* Edit2 = nullptr; // password
    QLineEdit* Edit3 = nullptr; // password again
    QLabel* Label4 = nullptr;   // error text
    TZovCardsButton* Button1 = nullptr;
    TZovCardsButton* Button2 = nullptr;

    // LAN fields, present only in a LAN game.
    TRadioGroup* RadioGroup1 = nullptr; // "Server create the game" / "Client enters to game"
    QLineEdit* Edit4 = nullptr;         // server address
    QLineEdit* Edit5 = nullptr;         // port
    QSpinBox* SpinEdit1 = nullptr;      // "Number games:", disabled at 1
    TZovCardsButton* Button3 = nullptr; // "To receive the IP-addresses"
    std::array<QLineEdit*, 7> EditIP{}; // EditIP1..EditIP6 at 1..6
    TZovCardsButton* Button4 = nullptr; // "?"
    QLabel* LabelIP = nullptr;
    QLabel* LabelPort = nullptr;
    QLabel* LabelNumber = nullptr;

    TMode mode() const { return fMode; }
    bool lanMode() const { return fLan != nullptr; }
    // 1 the host, 2 a joiner.
    int role() const { return fRole; }

private:
    void buildLanFields(QGridLayout* grid);
    void chooseRole(int index);
    void addressChanged();
    void portChanged();
    void showError(const QString& text, QWidget* focus);
    void lanOk();

    TMode fMode;
    int fSlot;
    TClubFile& fClub;
    TCurrentPlayer& fPlayer;
    TLanSetup* fLan = nullptr;
    int fRole = 1;
};

} // namespace vantor
