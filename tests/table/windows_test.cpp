#include "app.h"
#include "base/fields.h"
#include "i18n/words.h"
#include "records/club.h"
#include "records/history.h"
#include "table/form_change_name.h"
#include "table/form_count.h"
#include "table/form_end_game.h"
#include "table/form_history.h"
#include "table/form_options.h"
#include "table/form_top_ten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

// A fresh settings record, no packs anywhere, notices and modal windows recorded instead of
// waiting for a click.
class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        Settings = TSettings{};
        bindLanguage(&Settings.Language);
        packFileProbe() = [this](const QString& f) { return packsPresent.contains(f); };
        packPictureLoader() = [this](const QString& pack, const QString& name) {
            return packsPresent.contains(pack) ? fakePackPicture(name) : QImage();
        };
        noticeHook() = [this](const QString& a, const QString& b, QWidget*) {
            notices << (b.isEmpty() ? a : a + QLatin1Char('|') + b);
        };
        modalRunner() = [this](QDialog& d) {
            return onModal ? onModal(d) : int(QDialog::Accepted);
        };
        home = fs::temp_directory_path() /
               ("vantor_windows_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home);
        fs::create_directories(home);
    }
    void TearDown() override {
        fs::remove_all(home);
        packPictureLoader() = [](const QString&, const QString&) { return QImage(); };
        modalRunner() = nullptr;
    }

    static QImage fakePackPicture(const QString& name) {
        QImage img(name.startsWith(QStringLiteral("GIcon48")) ? QSize(480, 48) : QSize(500, 420),
                   QImage::Format_ARGB32_Premultiplied);
        img.fill(name.startsWith(QStringLiteral("GForm")) && name.size() > 8 ? QColor(0, 0, 0, 0)
                                                                             : QColor(90, 20, 110));
        return img;
    }

    TOptionsHost recordingHost() {
        TOptionsHost h;
        h.screenSize = [this] { return screen; };
        h.applyWindowSize = [this] { applied << Settings.WindowSize; };
        h.loadBackground = [this](bool purple) {
            backgroundLoads << purple;
            return true;
        };
        h.applyWindowColour = [this] { windowColours << Settings.BackgroundColour; };
        h.playCue = [this](std::string_view c) { cues << QString::fromLatin1(c.data(), c.size()); };
        return h;
    }

    QSize screen{1280, 1024};
    QStringList packsPresent;
    QStringList notices;
    QStringList cues;
    QList<int> applied;
    QList<bool> backgroundLoads;
    QList<int> windowColours;
    std::function<int(QDialog&)> onModal;
    fs::path home;
};

QStringList itemsOf(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

} // namespace

TEST_F(WindowsTest, SizeListOfA1280x1024ScreenAndAverageWindowAppliedAtOnce) {
    Settings.SaveGamesAsGif = true;
    TFormOptions form(recordingHost());
    EXPECT_EQ(itemsOf(form.ComboBoxWSize),
              QStringList({"Small window", "Full screen", "Average window 1"}));
    EXPECT_TRUE(applied.isEmpty()) << "filling the list must not apply the size";
    EXPECT_EQ(form.ComboBoxWSize->toolTip(), QString("760 x 500"));
    EXPECT_TRUE(form.CheckBoxSG1->isEnabled());

    form.ComboBoxWSize->setCurrentIndex(2);
    EXPECT_EQ(Settings.WindowSize, 3);
    EXPECT_EQ(applied, QList<int>({3}));
    EXPECT_EQ(form.ComboBoxWSize->toolTip(), QString("990 x 650"));
    EXPECT_FALSE(Settings.SaveGamesAsGif);
    form.PageControl1->setCurrentIndex(6);
    EXPECT_FALSE(form.CheckBoxSG1->isEnabled());
    EXPECT_FALSE(form.CheckBoxSG1->isChecked());
    EXPECT_FALSE(form.SpinEditSG1->isEnabled());

    struct TCase {
        QSize screen;
        std::vector<int> sizes;
    };
    const TCase cases[] = {{{989, 1000}, {1, 2}},        {{990, 670}, {1, 2, 3}},
                           {{1290, 869}, {1, 2, 3}},     {{1290, 870}, {1, 2, 3, 4}},
                           {{1519, 1020}, {1, 2, 3, 4}}, {{1920, 1080}, {1, 2, 3, 4, 5}}};
    for (const TCase& c : cases) EXPECT_EQ(windowSizeItems(c.screen), c.sizes) << c.screen.width();
}

