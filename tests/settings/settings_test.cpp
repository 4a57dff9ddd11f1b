#include "base/scramble.h"
#include "settings/service_addresses.h"
#include "settings/settings.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vantor {
namespace {
namespace fs = std::filesystem;

// The file's 35 lines without their CR LF; fails the test when the ends are wrong.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

// The settings as a program that has run once with a named player writes them.
TSettings namedPlayer() {
    TSettings s;
    s.PlayerName = "Anna";
    applyWorldTopTenDefaults(s);
    return s;
}

TSettings loadBytes(const std::string& bytes, TLoadReport* report = nullptr) {
    TSettings s;
    const TLoadReport r = LoadSettingsFromBytes(s, std::string_view(bytes));
    if (report) *report = r;
    return s;
}

TEST(SettingsSave, DefaultsGiveTheKnownLines) {
    const std::vector<std::string> lines = linesOf(SettingsFileBytes(TSettings{}));
    ASSERT_EQ(lines.size(), 35u);
    const std::vector<std::pair<int, std::string>> expected = {
        {1, "<# General>"},
        {2, "011110141RL010020011"},
        {3, "<# Cards>"},
        {4, "0"},
        {5, "<# Decks>"},
        {6, "000"},
        {7, "<# Individual>"},
        {8, "003###"},
        {9, "<# Fonts>"},
        {10, "Comic Sans MS"},
        {12, "FixedSys"},
        {13, "Courier New"},
        {14, "100"},
        {18, "<# IP & Port>"},
        {19, "127.0.0.1"},
        {20, "25666"},
        {21, "<# Background>"},
        {22, "020"},
        {23, "<# Name Of Player>"},
        {24, ""},
        {25, "<# World Top Ten>"},
        {26, ""},
        {31, ""},
        {32, "<# Save Games as GIF>"},
        {33, "\xEB"},
        {34, "1"},
        {35, "1000"},
    };
    for (const auto& [number, text] : expected) EXPECT_EQ(lines[number - 1], text) << number;
}

TEST(SettingsSave, ValuesAreEncodedAsTheFileWantsThem) {
    struct Case {
        const char* what;
        std::function<void(TSettings&)> change;
        int line;
        std::size_t pos;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"Korean", [](TSettings& s) { s.Language = TLanguage::Korean; }, 2, 0, "9"},
        {"sound only", [](TSettings& s) { s.MusicOn = false; }, 2, 1, "2"},
        {"music only", [](TSettings& s) { s.SoundOn = false; }, 2, 1, "3"},
        {"silence", [](TSettings& s) { s.SoundOn = s.MusicOn = false; }, 2, 1, "0"},
        {"speed 0", [](TSettings& s) { s.Speed = 0; }, 2, 7, "4"},
        {"speed 7", [](TSettings& s) { s.Speed = 7; }, 2, 7, "4"},
        {"speed 6", [](TSettings& s) { s.Speed = 6; }, 2, 7, "6"},
        {"aux design 0", [](TSettings& s) { s.AuxDesign = 0; }, 2, 15, "1"},
        {"aux design 4", [](TSettings& s) { s.AuxDesign = 4; }, 2, 15, "1"},
        {"aux design 3", [](TSettings& s) { s.AuxDesign = 3; }, 2, 15, "3"},
        {"start not counted", [](TSettings& s) { s.UniqueStartCounted = false; }, 2, 9, "#"},
        {"stats flag clear", [](TSettings& s) { s.StatsWindowFlag = false; }, 2, 10, "#"},
        {"radio from disk first", [](TSettings& s) { s.RadioListFromServerFirst = false; }, 2, 11,
         "1"},
        {"menu design 2", [](TSettings& s) { s.MenuDesign = 2; }, 2, 16, "0"},
        {"back 5", [](TSettings& s) { s.CardBack = 5; }, 6, 0, "050"},
        {"back 12, one", [](TSettings& s) { s.CardBack = 12, s.CardBackAlwaysOne = true; }, 6, 0,
         "121"},
        {"game", [](TSettings& s) { s.NoJokers = true, s.Duration = 5; }, 8, 0, "105###"},
        {"background 10/3", [](TSettings& s) { s.Background = 10, s.BackgroundColour = 3; }, 22, 0,
         "103"},
        {"background 9/6", [](TSettings& s) { s.Background = 9, s.BackgroundColour = 6; }, 22, 0,
         "096"},
        {"gif on", [](TSettings& s) { s.SaveGamesAsGif = true; }, 33, 0, "\xE8"},
        {"cyrillic name", [](TSettings& s) { s.PlayerName = "Иван"; }, 24, 0, "\xC8\xE2\xE0\xED"},
        {"name outside the code page", [](TSettings& s) { s.PlayerName = "李a"; }, 24, 0, "?a"},
        {"line break in a name", [](TSettings& s) { s.PlayerName = "a\r\nb"; }, 24, 0, "a  b"},
    };
    for (const Case& c : cases) {
        TSettings s;
        c.change(s);
        const std::vector<std::string> lines = linesOf(SettingsFileBytes(s));
        ASSERT_EQ(lines.size(), 35u) << c.what;
        EXPECT_EQ(lines[c.line - 1].substr(c.pos, c.text.size()), c.text) << c.what;
    }
}

