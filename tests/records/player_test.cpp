#include "base/fields.h"
#include "records/fixed_numbers.h"
#include "records/player.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantor {
namespace {

using test::readAll;
using test::TempFolder;

std::string member(std::string_view name, double rating, std::int64_t games = 10,
                   std::int64_t score = 0, std::string_view password = "pw") {
    return buildMemberLine({std::string(name), rating, games, score, encodePassword(password)});
}

TClubFile writeClub(const std::filesystem::path& folder, const std::vector<std::string>& members) {
    TClubLines lines = parseClubText(clubTemplate(ClubKind::Computer)).lines;
    for (std::size_t i = 0; i < members.size(); ++i) lines[i + 1] = members[i];
    TClubFile file = clubFile(folder, ClubKind::Computer);
    EXPECT_EQ(writeClubLines(file, lines), ClubStatus::Ok);
    return file;
}

TClubLines linesOf(const TClubFile& file) {
    return readClubFile(file.path).lines;
}

std::vector<std::string> namesOf(const TClubFile& file) {
    const TClubLines lines = linesOf(file);
    std::vector<std::string> names;
    for (int i = 1; i <= kMemberSlots; ++i)
        names.push_back(
            lines[i] == kEmptyMemberLine ? "" : std::string(trimRight(lines[i].substr(0, 20))));
    return names;
}

int monospace9(std::string_view text) {
    return 9 * static_cast<int>(text.size());
}

TEST(MenuRows, BothViews) {
    TempFolder folder;
    TClubFile file =
        writeClub(folder.path(), {member("Ann", 0.25, 25, 37), member("Bo", -1.5, 40, -8)});
    const std::string pad17(17, ' ');
    const TMenuRows score = readMenuRows(file, ClubView::Score, monospace9);
    EXPECT_EQ(score.status, ClubStatus::Ok);
    EXPECT_EQ(score.members[1], "Ann" + pad17 + "    " + "  5" + "    " + "    37");
    // Games in the cycle are the games played modulo 20.
    EXPECT_EQ(score.members[2], "Bo" + pad17 + " " + "    " + "  0" + "    " + "    -8");
    EXPECT_EQ(score.members[3], std::string(20, '#') + "    ###    ######");
    const TMenuRows rating = readMenuRows(file, ClubView::Rating, monospace9);
    EXPECT_EQ(rating.members[1], "Ann" + pad17 + "  " + "     25" + "  " + "  0,25");
    EXPECT_EQ(rating.members[2], "Bo" + pad17 + " " + "  " + "     40" + "  " + " -1,50");
    EXPECT_EQ(rating.members[5], std::string(20, '#') + "  #######  ######");
    // 28 characters of 9 pixels reach 252, so one trailing space of the name goes; no dots.
    const TClubLines lines = linesOf(file);
    for (int i = 1; i <= 3; ++i) {
        const std::string& top = lines[kFirstTopTenLine + i - 1];
        EXPECT_EQ(rating.top[i], top.substr(0, 19) + "  " + top.substr(20));
    }
    EXPECT_EQ(menuHeading(ClubView::Score), " The members of club    Games    Score ");
    EXPECT_EQ(menuHeading(ClubView::Rating), " The members of club    Games   Rating ");
}

TEST(MenuRows, AccountTakesRowFive) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("Ann", 1), member("B", 1), member("C", 1),
                                               member("D", 1), member("Fifth", 1)});
    const TAccountMenuRow account{"WebAcc", 4, -12, 84, 7.5};
    const TMenuRows score = readMenuRows(file, ClubView::Score, monospace9, &account);
    EXPECT_TRUE(score.accountInRow5);
    EXPECT_EQ(score.members[5],
              "WebAcc" + std::string(14, ' ') + "    " + "  4" + "    " + "   -12");
    const TMenuRows rating = readMenuRows(file, ClubView::Rating, monospace9, &account);
    EXPECT_EQ(rating.members[5],
              "WebAcc" + std::string(14, ' ') + "  " + "     84" + "  " + "     8");
    EXPECT_EQ(chooseMember(linesOf(file)[5], 5, true, false), ChooseAction::OpenAccountWindow);
    EXPECT_EQ(chooseMember(linesOf(file)[5], 5, true, true), ChooseAction::OpenLogin);
    EXPECT_EQ(chooseMember(linesOf(file)[5], 5, false, false), ChooseAction::OpenLogin);
    EXPECT_EQ(chooseMember(kEmptyMemberLine, 3, false, false), ChooseAction::Ignore);
    EXPECT_EQ(chooseMember(linesOf(file)[1], 0, false, false), ChooseAction::Ignore);
}

