// The main window driven as a player drives it: menu buttons, card clicks, the table buttons.
#include "app.h"
#include "base/cp1251.h"
#include "engine/computer.h"
#include "engine/exchange.h"
#include "engine/legality.h"
#include "records/club.h"
#include "settings/settings.h"
#include "table/form1.h"
#include "table/form_password.h"
#include "table/picture_control.h"
#include "table/zov_cards_button.h"

#include <QLineEdit>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vantor {
namespace {
namespace fs = std::filesystem;

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        home = fs::temp_directory_path() /
               ("vantor-form1-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home);
        ::setenv("VANTOR_HOME", home.c_str(), 1);
        Settings = TSettings();
        form = std::make_unique<TForm1>();
        form->CuePlayer = [this](std::string_view cue, bool) { cues.emplace_back(cue); };
        form->ShowMessage = [this](const QString& m) { messages.push_back(m); };
        form->AskYesNo = [this](const QString&) { return answerYes; };
        form->RunPasswordDialog = [this](TFormPassword& f) {
            f.Edit1->setText(QString::fromStdString(typedName));
            f.Edit2->setText(QString::fromStdString(typedPassword));
            f.Edit3->setText(QString::fromStdString(typedPassword));
            f.Button1Click();
            return f.result() == QDialog::Accepted;
        };
        ASSERT_TRUE(form->FirstPaint());
        form->LeaveOpeningScreen();
    }
    void TearDown() override {
        form.reset();
        fs::remove_all(home);
    }

    // Plays the local seat as the computer would, through clicks and buttons.
    void localMove() {
        TGameRecord scratch = form->R;
        decideMove(scratch, kLocalSeat);
        for (int k = 1; k <= scratch.selection.count; ++k) click(scratch.selection.slot[k]);
        if (scratch.selection.count == 0) {
            ASSERT_TRUE(form->Button8->isEnabled());
            form->Button8Click();
        } else {
            ASSERT_TRUE(form->Button7->isEnabled()) << "play button off for a legal group";
            form->Button7Click();
        }
    }

    void click(int slot) { form->HandClick(kLocalSeat, form->HandLeft[kLocalSeat][slot], false); }

    void chooseGifts(int cards) {
        for (const auto& code : givingRuleCards(form->R, kLocalSeat, cards))
            click(findCard(form->R, kLocalSeat, code));
        ASSERT_TRUE(form->Button7->isEnabled());
        form->Button7Click();
    }

    // Tries one refused click when the position offers one.
    void tryRefusedClick() {
        const TGameRecord& r = form->R;
        if (refusedSeen || r.groupSize == 0 || r.selection.count != 0) return;
        for (int s = 1; s <= r.hand[kLocalSeat].count; ++s) {
            if (acceptsClick(r, kLocalSeat, s)) continue;
            const std::size_t before = cues.size();
            click(s);
            ASSERT_EQ(cues.size(), before + 1);
            EXPECT_EQ(cues.back(), "WWrongs");
            EXPECT_EQ(form->R.selection.count, 0);
            refusedSeen = true;
            return;
        }
    }

    void playWholeGame() {
        for (int guard = 0; guard < 20000 && !form->R.gameOver; ++guard) {
            TGameRecord& r = form->R;
            if (r.RoundPhase == 1) {
                ASSERT_TRUE(form->Button7->isEnabled());
                form->Button7Click();
                continue;
            }
            switch (r.turn) {
            case 1:
            case 2:
            case 3:
                form->Timer1Timer();
                break;
            case kLocalSeat:
                tryRefusedClick();
                localMove();
                break;
            case tsVantorChoosing:
                vantorChose = true;
                chooseGifts(2);
                break;
            case tsViceChoosing:
                viceChose = true;
                chooseGifts(1);
                break;
            case tsVantorGives:
            case tsMinisterGives:
            case tsViceGives:
            case tsRoundOver:
                ASSERT_TRUE(form->Button7->isEnabled()) << "state " << int(r.turn);
                form->Button7Click();
                break;
            default:
                FAIL() << "unexpected turn " << int(r.turn);
            }
            if (HasFatalFailure()) return;
        }
        ASSERT_TRUE(form->R.gameOver);
        ASSERT_TRUE(form->Button8->isEnabled());
        form->Button8Click();
    }

    std::vector<std::string> memberNames() {
        const TClubRead read = readClubFile(form->Club.path);
        std::vector<std::string> names;
        for (int i = 1; i <= kMemberSlots; ++i)
            names.push_back(cp1251ToUtf8(read.lines[i].substr(0, 20)));
        return names;
    }

    bool hasMember(const std::string& name) {
        for (const auto& n : memberNames())
            if (n.rfind(name, 0) == 0) return true;
        return false;
    }