TEST(SettingsLoad, EverySettingSurvivesASaveAndALoad) {
    TSettings s = namedPlayer();
    s.Language = TLanguage::Czech;
    s.SoundOn = false;
    s.GifAnimationOn = false;
    s.FlyCardsOn = false;
    s.ClubListMode = 2;
    s.LanGame = true;
    s.OwnCursor = false;
    s.Speed = 6;
    s.WindowSize = 5;
    s.UniqueStartCounted = false;
    s.StatsWindowFlag = false;
    s.RadioListFromServerFirst = false;
    s.CaptionStyle = 7;
    s.NewButtons = true;
    s.AuxDesignAlt = true;
    s.AuxDesign = 3;
    s.MenuDesign = 1;
    s.TableDesign = 1;
    s.SaluteButtons = false;
    s.SaluteCards = false;
    s.CardDeck = 47;
    s.CardBack = 12;
    s.CardBackAlwaysOne = true;
    s.NoJokers = true;
    s.QuickGame = true;
    s.Duration = 4;
    s.FontDecorName = "Noto Sans";
    s.FontSerifName = "Шрифт";
    s.FontFixedName = "Mono";
    s.FontConewName = "Liberation Mono";
    s.FontDecorScale = 50;
    s.FontSerifScale = 150;
    s.FontFixedScale = 75;
    s.FontConewScale = 120;
    s.LanAddress = "192.168.1.20";
    s.LanPort = "30000";
    s.Background = 10;
    s.BackgroundColour = 6;
    s.PlayerName = "Пётр";
    s.TopTenNick = "Peter";
    s.TopTenCountry = "6-054";
    s.TopTenCity = "Praha";
    s.TopTenSex = "W";
    s.SaveGamesAsGif = true;
    s.SaveGamesMode = 2;
    s.SaveGamesDelay = 10;

    TSettings loaded;
    loaded.SaluteButtons = loaded.SaluteCards = false; // as the program holds them
    const TLoadReport report = LoadSettingsFromBytes(loaded, SettingsFileBytes(s));
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.stoppedAtLine, 0);
    // A complete load also sets the account-service address.
    s.AccountServiceAddress = std::string(kDefaultAccountServiceAddress);
    s.AccountServiceUrl = decipherServiceAddress(s.AccountServiceAddress);
    EXPECT_EQ(loaded, s);
}

// One case: a named player's file with some lines replaced, and what the load must make of it.
struct LoadCase {
    const char* what;
    std::vector<std::pair<int, std::string>> lines;
    int stoppedAt;
    std::function<void(const TSettings&)> check;
};