TEST_F(WindowsTest, BackSetTenThenFour) {
    TFormOptions form(recordingHost());
    form.ComboBox2->setCurrentIndex(10);
    EXPECT_EQ(Settings.CardBack, 10);
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 2);
    EXPECT_FALSE(form.RadioGroup2->itemEnabled(0));
    EXPECT_FALSE(form.RadioGroup2->itemEnabled(1));
    EXPECT_TRUE(form.RadioGroup2->itemEnabled(2));

    form.ComboBox2->setCurrentIndex(4);
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 0);
    EXPECT_TRUE(form.RadioGroup2->itemEnabled(0));
    EXPECT_TRUE(form.RadioGroup2->itemEnabled(1));
    EXPECT_FALSE(form.RadioGroup2->itemEnabled(2));
    EXPECT_FALSE(Settings.CardBackAlwaysOne);

    form.RadioGroup2->item(1)->click();
    EXPECT_TRUE(Settings.CardBackAlwaysOne);
    // A back loader that fails sends the list back to the first set.
    TOptionsHost failing = recordingHost();
    failing.loadBackSet = [] { return false; };
    TFormOptions second(failing);
    second.ComboBox2->setCurrentIndex(9);
    EXPECT_EQ(Settings.CardBack, 0);
    EXPECT_EQ(second.ComboBox2->currentIndex(), 0);
    EXPECT_TRUE(second.RadioGroup2->itemEnabled(0));
}

