#include "records/history.h"

#include "base/atomic_file.h"
#include "base/decimal_checksums.h"
#include "base/fields.h"
#include "records/club.h"
#include "records/fixed_numbers.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace vantor {
namespace fs = std::filesystem;

namespace {

// 841 lines of 116 bytes are about 100 KB; a much larger file is not one of ours.
constexpr std::size_t kMaxHistoryBytes = 4 * 1024 * 1024;
constexpr std::size_t kSummedLength = 99;
const std::string kEndPrefix = "$\xC0}";

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

std::string withLineChecksums(std::string first99) {
    first99 = padRight(first99, kSummedLength);
    return first99 + formatTripleSum(tripleSum(first99), 5);
}

char kindCode(std::uint8_t kind) {
    switch (static_cast<HistoryKind>(kind)) {
    case HistoryKind::Account:
        return 'A';
    case HistoryKind::Tourney:
        return 'T';
    case HistoryKind::Net:
        return 'N';
    case HistoryKind::Local:
        break;
    }
    return 'L';
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = last ? bytes.size() : end + 1;
    }
    return lines;
}

bool lineChecksumsHold(std::string_view line) {
    const auto stored = parseTripleSum(line.substr(kSummedLength), 5);
    return stored && *stored == tripleSum(line.substr(0, kSummedLength));
}

} // namespace

std::string formatDate(int year, int month, int day, std::string_view pattern) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        if (c == 'd' && run <= 2) {
            out += run == 2 ? twoDigits(day) : std::to_string(day);
        } else if (c == 'M' && run <= 2) {
            out += run == 2 ? twoDigits(month) : std::to_string(month);
        } else if (c == 'y' && (run == 2 || run == 4)) {
            out += run == 2 ? twoDigits(year % 100) : padLeft(std::to_string(year), 4);
            if (run == 4) std::replace(out.end() - 4, out.end(), ' ', '0');
        } else {
            out.append(pattern.substr(i, run));
        }
        i += run;
    }
    return out;
}

THistoryStamp currentHistoryStamp(std::string_view pattern) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return THistoryStamp{
        local.tm_hour, local.tm_min,
        formatDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, pattern)};
}

std::string historyNameOfSeats(const std::vector<std::string>& namesLastSeatFirst) {
    std::string joined;
    for (std::size_t i = 0; i < namesLastSeatFirst.size(); ++i) {
        if (i > 0) joined += '/';
        joined += trimRight(namesLastSeatFirst[i]);
    }
    return joined.substr(0, std::min(joined.size(), kHistoryNameLength));
}

std::string historyFileName(std::string_view clubFileName, int number) {
    const std::string_view stem =
        clubFileName.substr(0, clubFileName.size() >= 4 ? clubFileName.size() - 4 : 0);
    return std::string(stem) + "_I" + zeroPadded(static_cast<std::uint64_t>(number), 4) + ".hst";
}

fs::path historyFolder(const fs::path& home) {
    return home / "History";
}

fs::path historyFilePath(const fs::path& home, std::string_view clubFileName, int number) {
    return historyFolder(home) / historyFileName(clubFileName, number);
}

std::string historyGameLine(const THisStr& game, const THistoryStamp& stamp) {
    const int hour = std::clamp(stamp.hour, 0, 23);
    const int minute = std::clamp(stamp.minute, 0, 59);
    std::string line = padLeft(std::to_string(hour) + ":" + twoDigits(minute), 5);
    line += padLeft(
        sanitizeName(stamp.date.substr(0, std::min<std::size_t>(stamp.date.size(), 10))), 10);
    line += padRight(sanitizeName(game.HName), kHistoryNameLength);
    line += clampedField(game.HKon, 3);
    line += clampedField(game.HRes, 10);
    double rating = std::isfinite(game.HRei) ? game.HRei : 0.0;
    rating = std::clamp(rating, -999999.99, 9999999.99);
    line += ratingTwoDecimals(rating, 10);
    line += kindCode(game.Ac);
    line += std::string(9, '#');
    return withLineChecksums(line);
}

std::string historyEndLine() {
    return withLineChecksums(kEndPrefix + std::string(kSummedLength - kEndPrefix.size(), '#'));
}

std::string historyFileText(const std::vector<std::string>& gameLines) {
    std::string text;
    TTripleSum total;
    for (const std::string& line : gameLines) {
        text += line + "\r\n";
        total += tripleSum(std::string_view(line).substr(0, kSummedLength));
    }
    const std::string end = historyEndLine();
    total += tripleSum(std::string_view(end).substr(0, kSummedLength));
    text += end + "\r\n";
    text += formatTripleSum(total, 10) + "\r\n";
    return text;
}