TEST(SettingsLoad, LinesAreReadByTheRules) {
    const TSettings defaults;
    const TSettings named = namedPlayer();
    const std::vector<LoadCase> cases = {
        {"language a..k",
         {{2, "a"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.Language, TLanguage::English); }},
        {"language 9",
         {{2, "9"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.Language, TLanguage::Korean); }},
        {"short flag line",
         {{2, "40"}},
         0,
         [&](const TSettings& s) {
             EXPECT_EQ(s.Language, TLanguage::Spanish);
             EXPECT_FALSE(s.SoundOn);
             EXPECT_EQ(s.Speed, 4);
             EXPECT_TRUE(s.UniqueStartCounted);
             EXPECT_TRUE(s.StatsWindowFlag);
         }},
        {"flag characters outside their sets",
         {{
             2,
             "Z9xx3x07",
         }},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.Language, TLanguage::English);
             EXPECT_TRUE(s.SoundOn && s.MusicOn);
             EXPECT_TRUE(s.GifAnimationOn);
             EXPECT_EQ(s.ClubListMode, 1);
             EXPECT_FALSE(s.OwnCursor);
             EXPECT_EQ(s.Speed, 4); // '7' is no speed
         }},
        {"flags 9..19 unexpected",
         {{2, "0111101411xxxx9x2222"}},
         0,
         [](const TSettings& s) {
             EXPECT_FALSE(s.UniqueStartCounted);
             EXPECT_FALSE(s.StatsWindowFlag);
             EXPECT_FALSE(s.RadioListFromServerFirst);
             EXPECT_EQ(s.CaptionStyle, 1); // 'x' is no digit
             EXPECT_EQ(s.AuxDesign, 2);
             EXPECT_TRUE(s.SaluteButtons && s.SaluteCards);
         }},
        {"caption style 9",
         {{2, "011110141RL090020011"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.CaptionStyle, 1); }},
        {"card deck not a number",
         {{4, "x1"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.CardDeck, 0); }},
        {"card deck beyond the sets",
         {{4, "48"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.CardDeck, 0); }},
        {"card deck 31", {{4, "31"}}, 0, [](const TSettings& s) { EXPECT_EQ(s.CardDeck, 31); }},
        {"line 6 of two characters",
         {{4, "7"}, {6, "05"}, {8, "114"}},
         6,
         [&](const TSettings& s) {
             EXPECT_EQ(s.CardDeck, 7);
             EXPECT_EQ(s.CardBack, 0);
             EXPECT_FALSE(s.NoJokers);
             EXPECT_EQ(s.Duration, 3);
             EXPECT_EQ(s.PlayerName, "");
             EXPECT_EQ(s.TopTenNick, "");
             EXPECT_EQ(s.AccountServiceAddress, "");
         }},
        {"back 13",
         {{6, "131"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.CardBack, 0);
             EXPECT_TRUE(s.CardBackAlwaysOne);
         }},
        {"duration 9",
         {{8, "019###"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.Duration, 3);
             EXPECT_TRUE(s.QuickGame);
         }},
        {"one-letter font name",
         {{12, "X"}, {14, "80"}},
         12,
         [&](const TSettings& s) {
             EXPECT_EQ(s.FontSerifName, defaults.FontSerifName);
             EXPECT_EQ(s.FontFixedName, "FixedSys");
             EXPECT_EQ(s.FontDecorScale, 100);
             EXPECT_EQ(s.PlayerName, "");
         }},
        {"font scales",
         {{14, "x"}, {15, "49"}, {16, "151"}, {17, " 60"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.FontDecorScale, 100);
             EXPECT_EQ(s.FontSerifScale, 100);
             EXPECT_EQ(s.FontFixedScale, 100);
             EXPECT_EQ(s.FontConewScale, 60);
         }},
        {"empty address header",
         {{18, ""}, {19, "10.0.0.1"}},
         18,
         [](const TSettings& s) { EXPECT_EQ(s.LanAddress, "127.0.0.1"); }},
        {"background 103",
         {{22, "103"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.Background, 10);
             EXPECT_EQ(s.BackgroundColour, 3);
         }},
        {"background of one digit",
         {{22, "5"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.Background, 5);
             EXPECT_EQ(s.BackgroundColour, 0);
         }},
        {"background out of range",
         {{22, "119"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.Background, 2);
             EXPECT_EQ(s.BackgroundColour, 0);
         }},
        {"no player name",
         {{24, ""}, {33, "\xE8"}},
         24,
         [](const TSettings& s) {
             EXPECT_EQ(s.TopTenNick, "");
             EXPECT_EQ(s.TopTenServiceAddress, "");
             EXPECT_FALSE(s.SaveGamesAsGif);
         }},
        {"no world-top-ten address",
         {{26, ""}, {27, "Other"}},
         26,
         [](const TSettings& s) {
             EXPECT_EQ(s.TopTenNick, "Incognito");
             EXPECT_EQ(s.TopTenCountry, "1-001");
             EXPECT_EQ(s.TopTenServiceAddress, kDefaultTopTenServiceAddress);
             EXPECT_EQ(s.AccountServiceAddress, "");
         }},
        {"long nick",
         {{27, "ABCDEFGHIJKLMNOP"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenNick, "ABCDEFGHIJKL"); }},
        {"country beyond its continent",
         {{28, "1-049"}, {29, "Riga"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.TopTenCountry, "1-001");
             EXPECT_EQ(s.TopTenCity, "Riga");
         }},
        {"country cut short",
         {{28, "1-1"}, {29, "Riga"}},
         28,
         [](const TSettings& s) {
             EXPECT_EQ(s.TopTenCountry, "1-001");
             EXPECT_EQ(s.TopTenCity, "Moscow");
         }},
        {"country of continent 6",
         {{28, "6-054"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenCountry, "6-054"); }},
        {"country of no continent",
         {{28, "7-001"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenCountry, "1-001"); }},
        {"country with a letter",
         {{28, "2-0x1"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenCountry, "1-001"); }},
        {"long city",
         {{29, "Sankt-Peterburg Centr"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenCity, "Sankt-Peterburg"); }},
        {"sex W", {{30, "Woman"}}, 0, [](const TSettings& s) { EXPECT_EQ(s.TopTenSex, "W"); }},
        {"sex of another letter",
         {{30, "x"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.TopTenSex, "M"); }},
        {"gif on", {{33, "\xE8"}}, 0, [](const TSettings& s) { EXPECT_TRUE(s.SaveGamesAsGif); }},
        {"gif letter with more",
         {{33, "\xE8\xE8"}},
         0,
         [](const TSettings& s) { EXPECT_FALSE(s.SaveGamesAsGif); }},
        {"gif letter as UTF-8",
         {{33, "и"}},
         0,
         [](const TSettings& s) { EXPECT_FALSE(s.SaveGamesAsGif); }},
        {"gif line empty",
         {{33, ""}, {34, "2"}},
         33,
         [](const TSettings& s) { EXPECT_EQ(s.SaveGamesMode, 1); }},
        {"gif mode and delay",
         {{34, "2"}, {35, "5000"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.SaveGamesMode, 2);
             EXPECT_EQ(s.SaveGamesDelay, 5000);
         }},
        {"gif mode and delay out of range",
         {{34, "3"}, {35, "9"}},
         0,
         [](const TSettings& s) {
             EXPECT_EQ(s.SaveGamesMode, 1);
             EXPECT_EQ(s.SaveGamesDelay, 1000);
         }},
        {"cyrillic name",
         {{24, "\xC8\xE2\xE0\xED"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.PlayerName, "Иван"); }},
        {"headers are not checked",
         {{1, "garbage"}, {25, "x"}, {32, "?"}},
         0,
         [](const TSettings& s) { EXPECT_EQ(s.PlayerName, "Anna"); }},
    };
    const std::vector<std::string> base = linesOf(SettingsFileBytes(named));
    for (const LoadCase& c : cases) {
        std::vector<std::string> lines = base;
        for (const auto& [number, text] : c.lines) lines[number - 1] = text;
        TLoadReport report;
        const TSettings s = loadBytes(joinLines(lines), &report);
        EXPECT_TRUE(report.fileRead) << c.what;
        EXPECT_EQ(report.stoppedAtLine, c.stoppedAt) << c.what;
        EXPECT_EQ(report.complete, c.stoppedAt == 0) << c.what;
        c.check(s);
        if (HasFailure()) {
            ADD_FAILURE() << "case: " << c.what;
            return;
        }
    }
}

