#include "base/atomic_file.h"
#include "base/decimal_checksums.h"
#include "base/fields.h"
#include "records/club.h"
#include "records/fixed_numbers.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantor {
namespace {

using test::readAll;
using test::TempFolder;
using test::writeAll;

std::string member(std::string_view name, double rating, std::int64_t games = 10,
                   std::int64_t score = 0, std::string_view password = "pw") {
    return buildMemberLine({std::string(name), rating, games, score, encodePassword(password)});
}

TClubLines templateLines(ClubKind kind = ClubKind::Computer) {
    const TClubRead read = parseClubText(clubTemplate(kind));
    EXPECT_EQ(read.status, ClubStatus::Ok);
    return read.lines;
}

// A club with the given member lines (the rest empty) written into `folder`.
TClubFile writeClub(const std::filesystem::path& folder, const std::vector<std::string>& members,
                    const std::vector<std::int64_t>& topResults = {}) {
    TClubLines lines = templateLines();
    for (std::size_t i = 0; i < members.size(); ++i) lines[i + 1] = members[i];
    for (std::size_t i = 0; i < topResults.size(); ++i)
        lines[kFirstTopTenLine + i] =
            lines[kFirstTopTenLine + i].substr(0, 20) + clampedField(topResults[i], 6);
    TClubFile file = clubFile(folder, ClubKind::Computer);
    EXPECT_EQ(writeClubLines(file, lines), ClubStatus::Ok);
    return file;
}

TClubLines linesOf(const TClubFile& file) {
    const TClubRead read = readClubFile(file.path);
    EXPECT_EQ(read.status, ClubStatus::Ok);
    return read.lines;
}

std::string nameOf(const std::string& line) {
    return std::string(trimRight(line.substr(0, 20)));
}

TEST(ClubFile, TemplatesAreValidAndSeededOnlyWhenMissing) {
    TempFolder folder;
    ASSERT_TRUE(seedClubFiles(folder.path()));
    for (const ClubKind kind : {ClubKind::Computer, ClubKind::Lan}) {
        TClubFile file = clubFile(folder.path(), kind);
        const TClubVerify verify = verifyClubFile(file);
        EXPECT_EQ(verify.status, ClubStatus::Ok);
        EXPECT_FALSE(verify.russian);
        EXPECT_FALSE(verify.unwritable);
        EXPECT_FALSE(markerSkipsStartupStatistics(verify.marker));
        const TClubLines lines = linesOf(file);
        for (int i = 1; i <= kMemberSlots; ++i) EXPECT_EQ(lines[i], kEmptyMemberLine);
        // The seeded top ten is ordered best first.
        for (int i = kFirstTopTenLine; i < kLastTopTenLine; ++i)
            EXPECT_GT(*parseInteger(lines[i].substr(20)), *parseInteger(lines[i + 1].substr(20)));
        EXPECT_EQ(readAll(file.path).size(), 5u * 61 + 10u * 28 + 2u * 30);
    }
    // A later start never replaces a player's club.
    TClubFile file = writeClub(folder.path(), {member("Kept", 3.0)});
    const std::string before = readAll(file.path);
    ASSERT_TRUE(seedClubFiles(folder.path()));
    EXPECT_EQ(readAll(file.path), before);
}

TEST(ClubFile, AControlByteInAStoredLineNeverSplitsTheFile) {
    TClubLines lines = templateLines();
    std::string line = member("Ann", 50.0);
    line[3] = '\r';
    line[4] = '\n';
    storeMemberLines(lines, line, true);
    updateCheckLine(lines);
    const TClubRead again = parseClubText(serializeClub(lines));
    ASSERT_TRUE(again.structureOk);
    EXPECT_EQ(again.status, ClubStatus::Ok);
    EXPECT_EQ(again.lines, lines);
}

TEST(ClubFile, MissingFileIsReportedWithItsPath) {
    TempFolder folder;
    TClubFile file = clubFile(folder.path(), ClubKind::Lan);
    EXPECT_EQ(verifyClubFile(file).status, ClubStatus::Missing);
    const auto identity = [](std::string_view s) { return std::string(s); };
    EXPECT_EQ(clubFailureMessage(ClubStatus::Missing, file.path, identity),
              "Can`t find the file \"" + file.path.string() + "\"!");
    EXPECT_EQ(clubFailureMessage(ClubStatus::Incorrect, file.path, identity),
              "The incorrect file \"" + file.path.string() + "\"!");
    EXPECT_EQ(clubAttributesWarning(file.path, identity),
              "The file \"" + file.path.string() +
                  "\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
}

TEST(ClubFile, EditingAnyByteOfLinesOneToSixteenMakesTheFileIncorrect) {
    const std::string good = clubTemplate(ClubKind::Computer);
    int judged = 0;
    for (std::size_t pos = 0; pos < good.size(); ++pos) {
        if (good[pos] == '\r' || good[pos] == '\n') continue;
        const bool inCheckLine = pos >= good.size() - 30;
        if (inCheckLine && pos < good.size() - 30 + 10) continue; // installation marks
        std::string edited = good;
        edited[pos] = static_cast<char>(edited[pos] == 'x' ? 'y' : 'x');
        EXPECT_EQ(parseClubText(edited).status, ClubStatus::Incorrect) << "byte " << pos;
        ++judged;
    }
    EXPECT_EQ(judged, 583 + 18);
}

TEST(ClubFile, DamagedShapesAreIncorrect) {
    const std::string good = clubTemplate(ClubKind::Computer);
    std::string noMarker = good;
    const std::size_t marker = good.size() - 60;
    noMarker[marker] = 'C';
    TClubLines lines = parseClubText(noMarker).lines;
    updateCheckLine(lines); // right checksums, wrong marker
    std::string lfOnly;
    for (char c : good)
        if (c != '\r') lfOnly += c;

    const struct {
        const char* what;
        std::string bytes;
        ClubStatus expected;
    } cases[] = {
        {"as seeded", good, ClubStatus::Ok},
        {"lines ended by LF only", lfOnly, ClubStatus::Ok},
        {"no final line end", good.substr(0, good.size() - 2), ClubStatus::Ok},
        {"empty", "", ClubStatus::Incorrect},
        {"cut short", good.substr(0, good.size() / 2), ClubStatus::Incorrect},
        {"last line cut", good.substr(0, good.size() - 3), ClubStatus::Incorrect},
        {"extra line", good + "more\r\n", ClubStatus::Incorrect},
        {"empty extra line", good + "\r\n", ClubStatus::Incorrect},
        {"long first line", "x" + good, ClubStatus::Incorrect},
        {"binary", std::string("\0\xff\x01\x02\r\n", 6), ClubStatus::Incorrect},
        {"wrong marker", serializeClub(lines), ClubStatus::Incorrect},
        {"checksum not a number",
         good.substr(0, good.size() - 20) + "x" + good.substr(good.size() - 19),
         ClubStatus::Incorrect},
    };
    for (const auto& c : cases) EXPECT_EQ(parseClubText(c.bytes).status, c.expected) << c.what;
}

TEST(ClubFile, CheckLineMarksAreKeptAndRead) {
    TempFolder folder;
    TClubLines lines = templateLines();
    lines[kCheckLine] = "1abcdeqzoX" + lines[kCheckLine].substr(10);
    TClubFile file = clubFile(folder.path(), ClubKind::Computer);
    ASSERT_EQ(writeClubLines(file, lines), ClubStatus::Ok);
    const TClubVerify verify = verifyClubFile(file);
    EXPECT_EQ(verify.status, ClubStatus::Ok);
    EXPECT_TRUE(verify.russian);
    EXPECT_EQ(verify.marker, "qzo");
    EXPECT_TRUE(markerSkipsStartupStatistics(verify.marker));
    // Rewrites keep positions 1-10 of the check line.
    ASSERT_EQ(removeMember(file, 1), ClubStatus::Ok);
    EXPECT_EQ(linesOf(file)[kCheckLine].substr(0, 10), "1abcdeqzoX");
}

TEST(ClubFile, ChecksumsFollowTheirDefinition) {
    TClubLines lines = templateLines();
    std::string body;
    for (int i = 1; i <= 16; ++i) body += lines[i];
    ASSERT_EQ(body.size(), 583u);
    std::uint64_t all = 0, even = 0, third = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const auto b = static_cast<unsigned char>(body[i]);
        all += b;
        if ((i + 1) % 2 == 0) even += b;
        if ((i + 1) % 3 == 0) third += b;
    }
    EXPECT_EQ(lines[kCheckLine].substr(10),
              zeroPadded(all, 6) + zeroPadded(even, 6) + zeroPadded(third, 6));
}

TEST(ClubFile, ReadOnlyFileIsWarnedAndNeverWritten) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("Ann", 5.0), member("Bob", 4.0)});
    std::filesystem::permissions(file.path, std::filesystem::perms::owner_read |
                                                std::filesystem::perms::group_read);
    const std::string before = readAll(file.path);
    const TClubVerify verify = verifyClubFile(file);
    EXPECT_EQ(verify.status, ClubStatus::Ok);
    EXPECT_TRUE(verify.unwritable);
    EXPECT_TRUE(file.unwritable);
    EXPECT_EQ(removeMember(file, 1), ClubStatus::Unwritable);
    const TStoreOutcome store = storeMember(file, member("Cid", 9.0, 20, 500), true);
    EXPECT_EQ(store.status, ClubStatus::Unwritable);
    // The window still shows the place computed in memory.
    EXPECT_EQ(store.topTenPlace, 1);
    EXPECT_EQ(store.cycleResult, 500);
    EXPECT_EQ(readAll(file.path), before);
}

