// LAN play in the windows: the login window's LAN fields and checks, the waiting window, and
// whole games between real main windows in one process over TCP on 127.0.0.1.
#include "app.h"
#include "base/cp1251.h"
#include "engine/computer.h"
#include "engine/exchange.h"
#include "lan/session.h"
#include "records/club.h"
#include "records/history.h"
#include "settings/settings.h"
#include "table/form1.h"
#include "table/form_aux.h"
#include "table/form_password.h"
#include "table/form_wait.h"
#include "table/picture_control.h"
#include "table/zov_cards_button.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <filesystem>
#include "tests/qt_wait.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vantor {
namespace {
namespace fs = std::filesystem;

using vantor::test::waitFor;
inline void pump() { vantor::test::pumpEvents(); }

fs::path freshHome(const std::string& tag) {
    const fs::path home = fs::temp_directory_path() /
                          ("vantor-lanui-" + std::to_string(::getpid()) + "-" + tag + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(home);
    fs::create_directories(home);
    return home;
}

// ---------------------------------------------------------------- the login window

class LanLogin : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        home = freshHome("login");
        Settings = TSettings();
        Settings.LanGame = true;
        club = clubFile(home, ClubKind::Lan);
        ASSERT_TRUE(seedClubFiles(home));
        wait = std::make_unique<TFormWait>();
        setup.wait = wait.get();
        setup.host = [this](quint16& port, const TCurrentPlayer&, QString*) {
            hostPorts.push_back(port);
            return hostSucceeds;
        };
        setup.join = [this](const QString& address, quint16 port, const TCurrentPlayer& p) {
            joins.push_back({address.toStdString(), port});
            joinedName = p.name;
        };
        setup.openUrl = [this](const QUrl& url) { opened.push_back(url); };
        previousRunner = modalRunner();
        modalRunner() = [this](QDialog& d) {
            ++waitShown;
            EXPECT_EQ(&d, wait.get());
            if (onWait) onWait();
            return d.result();
        };
        form = std::make_unique<TFormPassword>(TFormPassword::TMode::NewPlayer, kSlotNewPlayer,
                                               club, player, nullptr, &setup);
    }
    void TearDown() override {
        modalRunner() = previousRunner;
        form.reset();
        fs::remove_all(home);
    }
    void fill(const std::string& name, bool joiner, const QString& address, const QString& port) {
        form->Edit1->setText(QString::fromStdString(name));
        form->Edit2->setText("abc");
        form->Edit3->setText("abc");
        form->RadioGroup1->setItemIndex(joiner ? 1 : 0);
        if (joiner) form->Edit4->setText(address);
        form->Edit5->setText(port);
    }
    QString shownError() const {
        return form->Label4->isHidden() ? QString() : form->Label4->text();
    }

    fs::path home;
    TClubFile club;
    TCurrentPlayer player;
    TLanSetup setup;
    std::unique_ptr<TFormWait> wait;
    std::unique_ptr<TFormPassword> form;
    TModalRunner previousRunner;
    std::function<void()> onWait;
    std::vector<quint16> hostPorts;
    std::vector<std::pair<std::string, quint16>> joins;
    std::string joinedName;
    std::vector<QUrl> opened;
    bool hostSucceeds = true;
    int waitShown = 0;
};

TEST_F(LanLogin, OpensAsTheHostWithTheSavedPortAndAFourCharacterName) {
    EXPECT_TRUE(form->lanMode());
    EXPECT_EQ(form->role(), 1);
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
    EXPECT_FALSE(form->Edit4->isEnabled());
    EXPECT_TRUE(form->Edit4->text().isEmpty());
    EXPECT_EQ(form->Edit5->text(), "25666");
    EXPECT_FALSE(form->SpinEdit1->isEnabled());
    EXPECT_EQ(form->SpinEdit1->value(), 1);
    EXPECT_EQ(form->Edit1->text(), "Mr.X");
    EXPECT_EQ(form->Edit1->maxLength(), kLanNameLength);
    form->Edit1->setText("Alexander");
    EXPECT_EQ(form->Edit1->text(), "Alex") << "a fifth character cannot go in";
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(form->EditIP[k]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Label4->isVisibleTo(form.get()));
}

