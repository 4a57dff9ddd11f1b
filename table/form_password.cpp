#include "table/form_password.h"

#include "base/cp1251.h"
#include "base/fields.h"
#include "i18n/words.h"
#include "lan/address.h"
#include "settings/service_addresses.h"
#include "settings/settings.h"
#include "table/fonts.h"
#include "table/form_aux.h"
#include "table/form_wait.h"
#include "table/qtext.h"
#include "table/zov_cards_button.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGridLayout>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace vantor {
namespace {
std::string bytesOf(const QString& text) {
    return utf8ToCp1251(text.toStdString());
}

QString checkText(PlayerCheck check) {
    switch (check) {
    case PlayerCheck::IncorrectName:
        return qs(Word(words::IncorrectName));
    case PlayerCheck::PasswordsDiffer:
        return qs(Word(words::PasswordsDoNotMatch));
    case PlayerCheck::IncorrectPassword:
        return qs(Word(words::IncorrectPassword));
    case PlayerCheck::FileProblem:
        return qs(Word(words::TheIncorrectFile));
    default:
        return {};
    }
}
constexpr int kMaxOwnAddressFields = 6;

// White captions on the red buttons, as the other windows have them.
void styleRedButton(TZovCardsButton* b) {
    b->setColorSB(DRed);
    b->setFontColor(QColor(Qt::white));
    b->setLightFont(true);
    b->setColorMouse(QColor(255, 255, 0));
    b->setGrayDis(true);
}
// Interface addresses take at most this many fields, so that the echo and the loopback address
// always have one.
constexpr int kMaxInterfaceFields = kMaxOwnAddressFields - 2;
} // namespace

QStringList localIPv4Addresses() {
    QStringList list;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) list << a.toString();
    return list;
}

QUrl serviceHomePage() {
    std::string base = Settings.TopTenServiceUrl;
    if (base.empty()) base = decipherServiceAddress(kDefaultTopTenServiceAddress);
    QUrl url(QString::fromStdString(base));
    if (!url.isValid() || url.host().isEmpty()) return {};
    url.setPath(QStringLiteral("/"));
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QUrl addressEchoPage() {
    QUrl url = serviceHomePage();
    if (!url.isEmpty()) url.setPath(QStringLiteral("/get_ip.php"));
    return url;
}

QUrl routerHelpPage() {
    QUrl url = serviceHomePage();
    if (!url.isEmpty()) url.setPath(QStringLiteral("/downloads/any/routerc.doc"));
    return url;
}

QString fetchEchoAddress(const QUrl& page, int timeoutMs) {
    if (!page.isValid() || page.host().isEmpty()) return {};
    QNetworkAccessManager manager;
    QNetworkRequest request(page);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The transfer timeout covers a silent server; this covers everything else.
    QTimer::singleShot(timeoutMs + 500, &loop, [reply] { reply->abort(); });
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    QString text;
    if (reply->error() == QNetworkReply::NoError) {
        // A short page is all the service sends; anything that is not an address is ignored.
        const QByteArray body = reply->read(256);
        text = QString::fromUtf8(body).trimmed();
        if (QHostAddress address; !address.setAddress(text)) text.clear();
    }
    reply->deleteLater();
    return text;
}

TFormPassword::TFormPassword(TMode mode, int slot, TClubFile& club, TCurrentPlayer& player,
                             QWidget* parent, TLanSetup* lan)
    : QDialog(parent), fMode(mode), fSlot(slot), fClub(club), fPlayer(player), fLan(lan) {
    setWindowTitle(qs(Word(words::Welcome)));
    setModal(true);
    auto* grid = new QGridLayout(this);
    const QFont font = slotFontPx("decor", 16);
    auto label = [&](const WordEntry& entry, int row) {
        auto* l = new QLabel(qs(Word(entry)), this);
        l->setFont(font);
        grid->addWidget(l, row, 0);
    };
    label(words::EnterYourName, 0);
    label(words::EnterYourPassword, 1);
    label(words::OnceAgainForCheck, 2);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(static_cast<int>(kNameLength));
    Edit2 = new QLineEdit(this);
    Edit3 = new QLineEdit(this);
    for (QLineEdit* e : {Edit2, Edit3}) {
        e->setMaxLength(static_cast<int>(kPasswordLength));
        e->setEchoMode(QLineEdit::Password);
    }
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->setFont(slotFontPx("conew", 16));
        connect(e, &QLineEdit::returnPressed, this, [this] { Button1Click(); });
    }
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Edit3, 2, 1);
    int row = 3;
    if (fLan) {
        buildLanFields(grid);
        row = grid->rowCount();
    }
    Label4 = new QLabel(this);
    Label4->setStyleSheet("color: #c00000");
    Label4->setFont(font);
    Label4->setVisible(false);
    grid->addWidget(Label4, row, 0, 1, 2);
    Button1 = new TZovCardsButton(qs(Word(words::Ok)), this);
    Button2 = new TZovCardsButton(qs(Word(words::Cancel)), this);
    for (auto* b : {Button1, Button2}) {
        b->setFont(slotFontPx("decor", 18));
        b->setHeightSB(D30);
        styleRedButton(b);
        b->setMinimumWidth(120);
    }
    grid->addWidget(Button1, row + 1, 0);
    grid->addWidget(Button2, row + 1, 1);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    if (mode == TMode::Login) {
        const TClubRead read = readClubFile(club.path);
        const std::string line =
            slot >= 1 && slot <= kMemberSlots ? read.lines[slot] : std::string();
        Edit1->setText(qs(cp1251ToUtf8(loginNameField(line))));
        Edit1->setEnabled(false);
        Edit3->setEnabled(false);
        Edit2->setFocus();
    } else {
        const std::string last = utf8ToCp1251(Settings.PlayerName);
        std::string start = std::string(trim(newPlayerStartName(last)));
        // No name typed yet: the field offers "Mr.X".
        if (start.empty()) start = "Mr.X";
        // A LAN name is at most four characters; a longer last name starts as "Mr.X".
        if (fLan) {
            Edit1->setMaxLength(kLanNameLength);
            if (trim(last).size() > static_cast<std::size_t>(kLanNameLength)) start = "Mr.X";
        }
        Edit1->setText(qs(cp1251ToUtf8(start)));
        Edit1->setFocus();
    }
}