TEST(ClubFile, FileDamagedDuringTheRunIsNotRewritten) {
    TempFolder folder;
    TClubFile file = writeClub(folder.path(), {member("Ann", 5.0)});
    std::string bytes = readAll(file.path);
    bytes[3] = 'Z';
    writeAll(file.path, bytes);
    EXPECT_EQ(removeMember(file, 1), ClubStatus::Incorrect);
    EXPECT_EQ(storeMember(file, member("Bob", 1.0), false).status, ClubStatus::Incorrect);
    EXPECT_EQ(readAll(file.path), bytes);
}

TEST(ClubFile, RemoveMember) {
    const std::vector<std::string> five = {member("M1", 5), member("M2", 4), member("M3", 3),
                                           member("M4", 2), member("M5", 1)};
    const struct {
        int slot;
        std::vector<std::string> names;
    } cases[] = {
        {1, {"M2", "M3", "M4", "M5", ""}},   {3, {"M1", "M2", "M4", "M5", ""}},
        {5, {"M1", "M2", "M3", "M4", ""}},   {6, {"M1", "M2", "M3", "M4", "M5"}},
        {7, {"M1", "M2", "M3", "M4", "M5"}}, {8, {"M1", "M2", "M3", "M4", "M5"}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        TClubFile file = writeClub(folder.path(), five);
        const std::string before = readAll(file.path);
        EXPECT_EQ(removeMember(file, c.slot), ClubStatus::Ok);
        const TClubLines lines = linesOf(file);
        for (int i = 1; i <= 5; ++i) {
            if (c.names[i - 1].empty())
                EXPECT_EQ(lines[i], kEmptyMemberLine) << "slot " << c.slot;
            else
                EXPECT_EQ(nameOf(lines[i]), c.names[i - 1]) << "slot " << c.slot;
        }
        if (c.slot > 5) {
            EXPECT_EQ(readAll(file.path), before);
        }
    }
}

TEST(ClubFile, StoreMemberAtItsRatingPlace) {
    const struct {
        const char* what;
        std::vector<std::string> members;
        double rating;
        int expectedSlot;
        std::vector<std::string> names;
    } cases[] = {
        {"into an empty club", {}, -3.0, 1, {"New", "", "", "", ""}},
        {"equal to slot 2 goes above it",
         {member("A", 5), member("B", 4), member("C", 3)},
         4.0,
         2,
         {"A", "New", "B", "C", ""}},
        {"below the others fills the first empty slot",
         {member("A", 5), member("B", 4)},
         -10.0,
         3,
         {"A", "B", "New", "", ""}},
        {"best pushes the fifth out",
         {member("A", 5), member("B", 4), member("C", 3), member("D", 2), member("E", 1)},
         6.0,
         1,
         {"New", "A", "B", "C", "D"}},
        {"below five full slots is not stored",
         {member("A", 5), member("B", 4), member("C", 3), member("D", 2), member("E", 1)},
         0.5,
         0,
         {"A", "B", "C", "D", "E"}},
        {"equal to the fifth replaces it",
         {member("A", 5), member("B", 4), member("C", 3), member("D", 2), member("E", 1)},
         1.0,
         5,
         {"A", "B", "C", "D", "New"}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        TClubFile file = writeClub(folder.path(), c.members);
        const TStoreOutcome outcome = storeMember(file, member("New", c.rating), false);
        EXPECT_EQ(outcome.status, ClubStatus::Ok) << c.what;
        EXPECT_EQ(outcome.memberSlot, c.expectedSlot) << c.what;
        EXPECT_EQ(outcome.topTenPlace, 0) << c.what;
        const TClubLines lines = linesOf(file);
        for (int i = 1; i <= 5; ++i) {
            if (c.names[i - 1].empty())
                EXPECT_EQ(lines[i], kEmptyMemberLine) << c.what;
            else
                EXPECT_EQ(nameOf(lines[i]), c.names[i - 1]) << c.what << " slot " << i;
        }
    }
}

TEST(ClubFile, EndOfCycleEntersTheTopTen) {
    const std::vector<std::int64_t> top = {500, 400, 300, 250, 200, 150, 100, 50, 20, 10};
    const struct {
        std::int64_t result;
        int place;
    } cases[] = {
        {500, 1}, {9999, 1}, {401, 2}, {400, 2}, {11, 10}, {10, 10}, {9, 0}, {-99999, 0},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        TClubFile file = writeClub(folder.path(), {member("Old", 1.0)}, top);
        const TStoreOutcome outcome = storeMember(file, member("Hero", 2.0, 20, c.result), true);
        EXPECT_EQ(outcome.status, ClubStatus::Ok);
        EXPECT_EQ(outcome.topTenPlace, c.place) << c.result;
        EXPECT_EQ(outcome.cycleResult, c.result);
        const TClubLines lines = linesOf(file);
        std::vector<std::int64_t> expected = top;
        if (c.place > 0) {
            expected.insert(expected.begin() + c.place - 1, c.result);
            expected.pop_back();
            EXPECT_EQ(nameOf(lines[kFirstTopTenLine + c.place - 1]), "Hero");
        }
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(*parseInteger(lines[kFirstTopTenLine + i].substr(20)), expected[i])
                << c.result << " row " << i + 1;
        // The member starts the next cycle at 0, in the same rewrite.
        EXPECT_EQ(nameOf(lines[1]), "Hero");
        EXPECT_EQ(lines[1].substr(38, 6), "     0");
        EXPECT_EQ(lines[1].substr(30, 7), "     20");
    }
}

TEST(MemberLine, FieldsAndClamps) {
    const struct {
        double rating;
        std::int64_t games;
        std::int64_t score;
        const char* ratingField;
        const char* gamesField;
        const char* scoreField;
        bool clamped;
    } cases[] = {
        {0.0, 0, 0, "  0,000000", "      0", "     0", false},
        {0.25, 1, 25, "  0,250000", "      1", "    25", false},
        {-1.5, 2, -15, " -1,500000", "      2", "   -15", false},
        {2.5, 1, 25, "  2,500000", "      1", "    25", false},
        {-2.5, 1, -25, " -2,500000", "      1", "   -25", false},
        {-0.0000001, 3, 0, "  0,000000", "      3", "     0", false},
        {99.99, 9999999, 999999, " 99,990000", "9999999", "999999", false},
        {-99.99, 10000000, -99999, "-99,990000", "9999999", "-99999", true},
        {150.0, 5, 1000000, " 99,990000", "      5", "999999", true},
        {1.0, 5, -100000, "  1,000000", "      5", "-99999", true},
    };
    for (const auto& c : cases) {
        bool clamped = false;
        const std::string line =
            buildMemberLine({"Name", c.rating, c.games, c.score, encodePassword("abc")}, &clamped);
        ASSERT_EQ(line.size(), kMemberLineLength);
        EXPECT_EQ(line.substr(20, 10), c.ratingField);
        EXPECT_EQ(line.substr(30, 7), c.gamesField);
        EXPECT_EQ(line[37], ' ');
        EXPECT_EQ(line.substr(38, 6), c.scoreField);
        EXPECT_EQ(clamped, c.clamped) << c.rating << " " << c.games << " " << c.score;
        EXPECT_FALSE(memberSlotEmptyForStore(line));
        EXPECT_FALSE(memberSlotEmptyForMenu(line));
    }
    EXPECT_TRUE(memberSlotEmptyForStore(kEmptyMemberLine));
    EXPECT_TRUE(memberSlotEmptyForMenu(kEmptyMemberLine));
    // Control bytes cannot break the line structure.
    EXPECT_EQ(buildMemberLine({"a\r\nb", 0, 0, 0, encodePassword("")}).substr(0, 4), "a  b");
}

TEST(MemberLine, RatingTextIsReadWithAnyDecimalMark) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"  0,250000", 0.25},  {" -1,500000", -1.5},
        {"2.5", 2.5},          {"  7", 7.0},
        {"##########", {}},    {"", {}},
        {"1,5e3", {}},         {"-", {}},
        {"1,2,3", {}},         {"nan", {}},
        {" 99;990000", 99.99},
    };
    for (const auto& c : cases) EXPECT_EQ(parseRatingText(c.text), c.value) << c.text;
}