TEST_F(WindowsTest, PurpleTableWithoutTheGraphicsPack) {
    Settings.AuxDesign = 3; // red ribbons, which the list shows as its third item
    TFormOptions form(recordingHost());
    ASSERT_EQ(form.ComboBoxD3->currentIndex(), 2);
    notices.clear();
    form.ComboBoxD2->setCurrentIndex(1);
    EXPECT_EQ(notices, QStringList({"Can`t find the file ZovCGraph1.dll"}));
    EXPECT_EQ(Settings.TableDesign, 0);
    EXPECT_EQ(Settings.MenuDesign, 0);
    EXPECT_EQ(Settings.AuxDesign, 2);
    EXPECT_FALSE(Settings.AuxDesignAlt);
    EXPECT_EQ(form.ComboBoxD1->currentIndex(), 0);
    EXPECT_EQ(form.ComboBoxD2->currentIndex(), 0);
    EXPECT_EQ(form.ComboBoxD3->currentIndex(), 0);
    // Back to the customizable table asks for no pack.
    notices.clear();
    form.ComboBoxD2->setCurrentIndex(0);
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(WindowsTest, BothDesignsPurpleDisableTheBackgroundLists) {
    packsPresent << kGraphicsPack;
    TFormOptions form(recordingHost());
    form.ComboBoxD1->setCurrentIndex(1);
    EXPECT_EQ(backgroundLoads, QList<bool>({true}));
    EXPECT_TRUE(form.ComboBoxBG1->isEnabled());
    form.ComboBoxD2->setCurrentIndex(1);
    EXPECT_EQ(Settings.MenuDesign, 1);
    EXPECT_EQ(Settings.TableDesign, 1);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_FALSE(form.ComboBoxBG1->isEnabled());
    EXPECT_FALSE(form.ComboBoxBG2->isEnabled());
    form.ComboBoxD2->setCurrentIndex(0);
    EXPECT_TRUE(form.ComboBoxBG1->isEnabled());
    EXPECT_TRUE(form.ComboBoxBG2->isEnabled());
    form.ComboBoxD2->setCurrentIndex(1);
    form.ComboBoxD1->setCurrentIndex(0);
    EXPECT_TRUE(form.ComboBoxBG1->isEnabled());
    // A purple menu background that cannot be loaded returns the menu design to 0.
    TOptionsHost failing = recordingHost();
    failing.loadBackground = [](bool purple) { return !purple; };
    TFormOptions second(failing);
    second.ComboBoxD1->setCurrentIndex(1);
    EXPECT_EQ(Settings.MenuDesign, 0);
    EXPECT_EQ(second.ComboBoxD1->currentIndex(), 0);
}

TEST_F(WindowsTest, DurationFiveShownThreeStored) {
    Settings.Duration = 5;
    TFormOptions form(recordingHost());
    EXPECT_EQ(form.RadioGroup4->itemIndex(), 2);
    EXPECT_EQ(form.RadioGroup4->item(2)->text(), QString("5"));
    EXPECT_EQ(Settings.Duration, 5);
    form.RadioGroup4->item(0)->click();
    EXPECT_EQ(Settings.Duration, 3);
    EXPECT_TRUE(form.RadioGroup4->isEnabled());
}

TEST_F(WindowsTest, ColourListInThePurpleMenuStoresButLoadsNothing) {
    Settings.MenuDesign = 1;
    TFormOptions form(recordingHost());
    form.ComboBoxBG2->setCurrentIndex(4);
    EXPECT_EQ(Settings.BackgroundColour, 4);
    EXPECT_EQ(windowColours, QList<int>({4}));
    EXPECT_TRUE(backgroundLoads.isEmpty());
    // In the customizable menu the picture is loaded; a failure returns to Felt and Green.
    Settings.MenuDesign = 0;
    TOptionsHost failing = recordingHost();
    failing.loadBackground = [this](bool purple) {
        backgroundLoads << purple;
        return false;
    };
    TFormOptions second(failing);
    second.ComboBoxBG1->setCurrentIndex(6);
    EXPECT_EQ(backgroundLoads, QList<bool>({false}));
    EXPECT_EQ(Settings.Background, 2);
    EXPECT_EQ(Settings.BackgroundColour, 0);
    EXPECT_EQ(second.ComboBoxBG1->currentText(), QString("Felt"));
    EXPECT_EQ(second.ComboBoxBG2->currentText(), QString("Green"));
}

TEST_F(WindowsTest, LanguageChangeReCaptionsAndKeepsSelections) {
    TFormOptions form(recordingHost());
    form.ComboBox1->setCurrentIndex(12);
    form.ComboBoxBG1->setCurrentIndex(4);
    int languageCalls = 0;
    (void)languageCalls;
    form.ComboBoxLan->setCurrentIndex(2);
    EXPECT_EQ(Settings.Language, TLanguage::German);
    EXPECT_EQ(form.windowTitle(), QString("Optionen"));
    EXPECT_EQ(form.ComboBox1->currentIndex(), 12);
    EXPECT_EQ(form.ComboBoxBG1->currentIndex(), 4);
    EXPECT_EQ(form.PageControl1->tabText(7), QString("DLL"));
    EXPECT_EQ(form.PageControl1->tabText(0), wordText(words::General));
}

TEST_F(WindowsTest, PackButtonsOnlyForMissingPacksAndFailedDownloadSaysSo) {
    packsPresent << QStringLiteral("ZovCards06A.dll");
    TOptionsHost host = recordingHost();
    QStringList fetched;
    host.downloadPack = [&](const QString& f) {
        fetched << f;
        return false;
    };
    TFormOptions form(host);
    int enabled = 0, disabled = 0;
    for (auto& [b, file] : form.packButtons) {
        EXPECT_EQ(b->isEnabled(), file != QStringLiteral("ZovCards06A.dll")) << file.toStdString();
        (b->isEnabled() ? enabled : disabled)++;
    }
    EXPECT_EQ(disabled, 2); // on the Cards tab and the DLL tab
    EXPECT_FALSE(form.CheckBoxD1->isEnabled());
    for (auto& [b, file] : form.packButtons)
        if (file == QStringLiteral("ZovBackG03.dll")) {
            b->click();
            break;
        }
    EXPECT_EQ(fetched, QStringList({"ZovBackG03.dll"}));
    EXPECT_EQ(cues.last(), QString("WWrongs"));
}

namespace {

// A computer club whose top ten holds the given results.
TClubFile clubWithTopTen(const fs::path& home, const std::array<int, 10>& results) {
    seedClubFiles(home);
    TClubFile club = clubFile(home, ClubKind::Computer);
    TClubRead read = readClubFile(club.path);
    EXPECT_EQ(read.status, ClubStatus::Ok);
    for (int i = 0; i < 10; ++i)
        read.lines[static_cast<size_t>(kFirstTopTenLine + i)] =
            padRight("Old" + std::to_string(i + 1), kNameLength) +
            padLeft(std::to_string(results[static_cast<size_t>(i)]), 6);
    EXPECT_EQ(writeClubLines(club, read.lines), ClubStatus::Ok);
    return club;
}

} // namespace

TEST_F(WindowsTest, TwentiethGameEndsTheCycleWithItsWindow) {
    struct TCase {
        std::int64_t carried, result;
        int place;
        const char* sound;
        const char* line2;
        bool title;
    };
    const TCase cases[] = {
        {450, 50, 1, "WFiBest", "Your result - the best!", true}, // equal to the first place
        {200, 50, 5, "WFiGood", "Good result!", false},
        {-40, -10, 0, "WFiBads", "Your result keeps to wish best", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.sound);
        fs::remove_all(home);
        fs::create_directories(home);
        TClubFile club = clubWithTopTen(home, {500, 400, 350, 300, 250, 200, 150, 100, 50, 10});
        TCurrentPlayer player;
        player.slot = kSlotNewPlayer;
        player.name = padRight("Tester", kNameLength);
        player.password = "     ";
        player.encodedPassword = encodePassword(player.password);
        player.gamesField = "     19";
        player.scoreField = std::to_string(c.carried);
        cues.clear();
        QStringList shown;
        std::optional<TEndOfCycleView> view;
        onModal = [&](QDialog& d) {
            shown << d.windowTitle();
            if (auto* e = dynamic_cast<TFormEndGame*>(&d)) {
                d.show(); // the fanfare plays when the window shows
                view = e->view();
            }
            d.close();
            return int(QDialog::Accepted);
        };
        bool menu = false;
        TExitToMenuSide side;
        side.playCue = [this](std::string_view cue) {
            cues << QString::fromLatin1(cue.data(), cue.size());
        };
        side.showMenu = [&] { menu = true; };
        TEndOfGameInput input;
        input.gameNumber = 20;
        input.carriedScore = c.carried;
        input.gameResult = c.result;
        const TEndOfGameOutcome out = ExitToMenu(input, player, club, home, side);
        ASSERT_TRUE(out.cycle.has_value());
        EXPECT_EQ(out.cycle->place, c.place);
        EXPECT_EQ(shown, QStringList({"The completion of game"}));
        EXPECT_EQ(cues, QStringList({c.sound})) << "no WKoGood/WKoBads at the end of a cycle";
        ASSERT_TRUE(view.has_value());
        EXPECT_EQ(view->lines[1].text, c.line2);
        EXPECT_EQ(view->lines[2].text, "Result: " + std::to_string(c.carried + c.result));
        EXPECT_EQ(view->medal, c.place > 0);
        EXPECT_EQ(!view->lines[3].text.empty(), true);
        if (c.title) {
            EXPECT_EQ(view->lines[3].text, "You become a Master of the Order!");
        }
        EXPECT_TRUE(menu);
        EXPECT_TRUE(out.history.ok);
        EXPECT_EQ(listHistoryFiles(home, "Vantor4.clb").size(), 1u);
        const std::array<TTopTenRow, 10> rows = readTopTenRows(club.path);
        if (c.place > 0) {
            EXPECT_EQ(rows[static_cast<size_t>(c.place - 1)].name, QString("Tester"));
            EXPECT_EQ(rows[static_cast<size_t>(c.place - 1)].result,
                      QString::number(c.carried + c.result));
        } else {
            for (const TTopTenRow& r : rows) EXPECT_NE(r.name, QString("Tester"));
        }
    }
}

TEST_F(WindowsTest, OrdinaryGameEndPlaysItsSoundAndShowsNoWindow) {
    TClubFile club = clubWithTopTen(home, {500, 400, 350, 300, 250, 200, 150, 100, 50, 10});
    TCurrentPlayer player;
    player.slot = kSlotNewPlayer;
    player.name = padRight("Tester", kNameLength);
    player.encodedPassword = encodePassword("     ");
    player.gamesField = "      6";
    player.scoreField = "10";
    int windows = 0;
    onModal = [&](QDialog&) {
        ++windows;
        return int(QDialog::Accepted);
    };
    TExitToMenuSide side;
    side.playCue = [this](std::string_view cue) {
        cues << QString::fromLatin1(cue.data(), cue.size());
    };
    TEndOfGameInput input;
    input.gameNumber = 7;
    input.carriedScore = 10;
    input.gameResult = 12;
    const TEndOfGameOutcome out = ExitToMenu(input, player, club, home, side);
    EXPECT_FALSE(out.cycle.has_value());
    EXPECT_EQ(windows, 0);
    EXPECT_EQ(cues, QStringList({"WKoGood"}));
}

TEST_F(WindowsTest, ChangeOfNameOfAMemberAndItsCancel) {
    TClubFile club = clubWithTopTen(home, {500, 400, 350, 300, 250, 200, 150, 100, 50, 10});
    TMemberFields fields;
    fields.name = padRight("Alice", kNameLength);
    fields.rating = 1.5;
    fields.gamesPlayed = 4;
    fields.generalScore = 30;
    fields.encodedPassword = encodePassword("abc  ");
    const std::string line = buildMemberLine(fields);
    ASSERT_EQ(storeMember(club, line, false).status, ClubStatus::Ok);
    const std::string before = readClubFile(club.path).lines[1];
    ASSERT_EQ(before, line);

    TCurrentPlayer player;
    player.slot = 1;
    player.name = fields.name;
    player.lineAtStart = line;
    player.gamesField = line.substr(30, 7);
    player.encodedPassword = fields.encodedPassword;
    QStringList seat;
    TChangeNameSide side;
    side.playCue = [this](std::string_view cue) {
        cues << QString::fromLatin1(cue.data(), cue.size());
    };
    side.writeSeatName = [&](const QString& n) { seat << n; };

    // Cancel: nothing changes.
    onModal = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_EQ(ChangeName(player, club, side), TChangeNameResult::Cancelled);
    EXPECT_EQ(player.slot, 1);
    EXPECT_EQ(player.name, fields.name);
    EXPECT_EQ(readClubFile(club.path).lines[1], before);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(cues, QStringList({"WOpenFo"}));

    // Passwords that differ keep the window open with the message; then a good entry.
    onModal = [](QDialog& d) {
        auto& f = dynamic_cast<TFormChangeName&>(d);
        f.Edit1->setText("  Bob  ");
        f.Edit2->setText("xyz");
        f.Edit3->setText("xy");
        f.Button1Click();
        EXPECT_FALSE(f.Label4->isHidden());
        EXPECT_EQ(f.Label4->text(), QString("The passwords do not coincide!"));
        EXPECT_EQ(f.result(), 0);
        f.Edit3->setText("xyz");
        f.Button1Click();
        return f.result();
    };
    EXPECT_EQ(ChangeName(player, club, side), TChangeNameResult::Changed);
    const TClubLines lines = readClubFile(club.path).lines;
    EXPECT_EQ(lines[1].substr(0, 20), padRight("Bob", 20));
    EXPECT_EQ(lines[1].substr(20, 24), line.substr(20, 24)) << "rating, games and score stay";
    EXPECT_EQ(lines[1].substr(44), encodePassword("xyz  "));
    EXPECT_EQ(lines[2], kEmptyMemberLine);
    EXPECT_EQ(player.slot, 1);
    EXPECT_EQ(player.gamesField, line.substr(30, 7));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0], QString("Your name and/or the password were successfully changed!|"
                                  "New name: Bob                 "));
    EXPECT_EQ(seat, QStringList({"Bob"}));
}