TEST_F(LanLogin, ALocalWindowHasNoLanFields) {
    TCurrentPlayer p;
    TFormPassword local(TFormPassword::TMode::NewPlayer, kSlotNewPlayer, club, p);
    EXPECT_FALSE(local.lanMode());
    EXPECT_EQ(local.RadioGroup1, nullptr);
    EXPECT_EQ(local.Edit1->maxLength(), 20);
}

TEST_F(LanLogin, ChoosingClientFillsTheSavedAddressAndServerEmptiesIt) {
    Settings.LanAddress = "10.0.0.7";
    form->RadioGroup1->setItemIndex(1);
    EXPECT_EQ(form->role(), 2);
    EXPECT_TRUE(form->Edit4->isEnabled());
    EXPECT_EQ(form->Edit4->text(), "10.0.0.7");
    form->Edit4->setText("192.168.5.5");
    EXPECT_EQ(Settings.LanAddress, "192.168.5.5");
    form->RadioGroup1->setItemIndex(0);
    EXPECT_EQ(form->role(), 1);
    EXPECT_FALSE(form->Edit4->isEnabled());
    EXPECT_TRUE(form->Edit4->text().isEmpty());
    EXPECT_EQ(Settings.LanAddress, "192.168.5.5") << "emptying the field keeps the saved address";
}

TEST_F(LanLogin, ALetterInTheFieldsBringsBackTheLastGoodText) {
    form->RadioGroup1->setItemIndex(1);
    form->Edit4->setText("10.1.1.1");
    form->Edit4->setText("10.1.1.1x");
    EXPECT_EQ(form->Edit4->text(), "10.1.1.1");
    form->Edit5->setText("4000");
    EXPECT_EQ(Settings.LanPort, "4000");
    form->Edit5->setText("40a0");
    EXPECT_EQ(form->Edit5->text(), "4000");
    EXPECT_EQ(Settings.LanPort, "4000");
}

struct AddressCase {
    const char* address;
    bool passes;
};

class LanAddresses : public LanLogin, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(LanAddresses, TheJoinersAddressIsCheckedOnOk) {
    fill("Ann", true, QString::fromLatin1(GetParam().address), "25666");
    form->Button1Click();
    if (GetParam().passes) {
        EXPECT_TRUE(shownError().isEmpty()) << shownError().toStdString();
        ASSERT_EQ(joins.size(), 1u);
        EXPECT_EQ(joins[0].first, GetParam().address);
        EXPECT_EQ(joins[0].second, 25666);
        EXPECT_EQ(waitShown, 1);
        EXPECT_FALSE(wait->host());
        EXPECT_EQ(wait->Label1->text(), "Expectation of game...");
        EXPECT_EQ(joinedName.substr(0, 4), "Ann ");
    } else {
        EXPECT_EQ(shownError(), "Incorrect IP-address!");
        EXPECT_TRUE(joins.empty());
        EXPECT_EQ(waitShown, 0);
    }
    EXPECT_NE(form->result(), QDialog::Accepted) << "the waiting window gave no game";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanAddresses,
    ::testing::Values(AddressCase{"192.168.1.10", true}, AddressCase{"999.999.999.999", true},
                      AddressCase{"127.0.0.1", true}, AddressCase{"192.168.1.", false},
                      AddressCase{"1922.168.1.1", false}, AddressCase{"192.168..1", false},
                      AddressCase{"192.168.1", false}, AddressCase{".168.1.1", false},
                      AddressCase{"", false}, AddressCase{"1.2.3.4.5", false}));

struct PortCase {
    bool joiner;
    const char* port;
    bool passes;
};

class LanPorts : public LanLogin, public ::testing::WithParamInterface<PortCase> {};