TEST(Password, EncodingRoundTripsEveryByte) {
    static_assert(kPasswordOffset >= 100 && kPasswordOffset <= 744);
    for (int b = 0; b < 256; ++b) {
        const std::string password(5, static_cast<char>(b));
        const std::string digits = encodePassword(password);
        ASSERT_EQ(digits.size(), 15u);
        for (char d : digits) ASSERT_TRUE(d >= '0' && d <= '9');
        EXPECT_EQ(decodePassword(digits), password);
    }
    EXPECT_EQ(decodePassword(encodePassword("")), "     ");
    EXPECT_EQ(decodePassword(encodePassword("ab")), "ab   ");
    EXPECT_EQ(decodePassword("###############"), std::nullopt);
    EXPECT_EQ(decodePassword("000000000000000"), std::nullopt);
    EXPECT_EQ(decodePassword("999999999999999"), std::nullopt);
    EXPECT_EQ(decodePassword("12345"), std::nullopt);
}

TEST(AtomicFile, FailedWriteKeepsTheOldContent) {
    TempFolder folder;
    const auto path = folder.path() / "file.txt";
    ASSERT_TRUE(writeFileAtomic(path, "old"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    ASSERT_TRUE(writeFileAtomic(path, "new"));
    EXPECT_EQ(readAll(path), "new");
    // The mode of the replaced file is kept.
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::mask,
              std::filesystem::perms::owner_read);
    // A target that is a folder, or in a folder that does not exist, fails cleanly.
    std::filesystem::create_directory(folder.path() / "dir");
    EXPECT_FALSE(writeFileAtomic(folder.path() / "dir", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir"));
    std::string error;
    EXPECT_FALSE(writeFileAtomic(folder.path() / "none" / "f", "x", &error));
    EXPECT_FALSE(error.empty());
    // No temporary files are left behind.
    int count = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++count;
    EXPECT_EQ(count, 2);
}

} // namespace
} // namespace vantor