TEST_F(WindowsTest, HistoryListRemembersTheFileAndDropsAHandEditedOne) {
    THistoryStamp stamp{9, 5, "01.02.2024"};
    THisStr game;
    game.HName = "Tester";
    game.HRes = 12;
    const std::vector<std::string> lines1 = {historyGameLine(game, stamp)};
    game.Ac = 3;
    const std::vector<std::string> lines2 = {historyGameLine(game, stamp),
                                             historyGameLine(game, stamp)};
    fs::create_directories(historyFolder(home));
    const auto write = [&](int n, const std::string& text) {
        std::ofstream(historyFilePath(home, "Vantor4.clb", n), std::ios::binary) << text;
    };
    write(1, historyFileText(lines1));
    write(2, historyFileText(lines2));
    TFHistory::lastViewed() = 0;
    {
        TFHistory form(home);
        EXPECT_EQ(form.ListBox1->count(), 2);
        EXPECT_EQ(form.shownFile(), 2) << "the newest file first";
        EXPECT_EQ(form.StringGrid1->rowCount(), 2);
        EXPECT_EQ(form.StringGrid1->item(0, 6)->text(), QString("Net"));
        EXPECT_EQ(form.StringGrid1->item(0, 6)->foreground().color(), QColor(0, 128, 0));
        EXPECT_EQ(form.StringGrid1->item(0, 0)->text(), QString("9:05"));
        form.ListBox1->setCurrentRow(0);
        EXPECT_EQ(form.shownFile(), 1);
        EXPECT_EQ(form.StringGrid1->rowCount(), 1);
        EXPECT_EQ(form.StringGrid1->item(0, 6)->text(), QString("Local"));
    }
    {
        TFHistory again(home);
        EXPECT_EQ(again.shownFile(), 1) << "the file viewed last in this run";
    }
    // One character of a game line edited by hand: the file and every one after it go.
    std::string text = historyFileText(lines1);
    text[20] = text[20] == 'X' ? 'Y' : 'X';
    write(1, text);
    TFHistory edited(home);
    EXPECT_EQ(edited.shownFile(), 0);
    ASSERT_EQ(edited.ListBox1->count(), 1);
    EXPECT_EQ(edited.ListBox1->item(0)->text(), QString("No History Files"));
    EXPECT_FALSE(edited.ListBox1->isEnabled());
    EXPECT_EQ(edited.StringGrid1->rowCount(), 0);
}