TEST_P(LanPorts, ThePortIsCheckedOnOk) {
    fill("Bo", GetParam().joiner, "127.0.0.1", QString::fromLatin1(GetParam().port));
    form->Button1Click();
    const std::size_t calls = GetParam().joiner ? joins.size() : hostPorts.size();
    if (GetParam().passes) {
        EXPECT_TRUE(shownError().isEmpty()) << shownError().toStdString();
        EXPECT_EQ(calls, 1u);
        EXPECT_EQ(Settings.LanPort, GetParam().port);
    } else {
        EXPECT_EQ(shownError(), "Incorrect Port!");
        EXPECT_EQ(calls, 0u);
        EXPECT_EQ(waitShown, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LanPorts,
                         ::testing::Values(PortCase{false, "25666", true},
                                           PortCase{true, "25666", true},
                                           PortCase{false, "", false}, PortCase{true, "", false},
                                           PortCase{false, "65535", true},
                                           PortCase{true, "65536", false},
                                           PortCase{false, "99999", false},
                                           PortCase{true, "0", false}, PortCase{true, "1", true}));

TEST_F(LanLogin, NameAndPasswordChecksComeFirst) {
    fill("", false, "", "25666");
    form->Button1Click();
    EXPECT_EQ(shownError(), "Incorrect name!");
    fill("Cleo", false, "", "25666");
    form->Edit3->setText("abd");
    form->Button1Click();
    EXPECT_EQ(shownError(), "The passwords do not coincide!");
    EXPECT_TRUE(hostPorts.empty());
}

TEST_F(LanLogin, AHostThatCannotListenSaysSoAndStaysOpen) {
    hostSucceeds = false;
    fill("Cleo", false, "", "25666");
    form->Button1Click();
    EXPECT_TRUE(shownError().startsWith("Incorrect Port!"));
    EXPECT_EQ(waitShown, 0);
}

TEST_F(LanLogin, TheHostWaitsForAJoinAndOkStartsTheGame) {
    fill("Cleo", false, "", "25666");
    onWait = [this] {
        EXPECT_TRUE(wait->host());
        EXPECT_EQ(wait->Label1->text(), "Expectation of connection of other players...");
        EXPECT_FALSE(wait->Button1->isEnabled()) << "Ok waits for the first join";
        EXPECT_TRUE(wait->Button2->isEnabled());
        EXPECT_FALSE(wait->Label2->isVisibleTo(wait.get()));
        wait->Button1Click();
        EXPECT_FALSE(wait->JoinResult);
        wait->JoinerSeated(2);
        EXPECT_TRUE(wait->Button1->isEnabled());
        EXPECT_FALSE(wait->Button2->isEnabled());
        EXPECT_TRUE(wait->Label2->isVisibleTo(wait.get()));
        EXPECT_TRUE(wait->Label3->isVisibleTo(wait.get()));
        EXPECT_FALSE(wait->Label4->isVisibleTo(wait.get()));
        wait->reject(); // Esc: no Cancel once a joiner sits at the table
        EXPECT_FALSE(wait->JoinResult);
        wait->Button1Click();
    };
    form->Button1Click();
    ASSERT_EQ(hostPorts.size(), 1u);
    EXPECT_EQ(hostPorts[0], 25666);
    EXPECT_TRUE(wait->JoinResult);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(player.accepted);
    EXPECT_EQ(player.name.substr(0, 4), "Cleo");
}

TEST_F(LanLogin, TheWaitingJoinerSeesNoAccessibleGames) {
    bool noGame = false;
    bool cancelled = false;
    wait->side.noGame = [&] { return noGame; };
    wait->side.cancel = [&] { cancelled = true; };
    wait->Prepare(false);
    wait->Timer1Timer();
    EXPECT_EQ(wait->Label1->text(), "Expectation of game...");
    noGame = true;
    wait->Timer1Timer();
    EXPECT_EQ(wait->Label1->text(), "There are no accessible games");
    wait->Button2Click();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(wait->JoinResult);
}

TEST_F(LanLogin, OwnAddressesEchoAndLoop) {
    setup.interfaceAddresses = [] {
        return QStringList{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4",
                           "10.0.0.5", "10.0.0.6", "10.0.0.7"};
    };
    setup.echoAddress = [] { return QStringLiteral("203.0.113.9"); };
    form->Button3Click();
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(form->EditIP[k]->isVisibleTo(form.get()));
        EXPECT_EQ(form->EditIP[k]->text(), QString("10.0.0.%1").arg(k));
    }
    EXPECT_EQ(form->EditIP[5]->text(), "203.0.113.9");
    EXPECT_EQ(form->EditIP[6]->text(), "127.0.0.1");
    EXPECT_EQ(form->EditIP[6]->toolTip(), "Loop");
    // Fewer interfaces: the echo and the loop follow them, the rest stays hidden.
    setup.interfaceAddresses = [] { return QStringList{"192.168.0.2"}; };
    setup.echoAddress = [] { return QString(); };
    form->Button3Click();
    EXPECT_EQ(form->EditIP[1]->text(), "192.168.0.2");
    EXPECT_TRUE(form->EditIP[2]->isVisibleTo(form.get()));
    EXPECT_TRUE(form->EditIP[2]->text().isEmpty()) << "a failed echo stays empty";
    EXPECT_EQ(form->EditIP[3]->text(), "127.0.0.1");
    for (int k = 4; k <= 6; ++k) EXPECT_FALSE(form->EditIP[k]->isVisibleTo(form.get()));
    for (const QString& a : localIPv4Addresses()) EXPECT_NE(a, "127.0.0.1");
}

TEST_F(LanLogin, HelpOpensTheRouterDocument) {
    Settings.TopTenServiceUrl = "http://127.0.0.1:9/zov/top10";
    form->Button4Click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), "http://127.0.0.1:9/downloads/any/routerc.doc");
    EXPECT_EQ(addressEchoPage().toString(), "http://127.0.0.1:9/get_ip.php");
}

