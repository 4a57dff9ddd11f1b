#pragma once
// History files: one line per finished game in "History/Vantor4_I0001.hst" and onwards, 840
// games a file, each line with its own checksums, closed by an end line and a line of totals.
// Texts are code-page-1251 bytes.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr int kHistoryLinesPerFile = 840;
inline constexpr int kHistoryMaxFileNumber = 9999;
inline constexpr std::size_t kHistoryLineLength = 114;
inline constexpr std::size_t kHistoryNameLength = 51;

enum class HistoryKind : std::uint8_t { Local = 0, Account = 1, Tourney = 2, Net = 3 };

// One game as handed to the writer.
struct THisStr {
    std::string HName;
    std::int32_t HKon = 1;
    std::int32_t HRes = 0;
    double HRei = 0;
    std::uint8_t Ac = 0; // HistoryKind
};

// When a line is written: the time of day and the date text in the short date format of the
// player's locale (the window supplies it; currentHistoryStamp gives dd.MM.yyyy).
struct THistoryStamp {
    int hour = 0;
    int minute = 0;
    std::string date;
};

// A date in a short-date pattern: d, dd, M, MM, yy, yyyy are replaced, anything else is kept.
std::string formatDate(int year, int month, int day, std::string_view pattern = "dd.MM.yyyy");

// The local time now, with the date in `pattern`.
THistoryStamp currentHistoryStamp(std::string_view pattern = "dd.MM.yyyy");

// LAN and tournament games name every seat, from the last seat to the first: trailing spaces
// dropped, joined by "/", cut to 51 characters.
std::string historyNameOfSeats(const std::vector<std::string>& namesLastSeatFirst);

// "Vantor4_I0001.hst" for the club file "Vantor4.clb" and number 1.
std::string historyFileName(std::string_view clubFileName, int number);
std::filesystem::path historyFolder(const std::filesystem::path& home);
std::filesystem::path historyFilePath(const std::filesystem::path& home,
                                      std::string_view clubFileName, int number);

// The 114-character line of a game; fields that do not fit are clamped to their width.
std::string historyGameLine(const THisStr& game, const THistoryStamp& stamp);
std::string historyEndLine();

struct THistoryCheck {
    bool valid = false;
    int gameLines = 0;
    std::optional<std::filesystem::file_time_type> modified; // of a file that exists
};

// Judges the text of a history file; `lines` receives the game lines of a valid file.
THistoryCheck checkHistoryText(std::string_view bytes, std::vector<std::string>* lines = nullptr);
THistoryCheck checkHistoryFile(const std::filesystem::path& path,
                               std::vector<std::string>* lines = nullptr);

// The whole text of a file holding these game lines: lines, end line, total line.
std::string historyFileText(const std::vector<std::string>& gameLines);

struct THistoryWrite {
    bool ok = false;
    int fileNumber = 0; // the file that took the last game
};

// Appends the games (one to four) to the first history file with room: a valid file with fewer
// than 840 games is continued, a missing or damaged number is started afresh (a damaged file is
// kept beside it as "<name>.damaged"), a full file is passed over. On failure the caller shows
// historyWriteFailureText(); nothing else changes.
THistoryWrite writeHistory(const std::filesystem::path& home, std::string_view clubFileName,
                           const std::vector<THisStr>& games, const THistoryStamp& stamp);
std::string_view historyWriteFailureText();

// ---- the history window ----

struct THistoryListEntry {
    int number = 0;
    int gameLines = 0;
    std::string text; // "File I0001 " and the file's date
};

// Formats a file's modification time for the list (local time).
using THistoryDateText = std::function<std::string(std::filesystem::file_time_type)>;
std::string historyFileDate(std::filesystem::file_time_type time,
                            std::string_view pattern = "dd.MM.yyyy");

// The files 0001, 0002, ... while each is valid; the first missing or damaged file ends the list.
std::vector<THistoryListEntry> listHistoryFiles(const std::filesystem::path& home,
                                                std::string_view clubFileName,
                                                const THistoryDateText& dateText = {});

// The entry shown when there is none.
std::string_view historyEmptyListText();

struct THistoryRow {
    std::string time, date, player, games, result, rating;
    char typeCode = ' ';  // position 90
    std::string typeText; // "Local", "Net", "Account", "Tourney" (English; looked up)
};

// The column headings (English; looked up).
std::vector<std::string_view> historyHeadings();

// The rows of a valid file, oldest first; nullopt for a missing or damaged file.
std::optional<std::vector<THistoryRow>> readHistoryRows(const std::filesystem::path& path);

// Text colour of a type: nullopt for the window text colour (Local), else $BBGGRR
// (Net green $008000, Account red $0000FF, Tourney blue $FF0000).
std::optional<std::uint32_t> historyTypeColour(char typeCode);

} // namespace vantor