void TFormPassword::buildLanFields(QGridLayout* grid) {
    const QFont font = slotFontPx("decor", 16);
    const QFont edit = slotFontPx("conew", 16);
    RadioGroup1 = new TRadioGroup(this);
    RadioGroup1->setTitle(wordText(words::ServerClient));
    RadioGroup1->setFont(font);
    RadioGroup1->setItems({wordText(words::ServerCreatesGame), wordText(words::ClientEntersGame)});
    RadioGroup1->setMinimumHeight(70);
    grid->addWidget(RadioGroup1, 3, 0, 1, 2);
    auto label = [&](const WordEntry& entry, int row) {
        auto* l = new QLabel(wordText(entry), this);
        l->setFont(font);
        grid->addWidget(l, row, 0);
        return l;
    };
    LabelIP = label(words::EnterServerIp, 4);
    LabelPort = label(words::EnterServerPort, 5);
    LabelNumber = label(words::NumberGames, 6);
    Edit4 = new QLineEdit(this);
    Edit4->setMaxLength(15);
    Edit5 = new QLineEdit(this);
    Edit5->setMaxLength(5);
    for (QLineEdit* e : {Edit4, Edit5}) {
        e->setFont(edit);
        connect(e, &QLineEdit::returnPressed, this, [this] { Button1Click(); });
    }
    grid->addWidget(Edit4, 4, 1);
    grid->addWidget(Edit5, 5, 1);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setRange(1, 30);
    SpinEdit1->setValue(1);
    SpinEdit1->setEnabled(false);
    LabelNumber->setEnabled(false);
    grid->addWidget(SpinEdit1, 6, 1);

    Button3 = new TZovCardsButton(wordText(words::ReceiveIpAddresses), this);
    Button4 = new TZovCardsButton(QStringLiteral("?"), this);
    for (auto* b : {Button3, Button4}) {
        b->setFont(slotFontPx("decor", 16));
        b->setHeightSB(D30);
        styleRedButton(b);
    }
    Button4->setFixedWidth(40);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button3, 1);
    buttons->addWidget(Button4);
    grid->addLayout(buttons, 7, 0, 1, 2);
    auto* ips = new QGridLayout;
    for (int k = 1; k <= kMaxOwnAddressFields; ++k) {
        EditIP[k] = new QLineEdit(this);
        EditIP[k]->setReadOnly(true);
        EditIP[k]->setFont(slotFontPx("conew", 14));
        EditIP[k]->setVisible(false);
        ips->addWidget(EditIP[k], (k - 1) / 3, (k - 1) % 3);
    }
    grid->addLayout(ips, 8, 0, 1, 2);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    // The host first: the address field is only for a joiner.
    fRole = 1;
    RadioGroup1->setItemIndex(0);
    RadioGroup1->onClick = [this](int index) { chooseRole(index); };
    Edit4->clear();
    Edit4->setEnabled(false);
    LabelIP->setEnabled(false);
    Edit5->setText(QString::fromStdString(Settings.LanPort));
    connect(Edit4, &QLineEdit::textChanged, this, [this] { addressChanged(); });
    connect(Edit5, &QLineEdit::textChanged, this, [this] { portChanged(); });
}