THistoryCheck checkHistoryText(std::string_view bytes, std::vector<std::string>* lines) {
    THistoryCheck check;
    const std::vector<std::string_view> all = splitLines(bytes);
    TTripleSum total;
    std::size_t i = 0;
    int games = 0;
    for (; i < all.size(); ++i) {
        const std::string_view line = all[i];
        if (line.size() < kHistoryLineLength) return check;
        // Every line carries its own checksums, so an edit of them is caught as well.
        if (!lineChecksumsHold(line)) return check;
        total += tripleSum(line.substr(0, kSummedLength));
        if (line.substr(0, kEndPrefix.size()) == kEndPrefix) break;
        ++games;
    }
    if (i + 1 >= all.size() || i + 2 != all.size()) return check; // end line, then the totals
    const std::string_view totals = all[i + 1];
    const auto stored = parseTripleSum(totals, 10);
    if (totals.size() != 30 || !stored || *stored != total) return check;
    check.valid = true;
    check.gameLines = games;
    if (lines) {
        lines->clear();
        for (std::size_t j = 0; j < i; ++j) lines->emplace_back(all[j]);
    }
    return check;
}

THistoryCheck checkHistoryFile(const fs::path& path, std::vector<std::string>* lines) {
    THistoryCheck check;
    std::error_code ec;
    const auto modified = fs::last_write_time(path, ec);
    if (ec) return check;
    const auto bytes = readFileLimited(path, kMaxHistoryBytes);
    if (!bytes) {
        check.modified = modified;
        return check;
    }
    check = checkHistoryText(*bytes, lines);
    check.modified = modified;
    return check;
}

std::string_view historyWriteFailureText() {
    return "Cann`t save history!";
}

THistoryWrite writeHistory(const fs::path& home, std::string_view clubFileName,
                           const std::vector<THisStr>& games, const THistoryStamp& stamp) {
    THistoryWrite result;
    std::error_code ec;
    fs::create_directories(historyFolder(home), ec);
    if (!fs::is_directory(historyFolder(home), ec)) return result;
    // One game at a time, so a file never grows past its 840 lines.
    for (const THisStr& game : games) {
        bool written = false;
        for (int number = 1; number <= kHistoryMaxFileNumber && !written; ++number) {
            const fs::path path = historyFilePath(home, clubFileName, number);
            std::vector<std::string> lines;
            const THistoryCheck check = checkHistoryFile(path, &lines);
            if (check.valid && check.gameLines >= kHistoryLinesPerFile) continue;
            if (!check.valid) {
                lines.clear();
                if (fs::is_regular_file(path, ec)) {
                    // Keep what was there: a hand-edited file may still matter to its player.
                    fs::path aside = path;
                    aside += ".damaged";
                    fs::rename(path, aside, ec);
                }
            }
            lines.push_back(historyGameLine(game, stamp));
            if (!writeFileAtomic(path, historyFileText(lines))) return result;
            result.fileNumber = number;
            written = true;
        }
        if (!written) return result;
    }
    result.ok = true;
    return result;
}

std::string historyFileDate(fs::file_time_type time, std::string_view pattern) {
    const auto system = std::chrono::file_clock::to_sys(time);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    localtime_r(&seconds, &local);
    return formatDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, pattern);
}

std::vector<THistoryListEntry> listHistoryFiles(const fs::path& home, std::string_view clubFileName,
                                                const THistoryDateText& dateText) {
    std::vector<THistoryListEntry> list;
    for (int number = 1; number <= kHistoryMaxFileNumber; ++number) {
        const THistoryCheck check = checkHistoryFile(historyFilePath(home, clubFileName, number));
        if (!check.valid) break;
        const std::string date =
            dateText ? dateText(*check.modified) : historyFileDate(*check.modified);
        list.push_back({number, check.gameLines,
                        "File I" + zeroPadded(static_cast<std::uint64_t>(number), 4) + " " + date});
    }
    return list;
}

std::string_view historyEmptyListText() {
    return "No History Files";
}

std::vector<std::string_view> historyHeadings() {
    return {"Time", "Date", "Player", "Games", "Result", "Rating", "Type"};
}

std::optional<std::vector<THistoryRow>> readHistoryRows(const fs::path& path) {
    std::vector<std::string> lines;
    if (!checkHistoryFile(path, &lines).valid) return std::nullopt;
    std::vector<THistoryRow> rows;
    rows.reserve(lines.size());
    for (const std::string& line : lines) {
        THistoryRow row;
        row.time = line.substr(0, 5);
        row.date = line.substr(5, 10);
        row.player = line.substr(15, 51);
        row.games = line.substr(66, 3);
        row.result = line.substr(69, 10);
        row.rating = line.substr(79, 10);
        row.typeCode = line[89];
        switch (row.typeCode) {
        case 'L':
            row.typeText = "Local";
            break;
        case 'N':
            row.typeText = "Net";
            break;
        case 'A':
            row.typeText = "Account";
            break;
        case 'T':
            row.typeText = "Tourney";
            break;
        default:
            break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::uint32_t> historyTypeColour(char typeCode) {
    switch (typeCode) {
    case 'N':
        return 0x008000u;
    case 'A':
        return 0x0000FFu;
    case 'T':
        return 0xFF0000u;
    default:
        return std::nullopt;
    }
}

} // namespace vantor