    fs::path home;
    std::unique_ptr<TForm1> form;
    std::vector<std::string> cues;
    std::vector<QString> messages;
    bool answerYes = true;
    bool refusedSeen = false, vantorChose = false, viceChose = false;
    std::string typedName = "Anna", typedPassword = "abc";
};

TEST_F(MainWindow, FirstStartSeedsTheClubFilesAndShowsTheMenu) {
    EXPECT_TRUE(fs::exists(home / "Vantor4.clb"));
    EXPECT_TRUE(fs::exists(home / "Vantor4.net"));
    EXPECT_TRUE(form->MenuShown);
    EXPECT_FALSE(form->OpeningScreen);
    EXPECT_TRUE(form->Button6->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Button7->isVisibleTo(form.get()));
    EXPECT_TRUE(messages.empty());
}

struct GameOptions {
    int duration;
    bool noJokers, quick;
};

class WholeGames : public MainWindow, public ::testing::WithParamInterface<GameOptions> {};

TEST_P(WholeGames, NewPlayerPlaysAGameAndIsStoredInTheClub) {
    Settings.Duration = GetParam().duration;
    Settings.NoJokers = GetParam().noJokers;
    Settings.QuickGame = GetParam().quick;
    form->SetShuffleSeed(40 + GetParam().duration);
    form->Button6Click();
    ASSERT_TRUE(form->R.gameRunning);
    EXPECT_EQ(form->R.seatName[4], "Anna");
    EXPECT_EQ(form->Button7->text(), "To Begin");
    playWholeGame();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(form->R.RoundNumber, GetParam().duration);
    EXPECT_FALSE(form->R.gameRunning);
    EXPECT_TRUE(form->MenuShown);
    EXPECT_TRUE(hasMember("Anna")) << "the result is stored in the club file";
    EXPECT_EQ(readClubFile(form->Club.path).status, ClubStatus::Ok);
}

INSTANTIATE_TEST_SUITE_P(Options, WholeGames,
                         ::testing::Values(GameOptions{3, false, false},
                                           GameOptions{4, false, false},
                                           GameOptions{5, false, false},
                                           GameOptions{3, true, false},
                                           GameOptions{3, false, true}));

TEST_F(MainWindow, TheLocalSeatChoosesAsVantorAndAsViceVantorAndARefusedClickSoundsWrong) {
    Settings.Duration = 5;
    for (int seed = 1; seed <= 30 && !(vantorChose && viceChose && refusedSeen); ++seed) {
        form->SetShuffleSeed(seed);
        form->Button6Click();
        playWholeGame();
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_TRUE(vantorChose);
    EXPECT_TRUE(viceChose);
    EXPECT_TRUE(refusedSeen);
}

TEST_F(MainWindow, AMemberLogsInAndLeavingEarlyCostsTheLine) {
    form->SetShuffleSeed(7);
    form->Button6Click();
    playWholeGame();
    ASSERT_TRUE(hasMember("Anna"));
    const auto names = memberNames();
    int slot = 0;
    for (int i = 0; i < 5; ++i)
        if (names[i].rfind("Anna", 0) == 0) slot = i + 1;
    ASSERT_NE(slot, 0);

    typedPassword = "wrong";
    form->MemberClick(slot);
    EXPECT_FALSE(form->R.gameRunning) << "a wrong password starts no game";

    typedPassword = "abc";
    form->MemberClick(slot);
    ASSERT_TRUE(form->R.gameRunning);
    EXPECT_GT(form->R.GameNumber, 1);
    answerYes = false;
    form->QuitClick();
    EXPECT_TRUE(form->R.gameRunning) << "No keeps the game";
    answerYes = true;
    form->QuitClick();
    EXPECT_FALSE(form->R.gameRunning);
    EXPECT_FALSE(hasMember("Anna"));
    EXPECT_NE(std::find(cues.begin(), cues.end(), "WOpenFo"), cues.end());
}

TEST_F(MainWindow, ClosingWritesTheSettings) {
    Settings.Speed = 2;
    form->close();
    EXPECT_TRUE(fs::exists(home / "Vantor4.ini"));
    TSettings read;
    LoadSettings(read, home / "Vantor4.ini", {});
    EXPECT_EQ(read.Speed, 2);
}

TEST_F(MainWindow, ADamagedClubFileEndsTheProgramWithAMessage) {
    form.reset();
    {
        std::FILE* f = std::fopen((home / "Vantor4.clb").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, 3, SEEK_SET);
        std::fputc('Z', f);
        std::fclose(f);
    }
    TForm1 again;
    QString shown;
    again.ShowMessage = [&](const QString& m) { shown = m; };
    EXPECT_FALSE(again.FirstPaint());
    EXPECT_FALSE(shown.isEmpty());
}

} // namespace
} // namespace vantor