void TFormPassword::chooseRole(int index) {
    if (!fLan) return;
    if (index == 0) {
        fRole = 1;
        Edit4->clear();
        Edit4->setEnabled(false);
        LabelIP->setEnabled(false);
    } else {
        fRole = 2;
        Edit4->setEnabled(true);
        LabelIP->setEnabled(true);
        Edit4->setText(QString::fromStdString(Settings.LanAddress));
    }
}

void TFormPassword::addressChanged() {
    const std::string text = Edit4->text().toStdString();
    if (!lan::addressCharactersOk(text)) {
        // The text goes back to the last good address (that change comes back here, clean).
        Edit4->setText(QString::fromStdString(Settings.LanAddress));
        return;
    }
    if (fRole == 2 && !text.empty()) Settings.LanAddress = text;
    Label4->setVisible(false);
}

void TFormPassword::portChanged() {
    const std::string text = Edit5->text().toStdString();
    if (!lan::portCharactersOk(text)) {
        Edit5->setText(QString::fromStdString(Settings.LanPort));
        return;
    }
    Settings.LanPort = text;
}

void TFormPassword::Button3Click() {
    if (!fLan) return;
    for (int k = 1; k <= kMaxOwnAddressFields; ++k) {
        EditIP[k]->clear();
        EditIP[k]->setToolTip(QString());
        EditIP[k]->setVisible(false);
    }
    const QStringList own =
        fLan->interfaceAddresses ? fLan->interfaceAddresses() : localIPv4Addresses();
    int k = 1;
    for (const QString& a : own) {
        if (k > kMaxInterfaceFields) break;
        EditIP[k]->setText(a);
        EditIP[k]->setVisible(true);
        ++k;
    }
    // The address the internet sees; empty when the service does not answer.
    EditIP[k]->setText(fLan->echoAddress ? fLan->echoAddress()
                                         : fetchEchoAddress(addressEchoPage()));
    EditIP[k]->setToolTip(serviceHomePage().toString());
    EditIP[k]->setVisible(true);
    ++k;
    EditIP[k]->setText(QStringLiteral("127.0.0.1"));
    EditIP[k]->setToolTip(QStringLiteral("Loop"));
    EditIP[k]->setVisible(true);
}

void TFormPassword::Button4Click() {
    const QUrl url = routerHelpPage();
    if (url.isEmpty()) return;
    if (fLan && fLan->openUrl) {
        fLan->openUrl(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void TFormPassword::showError(const QString& text, QWidget* focus) {
    Label4->setText(text);
    Label4->setVisible(true);
    if (focus) focus->setFocus();
}

void TFormPassword::lanOk() {
    const QString address = Edit4->text();
    if (fRole == 2 && !lan::addressFormOk(address.toStdString()))
        return showError(qs(Word(words::IncorrectIpAddress)), Edit4);
    // Five digits can still name no port; the socket layer has none above 65535.
    bool ok = false;
    const uint value = Edit5->text().toUInt(&ok);
    if (Edit5->text().isEmpty() || !ok || value > 65535 || (fRole == 2 && value == 0))
        return showError(qs(Word(words::IncorrectPort)), Edit5);
    quint16 port = static_cast<quint16>(value);
    TFormWait* wait = fLan->wait;
    if (!wait) return;
    if (fRole == 1) {
        QString error;
        if (!fLan->host || !fLan->host(port, fPlayer, &error))
            return showError(qs(Word(words::IncorrectPort)) +
                                 (error.isEmpty() ? QString() : " " + error),
                             Edit5);
        // A port the system chose is the one the joiners must type.
        if (value == 0) Edit5->setText(QString::number(port));
        wait->Prepare(true);
    } else {
        if (!fLan->join) return;
        Settings.LanAddress = address.toStdString();
        wait->Prepare(false);
        fLan->join(address, port, fPlayer);
    }
    Settings.LanPort = Edit5->text().toStdString();
    runModal(*wait);
    if (!wait->JoinResult) return;
    fPlayer.slot = fSlot;
    fPlayer.accepted = true;
    accept();
}

void TFormPassword::Button1Click() {
    PlayerCheck check;
    if (fMode == TMode::Login) {
        check = checkLogin(fClub, fSlot, bytesOf(Edit1->text()), bytesOf(Edit2->text()), fPlayer);
    } else {
        check = checkNewPlayer(bytesOf(Edit1->text()), bytesOf(Edit2->text()),
                               bytesOf(Edit3->text()), fPlayer);
        if (check == PlayerCheck::Ok) Settings.PlayerName = Edit1->text().trimmed().toStdString();
    }
    if (check == PlayerCheck::Ok && fLan) {
        fPlayer.slot = fSlot;
        fPlayer.accepted = false;
        Label4->setVisible(false);
        lanOk();
        return;
    }
    if (check == PlayerCheck::Ok) {
        fPlayer.slot = fSlot;
        fPlayer.accepted = true;
        accept();
        return;
    }
    Label4->setText(checkText(check));
    Label4->setVisible(true);
}

} // namespace vantor