TEST(SettingsLoad, AFirstRunReachesTheWorldTopTenOnlyOnceANameExists) {
    // No file: the world-top-ten block is never reached and is written empty.
    TSettings s;
    TLoadReport report = LoadSettingsFromBytes(s, std::nullopt);
    EXPECT_FALSE(report.fileRead);
    EXPECT_EQ(s, TSettings{});
    std::vector<std::string> lines = linesOf(SettingsFileBytes(s));
    for (int number = 26; number <= 31; ++number) EXPECT_EQ(lines[number - 1], "");

    report = LoadSettingsFromBytes(s, SettingsFileBytes(s));
    EXPECT_EQ(report.stoppedAtLine, 24);

    s.PlayerName = "Anna";
    report = LoadSettingsFromBytes(s, SettingsFileBytes(s));
    EXPECT_EQ(report.stoppedAtLine, 26);
    EXPECT_EQ(s.TopTenNick, "Incognito");

    lines = linesOf(SettingsFileBytes(s));
    EXPECT_EQ(lines[26 - 1], kDefaultTopTenServiceAddress);
    EXPECT_EQ(lines[30 - 1], "M");
    report = LoadSettingsFromBytes(s, SettingsFileBytes(s));
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(s.TopTenServiceUrl, "http://127.0.0.1:25680/zov/top10");
    EXPECT_EQ(s.StatsServiceUrl, "http://127.0.0.1:25680/zov/stat");
    EXPECT_EQ(s.AccountServiceUrl, "http://127.0.0.1:25680/zov/account");
}