TEST(MenuRows, ShorteningRule) {
    const std::string rest(17, '-');
    const auto plus40 = [](std::string_view t) { return 9 * static_cast<int>(t.size()) + 40; };
    const auto wideW = [](std::string_view t) {
        int w = 0;
        for (char c : t) w += c == 'W' ? 30 : 9;
        return w;
    };
    const struct {
        const char* what;
        std::string row;
        TTextWidth width;
        std::string expected;
    } cases[] = {
        {"fits", "Ann" + std::string(17, ' ') + rest, monospace9,
         "Ann" + std::string(17, ' ') + rest},
        {"only spaces removed: no dots", "Ann" + std::string(17, ' ') + rest, plus40,
         "Ann" + std::string(15, ' ') + rest},
        {"hashes removed: no dots", std::string(20, '#') + rest, plus40,
         std::string(18, '#') + rest},
        {"letters removed: three dots", "ABCDEFGHIJKLMNOPQRST" + rest, plus40,
         "ABCDEFGHIJKLMNO..." + rest},
        {"wide letters", std::string(20, 'W') + rest, wideW, "WWW..." + rest},
    };
    for (const auto& c : cases) {
        const std::string row = shortenRow(c.row, kMemberRowWidthLimit, c.width);
        EXPECT_EQ(row, c.expected) << c.what;
        EXPECT_LT(c.width(row), kMemberRowWidthLimit) << c.what;
    }
}

TEST(PlayerWindow, LoginChecks) {
    TempFolder folder;
    TClubFile file =
        writeClub(folder.path(), {member("Ann", 2, 5, 0, "secr"), member("Nopw", 1, 5, 0, "")});
    const struct {
        int slot;
        std::string name;
        std::string typed;
        PlayerCheck expected;
    } cases[] = {
        {1, "Ann", "secr", PlayerCheck::Ok},
        {1, "Ann", "secr ", PlayerCheck::Ok},
        {1, "Ann", "Secr", PlayerCheck::IncorrectPassword},
        {1, "Ann", "", PlayerCheck::IncorrectPassword},
        {2, "Nopw", "", PlayerCheck::Ok},
        {2, "Nopw", "x", PlayerCheck::IncorrectPassword},
        {3, "####################", "", PlayerCheck::IncorrectPassword},
        {1, "   ", "secr", PlayerCheck::IncorrectName},
    };
    for (const auto& c : cases) {
        TCurrentPlayer player;
        EXPECT_EQ(checkLogin(file, c.slot, c.name, c.typed, player), c.expected)
            << c.slot << " '" << c.typed << "'";
        EXPECT_EQ(player.accepted, c.expected == PlayerCheck::Ok);
        if (c.expected == PlayerCheck::Ok) {
            EXPECT_EQ(player.slot, c.slot);
            EXPECT_EQ(player.name.size(), kNameLength);
            EXPECT_EQ(player.password.size(), kPasswordLength);
            EXPECT_EQ(player.encodedPassword, linesOf(file)[c.slot].substr(44, 15));
        }
    }
    EXPECT_EQ(loginNameField(linesOf(file)[1]), "Ann" + std::string(17, ' '));
    TCurrentPlayer player;
    TClubFile missing = clubFile(folder.path(), ClubKind::Lan);
    EXPECT_EQ(checkLogin(missing, 1, "Ann", "secr", player), PlayerCheck::FileProblem);
}

TEST(PlayerWindow, NewPlayerChecks) {
    const struct {
        std::string name, pw1, pw2;
        PlayerCheck expected;
        std::string storedName;
    } cases[] = {
        {"  Bob  ", "ab", "ab", PlayerCheck::Ok, "Bob"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "", "", PlayerCheck::Ok, "ABCDEFGHIJKLMNOPQRST"},
        {"   ", "ab", "ab", PlayerCheck::IncorrectName, ""},
        {"", "", "", PlayerCheck::IncorrectName, ""},
        {"Bob", "ab", "ba", PlayerCheck::PasswordsDiffer, ""},
    };
    for (const auto& c : cases) {
        TCurrentPlayer player;
        EXPECT_EQ(checkNewPlayer(c.name, c.pw1, c.pw2, player), c.expected) << c.name;
        if (c.expected != PlayerCheck::Ok) continue;
        EXPECT_EQ(player.slot, kSlotNewPlayer);
        EXPECT_EQ(player.name, padRight(c.storedName, 20));
        EXPECT_EQ(decodePassword(player.encodedPassword), padRight(c.pw1, 5));
        EXPECT_EQ(gamesBefore(player), 0);
        EXPECT_EQ(initialScore(player), 0);
    }
    EXPECT_EQ(newPlayerStartName("Somebody"), "Somebody");
    EXPECT_EQ(newPlayerStartName(std::string(20, 'a')), std::string(20, 'a'));
    EXPECT_EQ(newPlayerStartName(std::string(21, 'a')), "Mr.X");
    EXPECT_EQ(playerCheckMessage(PlayerCheck::PasswordsDiffer), "The passwords do not coincide!");
}