// A tiny HTTP server on 127.0.0.1 answering every request with `reply` (or nothing).
class TEchoServer {
public:
    explicit TEchoServer(QByteArray reply, bool silent = false) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this, reply, silent] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [s, reply, silent] {
                    s->readAll();
                    if (silent) return;
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                             QByteArray::number(reply.size()) + "\r\nConnection: close\r\n\r\n" +
                             reply);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QUrl page() const {
        return QUrl(QString("http://127.0.0.1:%1/get_ip.php").arg(server.serverPort()));
    }
    QTcpServer server;
};

TEST(LanEcho, TheEchoPageGivesATrimmedAddressOrNothing) {
    testApp();
    {
        TEchoServer s(" 198.51.100.23 \r\n");
        EXPECT_EQ(fetchEchoAddress(s.page()), "198.51.100.23");
    }
    {
        TEchoServer s("<html>not an address</html>");
        EXPECT_EQ(fetchEchoAddress(s.page()), "");
    }
    {
        TEchoServer s("", true);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(fetchEchoAddress(s.page(), 300), "");
        EXPECT_LT(clock.elapsed(), 3000) << "a silent service does not hold the window";
    }
    quint16 closed = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closed = probe.serverPort();
    }
    EXPECT_EQ(fetchEchoAddress(QUrl(QString("http://127.0.0.1:%1/get_ip.php").arg(closed)), 1000),
              "");
    EXPECT_EQ(fetchEchoAddress(QUrl()), "");
}

// ---------------------------------------------------------------- real windows

struct TCopyWindow {
    std::string name;
    fs::path home;
    std::unique_ptr<TForm1> form;
    std::vector<QString> messages;
    std::vector<std::string> logs;
    bool joiner = false;
    quint16 port = 0;
};

