#pragma once
// The club files: five member lines (best rating first), the local top ten, a marker line and a
// check line with three checksums. "Vantor4.clb" holds the games against the computer,
// "Vantor4.net" the LAN games; both have the same format.
//
// All texts here are code-page-1251 bytes, as the files hold them; the windows convert them for
// display. Every operation re-reads the file; every rewrite replaces the whole file atomically.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr int kClubLineCount = 17;
inline constexpr int kMemberSlots = 5;
inline constexpr int kFirstTopTenLine = 6;
inline constexpr int kLastTopTenLine = 15;
inline constexpr int kMarkerLine = 16;
inline constexpr int kCheckLine = 17;
inline constexpr std::size_t kMemberLineLength = 59;
inline constexpr std::size_t kTopTenLineLength = 26;
inline constexpr std::size_t kMarkerLineLength = 28;
inline constexpr std::size_t kCheckLineLength = 28;
inline constexpr std::size_t kNameLength = 20;
inline constexpr std::size_t kPasswordLength = 5;

// 37 "#", a space and 21 "#".
extern const std::string kEmptyMemberLine;

// Player slots: 1-5 a club member, then these.
inline constexpr int kSlotNewPlayer = 6;
inline constexpr int kSlotAccount = 7;
inline constexpr int kSlotTournament = 8;

enum class ClubKind { Computer, Lan };

// "Vantor4.clb" or "Vantor4.net".
std::string clubFileName(ClubKind kind);

enum class ClubStatus {
    Ok,
    Missing,     // the file does not exist (or cannot be opened)
    Incorrect,   // line count, line lengths, checksums or marker are wrong
    Unwritable,  // the file was found read-only at start-up; nothing was written, as warned
    WriteFailed, // the rewrite failed; the file keeps its old content
};

// One club file of this run. `unwritable` is set by verifyClubFile and holds for the whole run.
struct TClubFile {
    std::filesystem::path path;
    bool unwritable = false;
};

TClubFile clubFile(const std::filesystem::path& folder, ClubKind kind);

// Lines 1..17 (index 0 unused), without their CR LF.
using TClubLines = std::array<std::string, kClubLineCount + 1>;

struct TClubRead {
    ClubStatus status = ClubStatus::Missing;
    bool structureOk = false; // 17 lines of the right lengths (checksums not yet judged)
    TClubLines lines;
};

// Judges club file bytes: line structure, then checksums and marker. `lines` are filled whenever
// the structure is right, even when a checksum is wrong.
TClubRead parseClubText(std::string_view bytes);
TClubRead readClubFile(const std::filesystem::path& path);

// The checksums over lines 1-16 and the check line carrying them after its positions 1-10.
std::string checkLineFor(const TClubLines& lines);
void updateCheckLine(TClubLines& lines);

// The 17 lines joined with CR LF.
std::string serializeClub(const TClubLines& lines);

// New checksums, then the atomic rewrite; Unwritable (nothing written) for a read-only file.
ClubStatus writeClubLines(TClubFile& file, TClubLines& lines);

struct TClubVerify {
    ClubStatus status = ClubStatus::Missing; // Ok, Missing or Incorrect
    bool russian = false;    // line 17 begins with "1": the start-up switches to Russian
    std::string marker;      // positions 7-9 of the check line
    bool unwritable = false; // the player may not write the file: warn, never write it this run
};

// The start-up check. Sets file.unwritable.
TClubVerify verifyClubFile(TClubFile& file);

// The start-up statistics request is skipped for installations marked so.
bool markerSkipsStartupStatistics(std::string_view marker);

// True when the player may not write the file: its owner-write bit is off (a read-only file) or
// this user is refused write access.
bool isReadOnlyFile(const std::filesystem::path& path);

// Messages, built from the caller's word lookup (English text in, the current language out;
// an empty lookup keeps the English).
using TWordLookup = std::function<std::string(std::string_view english)>;
std::string clubFailureMessage(ClubStatus status, const std::filesystem::path& path,
                               const TWordLookup& word);
std::string clubAttributesWarning(const std::filesystem::path& path, const TWordLookup& word);

// ---- member lines ----

// Empty for storing (character 37 is "#") and for choosing a menu row (character 33 is "#").
bool memberSlotEmptyForStore(std::string_view line);
bool memberSlotEmptyForMenu(std::string_view line);

// The password offset of our installations: every byte code plus this, as three digits.
inline constexpr int kPasswordOffset = 317;

// Five characters (padded with spaces) -> 15 digits.
std::string encodePassword(std::string_view password);
// 15 digits -> five bytes; empty optional when a group is not a valid code.
std::optional<std::string> decodePassword(std::string_view digits);

// Control bytes in a name would break the line structure; they become spaces.
std::string sanitizeName(std::string_view name);

struct TMemberFields {
    std::string name; // 20, padded
    double rating = 0;
    std::int64_t gamesPlayed = 0;
    std::int64_t generalScore = 0;
    std::string encodedPassword; // 15 digits
};

// The 59-character line. Values that do not fit their field are clamped to it (games to
// 9,999,999, the score to -99,999 ... 999,999, the rating to -99.99 ... 99.99); `clamped` tells.
std::string buildMemberLine(const TMemberFields& fields, bool* clamped = nullptr);

// Reads the rating of a member line (positions 21-30); nullopt when it is not a number.
std::optional<double> memberRating(std::string_view line);

// ---- in-memory operations (the file operations below use them) ----

// Lines slot+1..5 move up, line 5 becomes empty. Slots outside 1-5 change nothing.
void removeMemberLines(TClubLines& lines, int slot);

struct TStoreOutcome {
    ClubStatus status = ClubStatus::Ok;
    int topTenPlace = 0;          // 0 = not placed, else 1-10 (end of a cycle only)
    std::int64_t cycleResult = 0; // the general score that closed the cycle
    int memberSlot = 0;           // where the line went, 0 when its rating earned no place
};

// Puts `newLine` at its rating place and, at the end of a cycle, its score into the top ten
// (the stored member line then starts the new cycle with the score 0).
TStoreOutcome storeMemberLines(TClubLines& lines, std::string newLine, bool endOfCycle);

// ---- file operations ----

ClubStatus removeMember(TClubFile& file, int slot);
TStoreOutcome storeMember(TClubFile& file, std::string_view newLine, bool endOfCycle);

// The templates the program carries, seeded into a new home folder.
std::string clubTemplate(ClubKind kind);

// Writes each club file that does not exist yet from its template (first start only: after that
// a missing file is an error the start-up reports). False when a file could not be written.
bool seedClubFiles(const std::filesystem::path& folder);

} // namespace vantor
