#include "base/decimal_checksums.h"
#include "records/history.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <limits>

namespace vantor {
namespace {

using test::readAll;
using test::TempFolder;
using test::writeAll;

const THistoryStamp kStamp{9, 5, "11.12.2026"};

THisStr game(std::string name, std::int32_t result = 10, double rating = 1.0,
             HistoryKind kind = HistoryKind::Local) {
    return THisStr{std::move(name), 1, result, rating, static_cast<std::uint8_t>(kind)};
}

std::string fileWith(int games) {
    std::vector<std::string> lines;
    for (int i = 0; i < games; ++i)
        lines.push_back(historyGameLine(game("P" + std::to_string(i)), kStamp));
    return historyFileText(lines);
}

TEST(HistoryLine, Fields) {
    const std::string line = historyGameLine(game("Ann", -25, -2.5), kStamp);
    ASSERT_EQ(line.size(), kHistoryLineLength);
    EXPECT_EQ(line.substr(0, 5), " 9:05");
    EXPECT_EQ(line.substr(5, 10), "11.12.2026");
    EXPECT_EQ(line.substr(15, 51), "Ann" + std::string(48, ' '));
    EXPECT_EQ(line.substr(66, 3), "  1");
    EXPECT_EQ(line.substr(69, 10), "       -25");
    EXPECT_EQ(line.substr(79, 10), "     -2,50");
    EXPECT_EQ(line.substr(89, 10), "L#########");
    const TTripleSum sum = tripleSum(std::string_view(line).substr(0, 99));
    EXPECT_EQ(line.substr(99), formatTripleSum(sum, 5));

    const std::string end = historyEndLine();
    ASSERT_EQ(end.size(), kHistoryLineLength);
    EXPECT_EQ(end.substr(0, 3), "$\xC0}");
    EXPECT_EQ(end.substr(3, 96), std::string(96, '#'));
}

TEST(HistoryLine, StampsKindsAndClamps) {
    const struct {
        THisStr game;
        THistoryStamp stamp;
        std::size_t from, width;
        const char* expected;
    } cases[] = {
        {game("a"), {14, 30, "1/2/26"}, 1, 15, "14:30    1/2/26"},
        {game("a"), {0, 0, "2026-12-11 extra"}, 1, 15, " 0:002026-12-11"},
        {game("a", 1, 1, HistoryKind::Account), kStamp, 90, 1, "A"},
        {game("a", 1, 1, HistoryKind::Tourney), kStamp, 90, 1, "T"},
        {game("a", 1, 1, HistoryKind::Net), kStamp, 90, 1, "N"},
        {THisStr{"a", 5000, 1, 1, 0}, kStamp, 67, 3, "999"},
        {game("a", std::numeric_limits<std::int32_t>::min()), kStamp, 70, 10, "-999999999"},
        {game("a", std::numeric_limits<std::int32_t>::max()), kStamp, 70, 10, "2147483647"},
        {game("a", 0, 1e12), kStamp, 80, 10, "9999999,99"},
        {game("a", 0, std::nan("")), kStamp, 80, 10, "      0,00"},
        {game(std::string(60, 'x') + "\r\n"), kStamp, 16, 51, nullptr},
    };
    for (const auto& c : cases) {
        const std::string line = historyGameLine(c.game, c.stamp);
        ASSERT_EQ(line.size(), kHistoryLineLength);
        if (c.expected) {
            EXPECT_EQ(line.substr(c.from - 1, c.width), c.expected);
        }
        EXPECT_TRUE(checkHistoryText(historyFileText({line})).valid);
    }
    EXPECT_EQ(historyNameOfSeats({"Ann   ", "Bob", "C  "}), "Ann/Bob/C");
    EXPECT_EQ(historyNameOfSeats({std::string(30, 'a'), std::string(30, 'b')}).size(), 51u);
    EXPECT_EQ(historyFileName("Vantor4.clb", 1), "Vantor4_I0001.hst");
    EXPECT_EQ(historyFileName("Vantor4.net", 9999), "Vantor4_I9999.hst");
}

TEST(HistoryLine, DatePatterns) {
    EXPECT_EQ(formatDate(2026, 1, 5), "05.01.2026");
    EXPECT_EQ(formatDate(2026, 1, 5, "M/d/yy"), "1/5/26");
    EXPECT_EQ(formatDate(2026, 11, 25, "yyyy-MM-dd"), "2026-11-25");
    EXPECT_EQ(formatDate(2026, 11, 25, "d. M. yyyy"), "25. 11. 2026");
    const THistoryStamp now = currentHistoryStamp();
    EXPECT_EQ(now.date.size(), 10u);
}

TEST(HistoryCheck, DamagedFilesAreInvalid) {
    const std::string good = fileWith(3);
    std::string editedGame = good;
    editedGame[20] = 'Z';
    std::string editedSum = good;
    editedSum[110] = editedSum[110] == '0' ? '1' : '0';
    std::string editedTotal = good;
    editedTotal[good.size() - 3] = editedTotal[good.size() - 3] == '0' ? '1' : '0';
    std::string lf;
    for (char c : good)
        if (c != '\r') lf += c;
    const std::size_t totalStart = good.size() - 32;
    const struct {
        const char* what;
        std::string bytes;
        bool valid;
        int games;
    } cases[] = {
        {"as written", good, true, 3},
        {"no game lines", fileWith(0), true, 0},
        {"LF line ends", lf, true, 3},
        {"no final line end", good.substr(0, good.size() - 2), true, 3},
        {"empty", "", false, 0},
        {"one game character edited", editedGame, false, 0},
        {"a line checksum edited", editedSum, false, 0},
        {"the totals edited", editedTotal, false, 0},
        {"cut short", good.substr(0, good.size() / 2), false, 0},
        {"no totals", good.substr(0, totalStart), false, 0},
        {"short totals", good.substr(0, good.size() - 3), false, 0},
        {"short game line", good.substr(0, 50) + "\r\n" + good.substr(116), false, 0},
        {"something after the totals", good + "more\r\n", false, 0},
        {"binary", std::string("\0\x01\xff$\xC0}", 6), false, 0},
    };
    for (const auto& c : cases) {
        const THistoryCheck check = checkHistoryText(c.bytes);
        EXPECT_EQ(check.valid, c.valid) << c.what;
        EXPECT_EQ(check.gameLines, c.games) << c.what;
    }
}

TEST(HistoryWrite, ContinuesThenStartsTheNextFileAfter840) {
    TempFolder home;
    ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb", {game("Ann", 5)}, kStamp).ok);
    ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb", {game("Bob", -5)}, kStamp).ok);
    const auto first = historyFilePath(home.path(), "Vantor4.clb", 1);
    const auto rows = readHistoryRows(first);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0].player.substr(0, 3), "Ann");
    EXPECT_EQ((*rows)[1].player.substr(0, 3), "Bob");
    // Both club files name the same series; the type column tells the games apart.
    EXPECT_EQ(historyFilePath(home.path(), "Vantor4.net", 1), first);