class LanWindows : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        Settings = TSettings();
        previousRunner = modalRunner();
        previousNotice = noticeHook();
        noticeHook() = [this](const QString& a, const QString& b, QWidget*) {
            notices.push_back(a + " " + b);
        };
        modalRunner() = [this](QDialog& d) {
            auto* wait = dynamic_cast<TFormWait*>(&d);
            if (!wait) return 0;
            wait->show();
            if (wait->host() && onHostWait) onHostWait(*wait);
            EXPECT_TRUE(waitFor([wait] { return !wait->isVisible(); }))
                << "the waiting window did not close";
            wait->hide();
            return wait->result();
        };
    }
    void TearDown() override {
        for (auto& c : copies) c->form.reset();
        modalRunner() = previousRunner;
        noticeHook() = previousNotice;
        for (auto& c : copies) fs::remove_all(c->home);
    }

    TCopyWindow& addCopy(const std::string& name, bool joiner) {
        auto c = std::make_unique<TCopyWindow>();
        c->name = name;
        c->joiner = joiner;
        c->home = freshHome(name);
        fs::remove_all(c->home);
        ::setenv("VANTOR_HOME", c->home.c_str(), 1);
        c->form = std::make_unique<TForm1>();
        TCopyWindow* self = c.get();
        TForm1& f = *c->form;
        f.LanListenAddress = QHostAddress::LocalHost;
        f.CuePlayer = [](std::string_view, bool) {};
        f.ShowMessage = [self](const QString& m) { self->messages.push_back(m); };
        f.AskYesNo = [](const QString&) { return true; };
        f.LanLog = [self](std::string_view line) { self->logs.emplace_back(line); };
        f.RunPasswordDialog = [this, self](TFormPassword& p) {
            EXPECT_TRUE(p.lanMode());
            p.Edit1->setText(QString::fromStdString(self->name));
            p.Edit2->setText("pw");
            p.Edit3->setText("pw");
            p.RadioGroup1->setItemIndex(self->joiner ? 1 : 0);
            if (self->joiner) p.Edit4->setText("127.0.0.1");
            p.Edit5->setText(self->joiner ? QString::number(hostPort()) : QStringLiteral("0"));
            p.Button1Click();
            return p.result() == QDialog::Accepted;
        };
        EXPECT_TRUE(f.FirstPaint());
        f.LeaveOpeningScreen();
        copies.push_back(std::move(c));
        return *copies.back();
    }
    TForm1& form(std::size_t k) { return *copies[k]->form; }
    quint16 hostPort() { return form(0).LanServerPort(); }

    // A host and `joiners` joiners, seated through the login and waiting windows.
    void seatTable(int joiners, int duration) {
        const char* names[] = {"Host", "Ann", "Bo", "Cleo"};
        addCopy(names[0], false);
        for (int k = 1; k <= joiners; ++k) addCopy(names[k], true);
        // Every copy of the program has loaded its own settings; the LAN switch is on in all.
        Settings.LanGame = true;
        Settings.Duration = duration;
        form(0).SetShuffleSeed(11 + static_cast<std::uint64_t>(joiners));
        for (auto& c : copies) c->form->ShowMainMenu();
        onHostWait = [this, joiners](TFormWait& wait) {
            EXPECT_FALSE(wait.Button1->isEnabled());
            EXPECT_TRUE(form(0).LanListening());
            for (int k = 1; k <= joiners; ++k) {
                // Each joiner's own login runs its waiting window until the seat reply.
                form(static_cast<std::size_t>(k)).Button6Click();
                EXPECT_TRUE(form(0).LanSession()->joiners() == k);
            }
            EXPECT_TRUE(waitFor([&] { return wait.Button1->isEnabled(); }));
            EXPECT_FALSE(form(1).R.gameRunning) << "the joiner's table waits for the deal";
            if (const char* shots = std::getenv("VANTOR_LAN_SHOTS"))
                form(1).grab().save(QString("%1/table_joiner_waiting.png").arg(shots));
            wait.Button1Click();
        };
        form(0).Button6Click();
        ASSERT_TRUE(form(0).R.gameRunning) << "the host's table opened";
        for (std::size_t k = 1; k < copies.size(); ++k)
            ASSERT_TRUE(waitFor([&] { return form(k).R.gameRunning; })) << "joiner " << k;
    }

    void click(TForm1& f, int slot) {
        f.HandClick(kLocalSeat, f.HandLeft[kLocalSeat][slot], false);
    }

    void localMove(TForm1& f) {
        TGameRecord scratch = f.R;
        decideMove(scratch, kLocalSeat);
        for (int k = 1; k <= scratch.selection.count; ++k) click(f, scratch.selection.slot[k]);
        if (scratch.selection.count == 0) {
            ASSERT_TRUE(f.Button8->isEnabled());
            f.Button8Click();
        } else {
            ASSERT_TRUE(f.Button7->isEnabled()) << "play button off for a legal group";
            f.Button7Click();
        }
    }

    void chooseGifts(TForm1& f, int cards) {
        for (const auto& code : givingRuleCards(f.R, kLocalSeat, cards))
            click(f, findCard(f.R, kLocalSeat, code));
        ASSERT_TRUE(f.Button7->isEnabled());
        f.Button7Click();
        ++gifts;
    }

    // Plays until every copy's game is over, or `stop`; each copy's own seat through its clicks
    // and buttons, the host's pacing button pressed when it is offered.
    bool playUntil(const std::function<bool()>& stop = {}) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            pump();
            if (stop && stop()) return true;
            bool allOver = true;
            for (auto& c : copies) allOver &= c->form->R.gameOver;
            if (allOver) return true;
            for (std::size_t k = 0; k < copies.size(); ++k) {
                TForm1& f = form(k);
                TGameRecord& r = f.R;
                if (!r.gameRunning || r.gameOver) continue;
                const bool host = k == 0;
                if (r.RoundPhase == 1) {
                    if (host && f.Button7->isEnabled()) f.Button7Click();
                    continue;
                }
                switch (r.turn) {
                case 1:
                case 2:
                case 3:
                    if (host) f.Timer1Timer();
                    break;
                case kLocalSeat:
                    localMove(f);
                    break;
                case tsVantorChoosing:
                    chooseGifts(f, 2);
                    break;
                case tsViceChoosing:
                    chooseGifts(f, 1);
                    break;
                case tsVantorGives:
                case tsMinisterGives:
                case tsViceGives:
                    if (host && f.Button7->isEnabled()) f.Button7Click();
                    break;
                case tsRoundOver: {
                    bool everyone = true;
                    for (auto& c : copies)
                        everyone &= c->form->R.turn == tsRoundOver &&
                                    c->form->R.RoundNumber == r.RoundNumber;
                    if (host && everyone && f.Button7->isEnabled()) f.Button7Click();
                    break;
                }
                default:
                    break;
                }
                if (HasFatalFailure()) return false;
            }
        }
        ADD_FAILURE() << "time limit";
        return false;
    }

    std::vector<std::unique_ptr<TCopyWindow>> copies;
    std::function<void(TFormWait&)> onHostWait;
    std::vector<QString> notices;
    TModalRunner previousRunner;
    TNoticeHook previousNotice;
    int gifts = 0;
};