TEST(SettingsLoad, TheLoadResetsWhatItMayAndKeepsWhatTheProgramHolds) {
    TSettings s = namedPlayer();
    s.Speed = 2;
    s.SaluteButtons = false;
    s.TopTenNick = "Kept";
    LoadSettingsFromBytes(s, std::nullopt);
    EXPECT_EQ(s.Speed, 4);
    EXPECT_FALSE(s.SaluteButtons);
    EXPECT_EQ(s.TopTenNick, "Kept");
}

TEST(SettingsLoad, ShortFilesAreIgnoredWhole) {
    const std::vector<std::string> full = linesOf(SettingsFileBytes(namedPlayer()));
    for (std::size_t count : {0u, 1u, 2u, 34u}) {
        std::vector<std::string> lines(full.begin(), full.begin() + count);
        lines.resize(count);
        if (count > 1) lines[1] = "5";
        TLoadReport report;
        const TSettings s = loadBytes(joinLines(lines), &report);
        EXPECT_FALSE(report.fileRead) << count;
        EXPECT_EQ(s, TSettings{}) << count;
    }
    // The last line may lack its line end; plain LF ends are read too.
    std::string bytes = joinLines(full);
    bytes.resize(bytes.size() - 2);
    EXPECT_TRUE(loadBytes(bytes).PlayerName == "Anna");
    std::string lf;
    for (const auto& line : full) lf += line + "\n";
    EXPECT_TRUE(loadBytes(lf).PlayerName == "Anna");
}

TEST(SettingsLoad, DamagedFilesLoadWithoutHarm) {
    std::mt19937 rng(1);
    std::vector<std::string> files;
    files.push_back("");
    files.push_back(std::string(1000, '\0'));
    std::string binary(5000, '\0');
    for (char& c : binary) c = static_cast<char>(rng());
    files.push_back(binary);
    files.push_back(std::string(3 << 20, '\n'));
    // A well-formed file whose font and name lines are megabytes long.
    std::vector<std::string> lines = linesOf(SettingsFileBytes(namedPlayer()));
    lines[11] = std::string(3 << 20, 'F');
    lines[23] = std::string(2 << 20, '\xFF');
    files.push_back(joinLines(lines));
    for (const std::string& bytes : files) {
        TLoadReport report;
        const TSettings s = loadBytes(bytes, &report);
        EXPECT_LE(s.FontFixedName.size(), 4096u);
        EXPECT_LE(s.PlayerName.size(), 3 * 4096u);
        EXPECT_TRUE(s.Speed >= 1 && s.Speed <= 6);
    }
    TLoadReport report;
    const TSettings s = loadBytes(files.back(), &report);
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(s.FontFixedName, std::string(4096, 'F'));
}

TEST(SettingsLoad, RemoteConfigurationFollowsOnlyACompleteLoad) {
    int asked = 0;
    const TRemoteConfigFetch fetch = [&]() -> std::optional<TRemoteConfig> {
        ++asked;
        TRemoteConfig config;
        config.worldTopTenPaused = true;
        config.statsAddress = scramble("http://127.0.0.1:1/stat");
        return config;
    };
    TSettings s;
    LoadSettingsFromBytes(s, SettingsFileBytes(TSettings{}), fetch); // stops at line 24
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(s.WorldTopTenPaused);

    const TLoadReport report = LoadSettingsFromBytes(s, SettingsFileBytes(namedPlayer()), fetch);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(report.remoteConfigApplied);
    EXPECT_TRUE(s.WorldTopTenPaused);
    EXPECT_EQ(s.StatsServiceUrl, "http://127.0.0.1:1/stat");
    EXPECT_EQ(s.TopTenServiceAddress, kDefaultTopTenServiceAddress);
    // The replacement reaches the file with the next save.
    EXPECT_EQ(linesOf(SettingsFileBytes(s))[30], scramble("http://127.0.0.1:1/stat"));

    const TRemoteConfigFetch unreachable = [] { return std::optional<TRemoteConfig>(); };
    EXPECT_FALSE(LoadSettingsFromBytes(s, SettingsFileBytes(namedPlayer()), unreachable)
                     .remoteConfigApplied);
    EXPECT_FALSE(s.WorldTopTenPaused);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vantor-settings-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        context.file = folder / "Vantor4.ini";
        context.temporaryMidi = folder / "temp92_25.mid";
    }
    void TearDown() override {
        fs::remove_all(folder);
        Settings.Language = TLanguage::English;
    }
    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    fs::path folder;
    TSaveContext context;
};

