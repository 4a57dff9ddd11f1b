#pragma once
// The current local player: choosing a club member or a new player, the checks of the player
// window, the counters read when a game starts, and the club updates at the end of a game,
// on a name change and when a game is left unfinished. Texts are code-page-1251 bytes.

#include "records/club.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct TCurrentPlayer {
    int slot = 0;                // 1-5 member, 6 new player, 7 account game, 8 tournament
    std::string name;            // 20, padded with spaces
    std::string password;        // 5, padded with spaces
    std::string encodedPassword; // 15 digits
    std::string gamesField;      // positions 31-37 as read when the game started
    std::string scoreField;      // positions 39-44 as read when the game started
    double rating = 0;           // as read when the game started
    std::string lineAtStart;     // the member line as read when the game started
    bool accepted = false;
};

// ---- main-menu rows ----

enum class ClubView { Score, Rating };

// Width in pixels of a row of code-page-1251 text in the menu font.
using TTextWidth = std::function<int(std::string_view text)>;

// The logged-in account shown in row 5 outside LAN mode.
struct TAccountMenuRow {
    std::string name;
    std::int64_t konL = 0;
    std::int64_t score = 0;
    std::int64_t kon = 0;
    double rating = 0;
};

inline constexpr int kMemberRowWidthLimit = 361;
inline constexpr int kTopRowWidthLimit = 251;

struct TMenuRows {
    ClubStatus status = ClubStatus::Missing;
    std::array<std::string, kMemberSlots + 1> members; // 1-5
    std::array<std::string, 4> top;                    // 1-3
    bool accountInRow5 = false;
};

// The column heading of a view (English; the window looks it up in the word table).
std::string_view menuHeading(ClubView view);

// The member row of a club line in a view (not yet shortened).
std::string memberRowText(std::string_view line, ClubView view);
std::string accountRowText(const TAccountMenuRow& account, ClubView view);

// Shortens a row that is at least `limit` pixels wide: characters come off the end of the name
// (its first 20 characters) until the row fits; when any of them was not a space or "#", the
// last three remaining name characters become "...".
std::string shortenRow(std::string_view row, int limit, const TTextWidth& width);

// Rows 1-5 and the three best top-ten rows, shortened. `account` is given while an account is
// logged in and the mode is not LAN (and its record was fetched).
TMenuRows readMenuRows(const TClubFile& file, ClubView view, const TTextWidth& width,
                       const TAccountMenuRow* account = nullptr);

// ---- choosing and the player window ----

enum class ChooseAction { Ignore, OpenAccountWindow, OpenLogin };

// What a click on member row `slot` does. The row's line decides whether the slot is empty.
ChooseAction chooseMember(std::string_view memberLine, int slot, bool accountLoggedIn,
                          bool lanMode);

enum class PlayerCheck {
    Ok,
    IncorrectName,     // "Incorrect name!"
    PasswordsDiffer,   // "The passwords do not coincide!"
    IncorrectPassword, // "The incorrect password!"
    FileProblem,       // the club file could not be read; see the status
};

// The English message of a check (the window looks it up); empty for Ok.
std::string_view playerCheckMessage(PlayerCheck check);

// Login mode shows the first 20 characters of the member line, disabled.
std::string loginNameField(std::string_view memberLine);

// New-player mode starts with the last name typed there, or "Mr.X" when it is longer than 20.
std::string newPlayerStartName(std::string_view lastTypedName);

// Ok in login mode: compares the typed password with the slot's password in the file.
PlayerCheck checkLogin(const TClubFile& file, int slot, std::string_view nameField,
                       std::string_view typedPassword, TCurrentPlayer& player,
                       ClubStatus* status = nullptr);

// Ok in new-player mode. The player is not written to the club now.
PlayerCheck checkNewPlayer(std::string_view typedName, std::string_view password,
                           std::string_view repeated, TCurrentPlayer& player);

// ---- a game ----

// Reads the slot's line again when a game starts (slot 1-5); a new player starts from zero.
// Fails when the slot's line cannot be read (the file changed since the choice).
ClubStatus loadGameStart(const TClubFile& file, TCurrentPlayer& player);

// Games played before this game, and the initial general score, from the fields read at start.
std::int64_t gamesBefore(const TCurrentPlayer& player);
std::int64_t initialScore(const TCurrentPlayer& player);

struct TGameStoreOutcome {
    TStoreOutcome store;
    bool clamped = false; // a value did not fit its field and was clamped
};

// End of a game against the computer or on a LAN: the old copy of the member's line leaves the
// club and the new line (rating, games, general score, password) is stored at its rating place,
// as the end of a cycle when `gameNumber` is a multiple of 20. One rewrite does both, so the
// member is never lost between them. Slots 7 and 8 leave the file alone.
TGameStoreOutcome storeGameResult(TClubFile& file, TCurrentPlayer& player, double newRating,
                                  std::int64_t gameNumber, std::int64_t generalScore);

// Change of name and password during a game against the computer. A member's line moves under
// the new name (one rewrite); the player's slot follows the line to its new place. A new player
// only changes in memory.
TStoreOutcome changeName(TClubFile& computerClub, TCurrentPlayer& player, std::string_view newName,
                         std::string_view newPassword);

// Leaving a game unfinished removes a member's line (slots 1-5 only).
ClubStatus leaveGame(TClubFile& file, const TCurrentPlayer& player);

} // namespace vantor