bool clubHolds(const TClubFile& club, const std::string& name) {
    const TClubRead read = readClubFile(club.path);
    if (read.status != ClubStatus::Ok) return false;
    for (int i = 1; i <= kMemberSlots; ++i)
        if (read.lines[static_cast<std::size_t>(i)].rfind(name + " ", 0) == 0) return true;
    return false;
}

class LanWholeGames : public LanWindows, public ::testing::WithParamInterface<int> {};

TEST_P(LanWholeGames, WindowsPlayAGameAndEachStoresItsPlayer) {
    const int joiners = GetParam();
    seatTable(joiners, 4);
    ASSERT_FALSE(HasFatalFailure());
    // The seats as each copy sees them: its own player at the bottom.
    EXPECT_EQ(form(0).R.seatName[4], "Host");
    EXPECT_EQ(form(1).R.seatName[4], "Ann");
    EXPECT_EQ(form(1).R.seatName[localSeatOfHostSeat(2, 4)], "Host");
    EXPECT_EQ(form(1).R.seatName[localSeatOfHostSeat(2, 1)], joiners >= 2 ? "Bo" : "PC");
    for (std::size_t k = 0; k < copies.size(); ++k) {
        EXPECT_TRUE(form(k).ImageMemo->isVisibleTo(&form(k)));
        EXPECT_TRUE(form(k).Edit1->isEnabled()) << "the chat opens with the first deal";
    }

    // A chat line from a joiner reaches every memo in the joiner's colour.
    form(1).Edit1->setText("hello all");
    form(1).BitBtn1Click();
    EXPECT_TRUE(form(1).Edit1->text().isEmpty());
    for (std::size_t k = 0; k < copies.size(); ++k)
        ASSERT_TRUE(waitFor([&] { return form(k).LanSession()->memo().lines()[0].used; })) << k;
    for (std::size_t k = 0; k < copies.size(); ++k) {
        const lan::TMemoLine& line = form(k).LanSession()->memo().lines()[0];
        EXPECT_EQ(line.colour, lan::roleColour(2));
        EXPECT_EQ(line.text.substr(0, 5), "hello");
    }

    // For a person to look at: the tables in the second round (VANTOR_LAN_SHOTS=<folder>).
    if (const char* shots = std::getenv("VANTOR_LAN_SHOTS")) {
        ASSERT_TRUE(
            playUntil([&] { return form(0).R.RoundNumber == 2 && form(0).R.turn == kLocalSeat; }));
        for (std::size_t k = 0; k < copies.size(); ++k)
            form(k).grab().save(QString("%1/table_%2_of_%3.png")
                                    .arg(shots)
                                    .arg(copies[k]->name.c_str())
                                    .arg(joiners + 1));
    }
    ASSERT_TRUE(playUntil());
    ASSERT_FALSE(HasFailure());
    for (std::size_t k = 0; k < copies.size(); ++k) {
        SCOPED_TRACE(copies[k]->name);
        const TGameRecord& r = form(k).R;
        EXPECT_EQ(r.RoundNumber, 4);
        int points = 0;
        for (int s = 1; s <= kSeats; ++s) points += r.GamePoints[s];
        EXPECT_EQ(points, 4 * 18);
        EXPECT_EQ(r.GameResult, form(k).R.GameResult);
        EXPECT_TRUE(form(k).Button8->isEnabled()) << "Exit to menu is offered";
    }
    // Every copy's game is the host's, seen from its own seat.
    for (std::size_t k = 1; k < copies.size(); ++k)
        for (int hs = 1; hs <= kSeats; ++hs)
            EXPECT_EQ(form(k).R.GamePoints[localSeatOfHostSeat(form(k).R.localRole, hs)],
                      form(0).R.GamePoints[hs]);

    for (std::size_t k = 0; k < copies.size(); ++k) {
        form(k).Button8Click();
        EXPECT_TRUE(form(k).MenuShown);
        EXPECT_FALSE(form(k).R.gameRunning);
    }
    for (std::size_t k = 0; k < copies.size(); ++k) {
        SCOPED_TRACE(copies[k]->name);
        TForm1& f = form(k);
        EXPECT_TRUE(clubHolds(f.LanClub, copies[k]->name)) << "Vantor4.net holds the player";
        EXPECT_FALSE(clubHolds(f.Club, copies[k]->name)) << "the computer club is untouched";
        EXPECT_TRUE(copies[k]->messages.empty()) << copies[k]->messages.front().toStdString();
        EXPECT_TRUE(copies[k]->logs.empty()) << copies[k]->logs.front();
        const auto rows = readHistoryRows(historyFilePath(f.Home, "Vantor4.clb", 1));
        ASSERT_TRUE(rows.has_value());
        ASSERT_EQ(rows->size(), 1u);
        EXPECT_EQ(rows->front().typeText, "Net");
        EXPECT_EQ(rows->front().player.rfind(copies[k]->name + "/", 0), 0u)
            << "the four names, this copy's first: " << rows->front().player;
    }
    // Back in the menu the sockets are closed.
    EXPECT_TRUE(waitFor([&] { return !form(0).LanListening(); }));
    EXPECT_TRUE(notices.empty()) << notices.front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Joiners, LanWholeGames, ::testing::Values(1, 2));