    writeAll(first, fileWith(kHistoryLinesPerFile));
    const std::string full = readAll(first);
    const THistoryWrite write = writeHistory(home.path(), "Vantor4.clb", {game("Cid")}, kStamp);
    EXPECT_TRUE(write.ok);
    EXPECT_EQ(write.fileNumber, 2);
    EXPECT_EQ(readAll(first), full);
    EXPECT_EQ(checkHistoryFile(historyFilePath(home.path(), "Vantor4.clb", 2)).gameLines, 1);
    EXPECT_EQ(listHistoryFiles(home.path(), "Vantor4.clb").size(), 2u);

    // Four records at once never push a file past 840 lines.
    writeAll(first, fileWith(kHistoryLinesPerFile - 1));
    ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb",
                             {game("a"), game("b"), game("c"), game("d")}, kStamp)
                    .ok);
    EXPECT_EQ(checkHistoryFile(first).gameLines, kHistoryLinesPerFile);
    EXPECT_EQ(checkHistoryFile(historyFilePath(home.path(), "Vantor4.clb", 2)).gameLines, 4);
}

TEST(HistoryWrite, DeletedFirstFileStartsAfresh) {
    TempFolder home;
    const auto first = historyFilePath(home.path(), "Vantor4.clb", 1);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb", {game("Ann")}, kStamp).ok);
    std::filesystem::remove(first);
    EXPECT_TRUE(listHistoryFiles(home.path(), "Vantor4.clb").empty());
    EXPECT_EQ(historyEmptyListText(), "No History Files");
    ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb", {game("Ann")}, kStamp).ok);
    const auto list = listHistoryFiles(home.path(), "Vantor4.clb",
                                       [](std::filesystem::file_time_type) { return "today"; });
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "File I0001 today");
    EXPECT_EQ(list[0].gameLines, 1);
}