TEST_F(WindowsTest, HistoryHeadingPlayerIsEmptyInKorean) {
    Settings.Language = TLanguage::Korean;
    TFHistory form(home);
    EXPECT_TRUE(form.StringGrid1->horizontalHeaderItem(2)->text().isEmpty());
    EXPECT_FALSE(form.StringGrid1->horizontalHeaderItem(0)->text().isEmpty());
}

TEST_F(WindowsTest, GameInformationShowsTwentyInTheTwentiethGame) {
    TCountInput in;
    in.gameNumber = 40;
    in.initialScore = 15;
    in.result = 25;
    in.initialRating = 0.25;
    TFormCount form(makeCount(in), "Alice               ", TAccountLamp::None);
    EXPECT_EQ(form.windowTitle(), QString("Player:  Alice"));
    EXPECT_EQ(form.LabelValues[0]->text(), QString("40"));
    EXPECT_EQ(form.LabelValues[1]->text(), QString("20"));
    EXPECT_EQ(form.LabelValues[4]->text(), QString("40"));
    EXPECT_EQ(form.LabelValues[5]->text(), QString("0,25"));
    EXPECT_EQ(form.LabelNames[1]->text(), QString("Number of round in a current cycle:"));
}

TEST_F(WindowsTest, TopTenFollowsTheLanFlag) {
    clubWithTopTen(home, {500, 400, 350, 300, 250, 200, 150, 100, 50, 10});
    TClubFile lan = clubFile(home, ClubKind::Lan);
    TClubRead read = readClubFile(lan.path);
    read.lines[kFirstTopTenLine] = padRight("NetChamp", 20) + padLeft("999", 6);
    ASSERT_EQ(writeClubLines(lan, read.lines), ClubStatus::Ok);
    TFormTopTen local(home, false);
    EXPECT_EQ(local.rows()[0].name, QString("Old1"));
    EXPECT_EQ(local.rows()[0].result, QString("500"));
    EXPECT_EQ(local.windowTitle(), QString("Top Ten"));
    TFormTopTen net(home, true);
    EXPECT_EQ(net.rows()[0].name, QString("NetChamp"));
}