TEST_F(LanWindows, AJoinerLeavingMidGameStopsTheTableForTheOthers) {
    seatTable(2, 5);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(playUntil([&] { return form(0).R.RoundNumber == 2 && isSeat(form(0).R.turn); }));
    ASSERT_FALSE(form(0).R.gameOver);
    // Ann leaves with "Exit to menu" from the table's menu.
    form(1).QuitClick();
    EXPECT_TRUE(form(1).MenuShown);
    EXPECT_FALSE(clubHolds(form(1).LanClub, "Ann"));
    ASSERT_TRUE(
        waitFor([&] { return !copies[0]->messages.empty() && !copies[2]->messages.empty(); }));
    const QString lost =
        "One of player has interrupted game!\n\rPress OK for exit to the main menu...";
    EXPECT_EQ(copies[0]->messages, std::vector<QString>{lost}) << "the host loses a joiner";
    EXPECT_EQ(copies[2]->messages, std::vector<QString>{lost}) << "the other joiner is aborted";
    EXPECT_TRUE(copies[1]->messages.empty());
    for (std::size_t k : {0u, 2u}) {
        TForm1& f = form(k);
        EXPECT_FALSE(f.R.gameRunning);
        EXPECT_TRUE(f.MenuShown);
        EXPECT_FALSE(f.Button7->isVisibleTo(&f));
        EXPECT_FALSE(f.ImageCards[kLocalSeat]->isVisibleTo(&f));
        EXPECT_FALSE(f.ImageMemo->isVisibleTo(&f));
        EXPECT_FALSE(f.Edit1->isVisibleTo(&f));
        EXPECT_FALSE(f.Edit1->isEnabled());
    }
    EXPECT_TRUE(waitFor([&] { return !form(0).LanListening(); }));
}