TEST(Game, StartReadsTheSlotAgain) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("Ann", 2.5, 39, -17, "k")});
    TCurrentPlayer player;
    player.slot = 1;
    ASSERT_EQ(loadGameStart(file, player), ClubStatus::Ok);
    EXPECT_EQ(gamesBefore(player), 39);
    EXPECT_EQ(initialScore(player), -17);
    EXPECT_DOUBLE_EQ(player.rating, 2.5);
    EXPECT_EQ(decodePassword(player.encodedPassword), "k    ");
    player.slot = 2; // emptied since it was chosen
    EXPECT_NE(loadGameStart(file, player), ClubStatus::Ok);
}

TEST(Game, EndOfGameMovesTheMemberInOneRewrite) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("A", 5), member("B", 4), member("Me", 3)});
    TCurrentPlayer player;
    player.slot = 3;
    ASSERT_EQ(loadGameStart(file, player), ClubStatus::Ok);
    const TGameStoreOutcome out = storeGameResult(file, player, 4.5, 11, 30);
    EXPECT_EQ(out.store.status, ClubStatus::Ok);
    EXPECT_EQ(out.store.memberSlot, 2);
    EXPECT_FALSE(out.clamped);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "Me", "B", "", ""}));
    const std::string line = linesOf(file)[2];
    EXPECT_EQ(line.substr(20, 10), "  4,500000");
    EXPECT_EQ(line.substr(30, 7), "     11");
    EXPECT_EQ(line.substr(38, 6), "    30");
    EXPECT_EQ(line.substr(44), player.encodedPassword);
}

TEST(Game, EndOfCycleAndOverflowingFields) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("Me", 3, 19, 100)});
    TCurrentPlayer player;
    player.slot = 1;
    ASSERT_EQ(loadGameStart(file, player), ClubStatus::Ok);
    TGameStoreOutcome out = storeGameResult(file, player, 3.1, 20, 5000);
    EXPECT_EQ(out.store.topTenPlace, 1);
    EXPECT_EQ(out.store.cycleResult, 5000);
    EXPECT_EQ(linesOf(file)[1].substr(38, 6), "     0");
    EXPECT_EQ(linesOf(file)[kFirstTopTenLine].substr(20), "  5000");

    player.slot = 1;
    out = storeGameResult(file, player, 3.1, 12'000'001, 2'000'000);
    EXPECT_TRUE(out.clamped);
    EXPECT_EQ(linesOf(file)[1].substr(30, 7), "9999999");
    EXPECT_EQ(linesOf(file)[1].substr(38, 6), "999999");
    EXPECT_EQ(readClubFile(file.path).status, ClubStatus::Ok);
}

TEST(Game, NewPlayerBelowFiveFullSlotsAndOnlineSlotsLeaveTheClub) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("A", 5), member("B", 4), member("C", 3),
                                               member("D", 2), member("E", 1)});
    const std::string before = readAll(file.path);
    TCurrentPlayer player;
    ASSERT_EQ(checkNewPlayer("Newbie", "", "", player), PlayerCheck::Ok);
    const TGameStoreOutcome out = storeGameResult(file, player, 0.5, 1, 5);
    EXPECT_EQ(out.store.memberSlot, 0);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    for (const int slot : {kSlotAccount, kSlotTournament}) {
        player.slot = slot;
        storeGameResult(file, player, 50, 1, 5);
        EXPECT_EQ(leaveGame(file, player), ClubStatus::Ok);
        EXPECT_EQ(readAll(file.path).substr(0, 61 * 5), before.substr(0, 61 * 5));
    }
    player.slot = kSlotNewPlayer;
    EXPECT_EQ(leaveGame(file, player), ClubStatus::Ok);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    player.slot = 2;
    EXPECT_EQ(leaveGame(file, player), ClubStatus::Ok);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "C", "D", "E", ""}));
}

TEST(Game, ChangeNameKeepsTrackOfTheMovedLine) {
    TempFolder folder;
    // "Me" shares its rating with "B" above it: stored again, it goes above "B".
    TClubFile file = writeClub(folder.path(), {member("A", 5), member("B", 3), member("Me", 3)});
    TCurrentPlayer player;
    player.slot = 3;
    ASSERT_EQ(loadGameStart(file, player), ClubStatus::Ok);
    const TStoreOutcome renamed = changeName(file, player, "Neo", "new");
    EXPECT_EQ(renamed.status, ClubStatus::Ok);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "Neo", "B", "", ""}));
    EXPECT_EQ(player.slot, 2);
    EXPECT_EQ(decodePassword(linesOf(file)[2].substr(44)), "new  ");
    // The end of the game replaces the renamed line, and "B" stays a member.
    storeGameResult(file, player, 3.2, 11, 4);
    EXPECT_EQ(namesOf(file), (std::vector<std::string>{"A", "Neo", "B", "", ""}));

    // A new player's name change touches no file.
    const std::string before = readAll(file.path);
    TCurrentPlayer guest;
    checkNewPlayer("Guest", "", "", guest);
    changeName(file, guest, "Other", "x");
    EXPECT_EQ(guest.name, padRight("Other", 20));
    EXPECT_EQ(readAll(file.path), before);
}

} // namespace
} // namespace vantor
