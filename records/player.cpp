#include "records/player.h"

#include "base/fields.h"
#include "records/fixed_numbers.h"

namespace vantor {
namespace {

std::string paddedName(std::string_view typed) {
    return padRight(trim(sanitizeName(typed.substr(0, std::min(typed.size(), kNameLength * 4)))),
                    kNameLength);
}

bool isBlankOrHash(char c) {
    return c == ' ' || c == '#';
}

} // namespace

std::string_view menuHeading(ClubView view) {
    return view == ClubView::Score ? " The members of club    Games    Score "
                                   : " The members of club    Games   Rating ";
}

std::string memberRowText(std::string_view line, ClubView view) {
    const std::string line59 = padRight(line, kMemberLineLength);
    const bool empty = memberSlotEmptyForMenu(line59);
    std::string row = line59.substr(0, kNameLength);
    const std::string games = line59.substr(30, 7);
    if (view == ClubView::Score) {
        std::string inCycle = "###";
        if (!empty) {
            const auto played = parseInteger(games);
            inCycle = played ? rightAligned(*played % 20, 3) : padLeft(trim(games), 3);
        }
        row += "    " + inCycle + "    " + line59.substr(38, 6);
    } else {
        std::string rating = "######";
        if (!empty) {
            const auto value = memberRating(line59);
            rating = value ? ratingTwoDecimals(*value, 6) : line59.substr(24, 6);
        }
        row += "  " + games + "  " + rating;
    }
    return row;
}

std::string accountRowText(const TAccountMenuRow& account, ClubView view) {
    std::string row = padRight(sanitizeName(account.name), kNameLength);
    if (view == ClubView::Score)
        row += "    " + clampedField(account.konL, 3) + "    " + clampedField(account.score, 6);
    else
        row += "  " + clampedField(account.kon, 7) + "  " + ratingWhole(account.rating, 6);
    return row;
}

std::string shortenRow(std::string_view row, int limit, const TTextWidth& width) {
    if (!width || width(row) < limit) return std::string(row);
    const std::size_t nameLength = std::min(row.size(), kNameLength);
    const std::string_view name = row.substr(0, nameLength);
    const std::string_view rest = row.substr(nameLength);
    std::size_t keep = nameLength;
    bool lostText = false;
    auto fits = [&](std::string_view head) {
        return width(std::string(head) + std::string(rest)) < limit;
    };
    while (keep > 0 && !fits(name.substr(0, keep))) {
        if (!isBlankOrHash(name[keep - 1])) lostText = true;
        --keep;
    }
    if (!lostText) return std::string(name.substr(0, keep)) + std::string(rest);
    // The dots may be wider than the characters they replace: keep shortening before them.
    std::size_t before = keep >= 3 ? keep - 3 : 0;
    while (before > 0 && !fits(std::string(name.substr(0, before)) + "...")) --before;
    return std::string(name.substr(0, before)) + "..." + std::string(rest);
}

TMenuRows readMenuRows(const TClubFile& file, ClubView view, const TTextWidth& width,
                       const TAccountMenuRow* account) {
    TMenuRows rows;
    const TClubRead read = readClubFile(file.path);
    rows.status = read.status;
    if (!read.structureOk) return rows;
    for (int slot = 1; slot <= kMemberSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        std::string text = memberRowText(read.lines[index], view);
        if (slot == kMemberSlots && account) {
            text = accountRowText(*account, view);
            rows.accountInRow5 = true;
        }
        rows.members[index] = shortenRow(text, kMemberRowWidthLimit, width);
    }
    for (int i = 1; i <= 3; ++i) {
        const std::string& line = read.lines[static_cast<std::size_t>(kFirstTopTenLine + i - 1)];
        rows.top[static_cast<std::size_t>(i)] =
            shortenRow(line.substr(0, kNameLength) + "  " + line.substr(kNameLength),
                       kTopRowWidthLimit, width);
    }
    return rows;
}

ChooseAction chooseMember(std::string_view memberLine, int slot, bool accountLoggedIn,
                          bool lanMode) {
    if (slot < 1 || slot > kMemberSlots) return ChooseAction::Ignore;
    if (slot == kMemberSlots && accountLoggedIn && !lanMode) return ChooseAction::OpenAccountWindow;
    if (memberSlotEmptyForMenu(memberLine)) return ChooseAction::Ignore;
    return ChooseAction::OpenLogin;
}

std::string_view playerCheckMessage(PlayerCheck check) {
    switch (check) {
    case PlayerCheck::IncorrectName:
        return "Incorrect name!";
    case PlayerCheck::PasswordsDiffer:
        return "The passwords do not coincide!";
    case PlayerCheck::IncorrectPassword:
        return "The incorrect password!";
    case PlayerCheck::FileProblem:
        return "The incorrect file";
    case PlayerCheck::Ok:
        break;
    }
    return {};
}

std::string loginNameField(std::string_view memberLine) {
    return std::string(memberLine.substr(0, std::min(memberLine.size(), kNameLength)));
}

std::string newPlayerStartName(std::string_view lastTypedName) {
    if (lastTypedName.size() > kNameLength) return "Mr.X";
    return std::string(lastTypedName);
}

PlayerCheck checkLogin(const TClubFile& file, int slot, std::string_view nameField,
                       std::string_view typedPassword, TCurrentPlayer& player, ClubStatus* status) {
    if (trim(nameField).empty()) return PlayerCheck::IncorrectName;
    const TClubRead read = readClubFile(file.path);
    if (status) *status = read.status;
    if (!read.structureOk || slot < 1 || slot > kMemberSlots) return PlayerCheck::FileProblem;
    const std::string& line = read.lines[static_cast<std::size_t>(slot)];
    const std::string typed = padRight(typedPassword, kPasswordLength);
    const auto stored = decodePassword(fieldAt(line, 45, 15));
    if (memberSlotEmptyForStore(line) || !stored || *stored != typed)
        return PlayerCheck::IncorrectPassword;
    player.slot = slot;
    player.name = padRight(nameField, kNameLength);
    player.password = typed;
    player.encodedPassword = std::string(fieldAt(line, 45, 15));
    player.accepted = true;
    return PlayerCheck::Ok;
}

PlayerCheck checkNewPlayer(std::string_view typedName, std::string_view password,
                           std::string_view repeated, TCurrentPlayer& player) {
    const std::string name = paddedName(typedName);
    if (trim(name).empty()) return PlayerCheck::IncorrectName;
    if (password != repeated) return PlayerCheck::PasswordsDiffer;
    player.slot = kSlotNewPlayer;
    player.name = name;
    player.password = padRight(password, kPasswordLength);
    player.encodedPassword = encodePassword(player.password);
    player.gamesField = "  0";
    player.scoreField = "     0";
    player.rating = 0;
    player.lineAtStart.clear();
    player.accepted = true;
    return PlayerCheck::Ok;
}

ClubStatus loadGameStart(const TClubFile& file, TCurrentPlayer& player) {
    if (player.slot == kSlotNewPlayer) {
        player.gamesField = "  0";
        player.scoreField = "     0";
        player.rating = 0;
        player.lineAtStart.clear();
        return ClubStatus::Ok;
    }
    if (player.slot < 1 || player.slot > kMemberSlots) return ClubStatus::Ok;
    const TClubRead read = readClubFile(file.path);
    if (!read.structureOk) return read.status;
    const std::string& line = read.lines[static_cast<std::size_t>(player.slot)];
    if (memberSlotEmptyForStore(line)) return ClubStatus::Incorrect;
    player.name = line.substr(0, kNameLength);
    player.encodedPassword = line.substr(44, 15);
    player.gamesField = line.substr(30, 7);
    player.scoreField = line.substr(38, 6);
    player.rating = memberRating(line).value_or(0.0);
    player.lineAtStart = line;
    return ClubStatus::Ok;
}

std::int64_t gamesBefore(const TCurrentPlayer& player) {
    return std::max<std::int64_t>(0, parseInteger(player.gamesField).value_or(0));
}

std::int64_t initialScore(const TCurrentPlayer& player) {
    return parseInteger(player.scoreField).value_or(0);
}

TGameStoreOutcome storeGameResult(TClubFile& file, TCurrentPlayer& player, double newRating,
                                  std::int64_t gameNumber, std::int64_t generalScore) {
    TGameStoreOutcome outcome;
    if (player.slot < 1 || player.slot > kSlotNewPlayer) return outcome;
    TClubRead read = readClubFile(file.path);
    if (read.status != ClubStatus::Ok) {
        outcome.store.status = read.status;
        return outcome;
    }
    const std::string line =
        buildMemberLine({player.name, newRating, gameNumber, generalScore, player.encodedPassword},
                        &outcome.clamped);
    removeMemberLines(read.lines, player.slot);
    const bool endOfCycle = gameNumber > 0 && gameNumber % 20 == 0;
    outcome.store = storeMemberLines(read.lines, line, endOfCycle);
    outcome.store.status = writeClubLines(file, read.lines);
    if (outcome.store.status == ClubStatus::Ok)
        player.slot = outcome.store.memberSlot > 0 ? outcome.store.memberSlot : kSlotNewPlayer;
    return outcome;
}

TStoreOutcome changeName(TClubFile& computerClub, TCurrentPlayer& player, std::string_view newName,
                         std::string_view newPassword) {
    TStoreOutcome outcome;
    player.name = paddedName(newName);
    player.password = padRight(newPassword, kPasswordLength);
    player.encodedPassword = encodePassword(player.password);
    if (player.slot < 1 || player.slot > kMemberSlots) return outcome;

    TClubRead read = readClubFile(computerClub.path);
    if (read.status != ClubStatus::Ok) {
        outcome.status = read.status;
        return outcome;
    }
    std::string line = padRight(player.lineAtStart, kMemberLineLength);
    line.replace(0, kNameLength, player.name);
    line.replace(44, 15, player.encodedPassword);
    removeMemberLines(read.lines, player.slot);
    outcome = storeMemberLines(read.lines, line, false);
    outcome.status = writeClubLines(computerClub, read.lines);
    player.lineAtStart = line;
    // The line may now stand in another slot (members of equal rating go below it); the end of
    // the game must remove this copy, not the member who took the old slot.
    if (outcome.status == ClubStatus::Ok && outcome.memberSlot > 0)
        player.slot = outcome.memberSlot;
    return outcome;
}

ClubStatus leaveGame(TClubFile& file, const TCurrentPlayer& player) {
    if (player.slot < 1 || player.slot > kMemberSlots) return ClubStatus::Ok;
    return removeMember(file, player.slot);
}

} // namespace vantor