TEST_F(LanWindows, TheSecretCodeOnTheSendButtonShowsTheOtherHands) {
    seatTable(1, 3);
    ASSERT_FALSE(HasFatalFailure());
    TForm1& j = form(1);
    const QImage hidden = j.ImageCards[1]->buffer().copy();
    auto type = [&](const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(j.BitBtn1, &press);
        }
    };
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(j.BitBtn1, &in);
    type("7194");
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(j.BitBtn1, &out);
    QCoreApplication::sendEvent(j.BitBtn1, &in);
    type("8");
    EXPECT_FALSE(j.LanSession()->handsRevealed()) << "losing the focus forgets what was typed";
    QCoreApplication::sendEvent(j.BitBtn1, &out);
    QCoreApplication::sendEvent(j.BitBtn1, &in);
    type("71948");
    EXPECT_TRUE(j.LanSession()->handsRevealed());
    EXPECT_NE(j.ImageCards[1]->buffer(), hidden) << "the hand is drawn face up";
    EXPECT_FALSE(form(0).LanSession()->handsRevealed()) << "only this copy";
    type("71948");
    EXPECT_FALSE(j.LanSession()->handsRevealed());
    EXPECT_EQ(j.ImageCards[1]->buffer(), hidden);
}

TEST_F(LanWindows, CancelOnTheHostClosesTheListeningSocketAndOkOpensItAgain) {
    addCopy("Host", false);
    Settings.LanGame = true;
    int shown = 0;
    onHostWait = [&](TFormWait& wait) {
        ++shown;
        EXPECT_TRUE(form(0).LanListening());
        const quint16 port = form(0).LanServerPort();
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(probe.waitForConnected(3000));
        wait.Button2Click();
        EXPECT_FALSE(form(0).LanListening());
    };
    // Through the menu: the login stays open after Cancel, so the hook presses Ok twice.
    form(0).RunPasswordDialog = [&](TFormPassword& p) {
        p.Edit1->setText("Host");
        p.Edit2->setText("pw");
        p.Edit3->setText("pw");
        p.Edit5->setText("0");
        p.Button1Click();
        EXPECT_NE(p.result(), QDialog::Accepted);
        EXPECT_FALSE(form(0).LanListening());
        p.Button1Click();
        return p.result() == QDialog::Accepted;
    };
    form(0).Button6Click();
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(form(0).R.gameRunning);
    EXPECT_TRUE(form(0).MenuShown);
}

TEST_F(LanWindows, NobodyAnsweringShowsNoAccessibleGamesAndCancelLeaves) {
    quint16 closed = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closed = probe.serverPort();
    }
    TCopyWindow& j = addCopy("Ann", true);
    Settings.LanGame = true;
    modalRunner() = [&](QDialog& d) {
        auto* wait = dynamic_cast<TFormWait*>(&d);
        if (!wait) return 0;
        wait->show();
        EXPECT_TRUE(waitFor([&] { return j.form->LanSession()->noGameFlag(); }));
        wait->Timer1Timer();
        EXPECT_EQ(wait->Label1->text(), "There are no accessible games");
        wait->Button2Click();
        return wait->result();
    };
    j.form->RunPasswordDialog = [&](TFormPassword& p) {
        p.Edit1->setText("Ann");
        p.Edit2->setText("pw");
        p.Edit3->setText("pw");
        p.RadioGroup1->setItemIndex(1);
        p.Edit4->setText("127.0.0.1");
        p.Edit5->setText(QString::number(closed));
        p.Button1Click();
        return p.result() == QDialog::Accepted;
    };
    j.form->Button6Click();
    EXPECT_FALSE(j.form->R.gameRunning);
    EXPECT_TRUE(j.form->MenuShown);
    EXPECT_EQ(j.form->LanSession()->connectionState(), 0);
}

TEST_F(LanWindows, TheMenuShowsTheLanClubAndItsCaption) {
    TCopyWindow& c = addCopy("Host", false);
    TCurrentPlayer p;
    p.name = "Zed                 ";
    p.password = "pw   ";
    p.slot = kSlotNewPlayer;
    ASSERT_EQ(storeGameResult(c.form->LanClub, p, 123.0, 1, 9).store.status, ClubStatus::Ok);
    Settings.LanGame = false;
    c.form->ShowMainMenu();
    bool seen = false;
    for (int i = 1; i <= 5; ++i) seen |= c.form->MemberButtons[i]->text().startsWith("Zed");
    EXPECT_FALSE(seen) << "the computer club does not list the LAN player";
    Settings.LanGame = true;
    c.form->ShowMainMenu();
    for (int i = 1; i <= 5; ++i) seen |= c.form->MemberButtons[i]->text().startsWith("Zed");
    EXPECT_TRUE(seen) << "the LAN club lists its player";
    EXPECT_EQ(&c.form->ClubOfMode(), &c.form->LanClub);
}

} // namespace
} // namespace vantor