TEST_F(SettingsFile, SaveWritesTheLinesAndRemovesTheSongFile) {
    write(context.temporaryMidi, "MThd");
    TSettings s = namedPlayer();
    s.CardDeck = 12;
    const TSaveResult result = SaveSettings(s, context);
    EXPECT_EQ(result.status, TSaveStatus::Written);
    EXPECT_EQ(read(context.file), SettingsFileBytes(s));
    EXPECT_FALSE(fs::exists(context.temporaryMidi));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    TSettings loaded;
    EXPECT_TRUE(LoadSettings(loaded, context.file).complete);
    EXPECT_EQ(loaded.CardDeck, 12);
}

TEST_F(SettingsFile, AnIntegrityFlagStopsTheWrite) {
    write(context.file, "old");
    write(context.temporaryMidi, "MThd");
    context.recordIntegrityRaised = true;
    const TSaveResult result = SaveSettings(namedPlayer(), context);
    EXPECT_EQ(result.status, TSaveStatus::SkippedIntegrity);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(read(context.file), "old");
    EXPECT_FALSE(fs::exists(context.temporaryMidi));
}

TEST_F(SettingsFile, AFailedWriteKeepsTheOldFileAndGivesTheMessage) {
    // The file's place is taken by a folder: neither try can replace it.
    fs::create_directories(context.file / "inside");
    Settings.Language = TLanguage::Russian;
    TSaveResult result = SaveSettings(namedPlayer(), context);
    EXPECT_EQ(result.status, TSaveStatus::Failed);
    EXPECT_EQ(result.message, "Не могу сохранить опции!");
    EXPECT_TRUE(fs::exists(context.file / "inside"));

    Settings.Language = TLanguage::English;
    context.file = folder / "missing" / "Vantor4.ini";
    result = SaveSettings(namedPlayer(), context);
    EXPECT_EQ(result.status, TSaveStatus::Failed);
    EXPECT_EQ(result.message, "Can`t save options!");
}

TEST_F(SettingsFile, AMissingOrUnreadableFileKeepsTheDefaults) {
    TSettings s;
    s.Speed = 1;
    EXPECT_FALSE(LoadSettings(s, folder / "none.ini").fileRead);
    EXPECT_EQ(s, TSettings{});
    fs::create_directories(folder / "dir.ini");
    EXPECT_FALSE(LoadSettings(s, folder / "dir.ini").fileRead);
    EXPECT_EQ(s, TSettings{});
}

TEST_F(SettingsFile, TheProgramsSettingsLiveInTheHomeFolder) {
    const char* old = std::getenv("VANTOR_HOME");
    const std::string saved = old ? old : "";
    // A home folder that does not exist yet is made by the save.
    const fs::path home = folder / "home";
    setenv("VANTOR_HOME", home.c_str(), 1);
    EXPECT_EQ(settingsFilePath(), home / "Vantor4.ini");
    Settings = namedPlayer();
    Settings.Language = TLanguage::German;
    EXPECT_EQ(SaveSettings().status, TSaveStatus::Written);
    Settings = TSettings{};
    EXPECT_TRUE(LoadSettings().complete);
    EXPECT_EQ(Settings.Language, TLanguage::German);
    EXPECT_EQ(currentLanguage(), TLanguage::German); // Word() follows the setting
    setRecordIntegrityCheck([] { return true; });
    EXPECT_EQ(SaveSettings().status, TSaveStatus::SkippedIntegrity);
    setRecordIntegrityCheck({});
    if (old) {
        setenv("VANTOR_HOME", saved.c_str(), 1);
    } else {
        unsetenv("VANTOR_HOME");
    }
    Settings = TSettings{};
}

TEST(ServiceAddresses, TheStoredDefaultsDecipherToServiceUrls) {
    for (std::string_view address : {kDefaultTopTenServiceAddress, kDefaultStatsServiceAddress,
                                     kDefaultAccountServiceAddress}) {
        const std::string url = decipherServiceAddress(address);
        EXPECT_EQ(url.rfind("http://", 0), 0u) << url;
        EXPECT_EQ(address.find("http"), std::string_view::npos);
    }
    EXPECT_EQ(decipherServiceAddress("not enciphered!"), "");
}

} // namespace
} // namespace vantor
