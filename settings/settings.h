#pragma once
// The player's preferences and the settings file "Vantor4.ini" in the home folder: a fixed
// sequence of 35 lines in code page 1251, with most switches packed into one flag line.

#include "i18n/language.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct TSettings {
    // General flag line (line 2), one character each.
    TLanguage Language = TLanguage::English;
    bool SoundOn = true;
    bool MusicOn = true;
    bool GifAnimationOn = true;
    bool FlyCardsOn = true;
    int ClubListMode = 1; // 1 or 2
    bool LanGame = false;
    bool OwnCursor = true;
    int Speed = 4;      // 1..6
    int WindowSize = 1; // 1..5
    bool UniqueStartCounted = true;
    bool StatsWindowFlag = true;
    bool RadioListFromServerFirst = true;
    int CaptionStyle = 1; // 1..7
    bool NewButtons = false;
    bool AuxDesignAlt = false;
    int AuxDesign = 2;   // 1..3
    int MenuDesign = 0;  // 0 or 1
    int TableDesign = 0; // 0 or 1
    bool SaluteButtons = true;
    bool SaluteCards = true;

    // Cards, decks and the game.
    int CardDeck = 0; // 0..47
    int CardBack = 0; // 0..12
    bool CardBackAlwaysOne = false;
    bool NoJokers = false;
    bool QuickGame = false;
    int Duration = 3; // 3, 4 or 5 rounds

    // Font slots "decor", "serif", "fixed", "conew" (UTF-8 names, percent scales 50..150).
    std::string FontDecorName = "Comic Sans MS";
    std::string FontSerifName = "Comic Sans MS";
    std::string FontFixedName = "FixedSys";
    std::string FontConewName = "Courier New";
    int FontDecorScale = 100;
    int FontSerifScale = 100;
    int FontFixedScale = 100;
    int FontConewScale = 100;

    // Network play.
    std::string LanAddress = "127.0.0.1";
    std::string LanPort = "25666";

    int Background = 2;       // 1..10
    int BackgroundColour = 0; // 0..6

    std::string PlayerName; // UTF-8

    // World top ten. Empty at program start; the load gives them their defaults only once it
    // reaches them (see applyWorldTopTenDefaults).
    std::string TopTenServiceAddress; // enciphered
    std::string TopTenNick;           // at most 12 characters
    std::string TopTenCountry;        // "d-nnn"
    std::string TopTenCity;           // at most 15 characters
    std::string TopTenSex;            // "M" or "W"
    std::string StatsServiceAddress;  // enciphered

    bool SaveGamesAsGif = false;
    int SaveGamesMode = 1;     // 1 main window only, 2 whole screen
    int SaveGamesDelay = 1000; // milliseconds between frames, 10..5000

    // Not stored in the file: the deciphered service addresses, the account-service address
    // and what the remote configuration page said. Empty until a complete load sets them.
    std::string TopTenServiceUrl;
    std::string StatsServiceUrl;
    std::string AccountServiceAddress; // enciphered
    std::string AccountServiceUrl;
    bool WorldTopTenPaused = false;

    bool operator==(const TSettings&) const = default;
};

// The six world-top-ten settings at their defaults, with the deciphered addresses.
void applyWorldTopTenDefaults(TSettings& settings);

// The service's remote configuration, as the web client reads it from its page. Each address
// is in the program's enciphered form.
struct TRemoteConfig {
    bool worldTopTenPaused = false;
    std::optional<std::string> topTenAddress;
    std::optional<std::string> statsAddress;
    std::optional<std::string> accountAddress;
};

// Fetches the remote configuration page; nullopt when it cannot be fetched.
using TRemoteConfigFetch = std::function<std::optional<TRemoteConfig>()>;

struct TLoadReport {
    bool fileRead = false; // the file could be opened and held 35 lines
    int stoppedAtLine = 0; // the value line whose check ended the load; 0 when none did
    bool complete = false; // the load got through every line to the service addresses
    bool remoteConfigApplied = false;
};

// Sets every setting to its default and reads `file` over them. Missing, unreadable, short or
// damaged files keep the defaults the reading rules give; nothing here throws or reports a
// message. `fetch` is asked for the remote configuration only after a complete load.
TLoadReport LoadSettings(TSettings& settings, const std::filesystem::path& file,
                         const TRemoteConfigFetch& fetch = {});

// The same over the file's bytes, for tests and the fuzzer. `bytes` nullopt means the file
// could not be read.
TLoadReport LoadSettingsFromBytes(TSettings& settings, std::optional<std::string_view> bytes,
                                  const TRemoteConfigFetch& fetch = {});

// The 35 lines of the file for `settings`, each ended by CR LF, in code page 1251.
std::string SettingsFileBytes(const TSettings& settings);

enum class TSaveStatus {
    Written,
    SkippedIntegrity, // a record file failed its integrity check: nothing is written this run
    Failed,           // the file could not be written even on the second try
};

struct TSaveResult {
    TSaveStatus status = TSaveStatus::Written;
    std::string message; // for Failed: "Can`t save options!" in the current language
};

struct TSaveContext {
    std::filesystem::path file;
    // The music player's temporary song file, deleted on every save (ignored when empty).
    std::filesystem::path temporaryMidi;
    bool recordIntegrityRaised = false;
};

// Writes the file atomically: the lines go to a temporary file beside it, which then replaces
// the old file, so a failed write leaves the previous settings intact.
TSaveResult SaveSettings(const TSettings& settings, const TSaveContext& context);

// --- The program's own settings -------------------------------------------------------------

// The settings of the running program; Word() shows texts in its Language.
extern TSettings Settings;

// "Vantor4.ini" in the home folder.
std::filesystem::path settingsFilePath();

// The music player's temporary song file: "temp92_25.mid" in the system's temporary folder.
std::filesystem::path temporaryMidiPath();

// Filled by the game service client; until then the page counts as not fetched.
void setRemoteConfigFetch(TRemoteConfigFetch fetch);

// Filled by the records layer: true when any record file failed its integrity check.
void setRecordIntegrityCheck(std::function<bool()> anyFlagRaised);

TLoadReport LoadSettings();
TSaveResult SaveSettings();

} // namespace vantor