TEST(HistoryWrite, EditedFileEndsTheListAndIsKeptAside) {
    TempFolder home;
    const auto first = historyFilePath(home.path(), "Vantor4.clb", 1);
    const auto second = historyFilePath(home.path(), "Vantor4.clb", 2);
    std::filesystem::create_directories(historyFolder(home.path()));
    writeAll(first, fileWith(kHistoryLinesPerFile));
    writeAll(second, fileWith(2));
    EXPECT_EQ(listHistoryFiles(home.path(), "Vantor4.clb").size(), 2u);
    std::string edited = readAll(first);
    edited[200] = edited[200] == 'P' ? 'Q' : 'P';
    writeAll(first, edited);
    EXPECT_TRUE(listHistoryFiles(home.path(), "Vantor4.clb").empty());
    EXPECT_FALSE(readHistoryRows(first).has_value());

    ASSERT_TRUE(writeHistory(home.path(), "Vantor4.clb", {game("New")}, kStamp).ok);
    EXPECT_EQ(checkHistoryFile(first).gameLines, 1);
    auto aside = first;
    aside += ".damaged";
    EXPECT_EQ(readAll(aside), edited);
    EXPECT_EQ(checkHistoryFile(second).gameLines, 2);
}

TEST(HistoryWrite, FailureIsReported) {
    TempFolder home;
    writeAll(home.path() / "History", "not a folder");
    const THistoryWrite write = writeHistory(home.path(), "Vantor4.clb", {game("A")}, kStamp);
    EXPECT_FALSE(write.ok);
    EXPECT_EQ(historyWriteFailureText(), "Cann`t save history!");
    EXPECT_EQ(readAll(home.path() / "History"), "not a folder");
}

TEST(HistoryWindow, RowsAndColours) {
    TempFolder home;
    ASSERT_TRUE(
        writeHistory(home.path(), "Vantor4.clb",
                     {game("L", 1, 1, HistoryKind::Local), game("N", 2, 2, HistoryKind::Net),
                      game("A", 3, 3, HistoryKind::Account), game("T", 4, 4, HistoryKind::Tourney)},
                     kStamp)
            .ok);
    const auto rows = readHistoryRows(historyFilePath(home.path(), "Vantor4.clb", 1));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 4u);
    const struct {
        const char* type;
        std::optional<std::uint32_t> colour;
    } expected[] = {{"Local", std::nullopt},
                    {"Net", 0x008000u},
                    {"Account", 0x0000FFu},
                    {"Tourney", 0xFF0000u}};
    for (std::size_t i = 0; i < 4; ++i) {
        const THistoryRow& row = (*rows)[i];
        EXPECT_EQ(row.typeText, expected[i].type);
        EXPECT_EQ(historyTypeColour(row.typeCode), expected[i].colour);
        EXPECT_EQ(row.time, " 9:05");
        EXPECT_EQ(row.date, "11.12.2026");
        EXPECT_EQ(row.games, "  1");
        EXPECT_EQ(row.result, "         " + std::to_string(i + 1));
        EXPECT_EQ(row.rating, "      " + std::to_string(i + 1) + ",00");
    }
    EXPECT_EQ(historyHeadings().size(), 7u);
}

} // namespace
} // namespace vantor
