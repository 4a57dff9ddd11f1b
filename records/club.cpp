#include "records/club.h"

#include "base/atomic_file.h"
#include "base/decimal_checksums.h"
#include "base/fields.h"
#include "records/fixed_numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unistd.h>

namespace vantor {
namespace fs = std::filesystem;

const std::string kEmptyMemberLine = std::string(37, '#') + " " + std::string(21, '#');

namespace {

// A club file is under 1 KB; anything much larger is not one.
constexpr std::size_t kMaxClubBytes = 64 * 1024;

std::size_t expectedLength(int line) {
    if (line <= kMemberSlots) return kMemberLineLength;
    if (line <= kLastTopTenLine) return kTopTenLineLength;
    return kMarkerLineLength;
}

std::int64_t topTenResult(std::string_view line) {
    // A number that cannot be read ranks below every result.
    return parseInteger(fieldAt(line, 21, 6)).value_or(std::numeric_limits<std::int64_t>::min());
}

double slotRating(std::string_view line) {
    return memberRating(line).value_or(-std::numeric_limits<double>::infinity());
}

} // namespace

std::string clubFileName(ClubKind kind) {
    return kind == ClubKind::Lan ? "Vantor4.net" : "Vantor4.clb";
}

TClubFile clubFile(const fs::path& folder, ClubKind kind) {
    return TClubFile{folder / clubFileName(kind), false};
}

TClubRead parseClubText(std::string_view bytes) {
    TClubRead read;
    read.status = ClubStatus::Incorrect;
    // Lines end with CR LF; a lone LF is accepted as well, as line readers do.
    int count = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!lastLine && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++count;
        if (count > kClubLineCount || line.size() != expectedLength(count)) return read;
        read.lines[static_cast<std::size_t>(count)] = std::string(line);
        start = lastLine ? bytes.size() : end + 1;
    }
    if (count != kClubLineCount) return read;
    read.structureOk = true;

    const std::string& check = read.lines[kCheckLine];
    const auto stored = parseTripleSum(std::string_view(check).substr(10), 6);
    std::string body;
    for (int i = 1; i <= kMarkerLine; ++i) body += read.lines[static_cast<std::size_t>(i)];
    const std::string& marker = read.lines[kMarkerLine];
    const bool markerOk = static_cast<unsigned char>(marker[0]) == 0xC0 && marker[1] == '}';
    if (stored && *stored == tripleSum(body) && markerOk) read.status = ClubStatus::Ok;
    return read;
}

TClubRead readClubFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return TClubRead{};
    const auto bytes = readFileLimited(path, kMaxClubBytes);
    if (!bytes) {
        TClubRead read;
        read.status = ClubStatus::Incorrect;
        return read;
    }
    return parseClubText(*bytes);
}

std::string checkLineFor(const TClubLines& lines) {
    std::string body;
    for (int i = 1; i <= kMarkerLine; ++i) body += lines[static_cast<std::size_t>(i)];
    return padRight(lines[kCheckLine], 10) + formatTripleSum(tripleSum(body), 6);
}

void updateCheckLine(TClubLines& lines) {
    lines[kCheckLine] = checkLineFor(lines);
}

std::string serializeClub(const TClubLines& lines) {
    std::string out;
    for (int i = 1; i <= kClubLineCount; ++i) {
        out += lines[static_cast<std::size_t>(i)];
        out += "\r\n";
    }
    return out;
}

ClubStatus writeClubLines(TClubFile& file, TClubLines& lines) {
    updateCheckLine(lines);
    if (file.unwritable) return ClubStatus::Unwritable;
    return writeFileAtomic(file.path, serializeClub(lines)) ? ClubStatus::Ok
                                                            : ClubStatus::WriteFailed;
}

bool isReadOnlyFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) return false;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) return true;
    return ::access(path.c_str(), W_OK) != 0;
}

TClubVerify verifyClubFile(TClubFile& file) {
    TClubVerify verify;
    const TClubRead read = readClubFile(file.path);
    verify.status = read.status;
    if (read.structureOk) {
        verify.russian = read.lines[kCheckLine][0] == '1';
        verify.marker = read.lines[kCheckLine].substr(6, 3);
    }
    if (read.status == ClubStatus::Ok) {
        verify.unwritable = isReadOnlyFile(file.path);
        file.unwritable = verify.unwritable;
    }
    return verify;
}

bool markerSkipsStartupStatistics(std::string_view marker) {
    return marker == "qzo";
}

std::string clubFailureMessage(ClubStatus status, const fs::path& path, const TWordLookup& lookup) {
    const auto word = [&](std::string_view english) {
        return lookup ? lookup(english) : std::string(english);
    };
    const std::string quoted = "\"" + path.string() + "\"";
    switch (status) {
    case ClubStatus::Missing:
        return word("Can`t find the file") + " " + quoted + "!";
    case ClubStatus::Incorrect:
        return word("The incorrect file") + " " + quoted + "!";
    case ClubStatus::WriteFailed:
        return word("Error of disk writing!");
    case ClubStatus::Unwritable:
        return clubAttributesWarning(path, lookup);
    case ClubStatus::Ok:
        break;
    }
    return {};
}

std::string clubAttributesWarning(const fs::path& path, const TWordLookup& lookup) {
    const auto word = [&](std::string_view english) {
        return lookup ? lookup(english) : std::string(english);
    };
    return word("The file ") + "\"" + path.string() + "\"" +
           word(" has incorrect attributes!\n\rThe work of the program will be incorrect!");
}

bool memberSlotEmptyForStore(std::string_view line) {
    return line.size() < 37 || line[36] == '#';
}
bool memberSlotEmptyForMenu(std::string_view line) {
    return line.size() < 33 || line[32] == '#';
}

std::string encodePassword(std::string_view password) {
    const std::string padded = padRight(password, kPasswordLength);
    std::string out;
    for (const char c : padded) {
        const int code = static_cast<unsigned char>(c) + kPasswordOffset;
        out += static_cast<char>('0' + code / 100);
        out += static_cast<char>('0' + code / 10 % 10);
        out += static_cast<char>('0' + code % 10);
    }
    return out;
}

std::optional<std::string> decodePassword(std::string_view digits) {
    if (digits.size() != 3 * kPasswordLength) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < digits.size(); i += 3) {
        int code = 0;
        for (std::size_t j = i; j < i + 3; ++j) {
            if (digits[j] < '0' || digits[j] > '9') return std::nullopt;
            code = code * 10 + (digits[j] - '0');
        }
        code -= kPasswordOffset;
        if (code < 0 || code > 255) return std::nullopt;
        out += static_cast<char>(code);
    }
    return out;
}

std::string sanitizeName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return out;
}

std::string buildMemberLine(const TMemberFields& fields, bool* clamped) {
    double rating = fields.rating;
    if (!(rating >= -99.99)) rating = std::isnan(rating) ? 0.0 : -99.99;
    if (rating > 99.99) rating = 99.99;
    if (clamped && rating != fields.rating) *clamped = true;
    std::string line = padRight(sanitizeName(fields.name), kNameLength);
    line += ratingSixDecimals(rating);
    line += clampedField(fields.gamesPlayed, 7, clamped);
    line += ' ';
    line += clampedField(fields.generalScore, 6, clamped);
    line += padRight(fields.encodedPassword, 15);
    return line;
}

std::optional<double> memberRating(std::string_view line) {
    return parseRatingText(fieldAt(line, 21, 10));
}

void removeMemberLines(TClubLines& lines, int slot) {
    if (slot < 1 || slot > kMemberSlots) return;
    for (int i = slot; i < kMemberSlots; ++i)
        lines[static_cast<std::size_t>(i)] = lines[static_cast<std::size_t>(i + 1)];
    lines[kMemberSlots] = kEmptyMemberLine;
}

TStoreOutcome storeMemberLines(TClubLines& lines, std::string newLine, bool endOfCycle) {
    TStoreOutcome outcome;
    newLine = padRight(newLine, kMemberLineLength);
    // A line break or other control byte inside the line would split the file's lines.
    for (char& c : newLine)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    if (endOfCycle) {
        outcome.cycleResult = parseInteger(fieldAt(newLine, 39, 6)).value_or(0);
        for (int i = kFirstTopTenLine; i <= kLastTopTenLine; ++i) {
            if (topTenResult(lines[static_cast<std::size_t>(i)]) <= outcome.cycleResult) {
                for (int j = kLastTopTenLine; j > i; --j)
                    lines[static_cast<std::size_t>(j)] = lines[static_cast<std::size_t>(j - 1)];
                lines[static_cast<std::size_t>(i)] = newLine.substr(0, 20) + newLine.substr(38, 6);
                outcome.topTenPlace = i - kFirstTopTenLine + 1;
                break;
            }
        }
        newLine.replace(38, 6, "     0");
    }

    const double rating = slotRating(newLine);
    for (int slot = 1; slot <= kMemberSlots; ++slot) {
        const std::string& line = lines[static_cast<std::size_t>(slot)];
        if (memberSlotEmptyForStore(line) || slotRating(line) <= rating) {
            for (int j = kMemberSlots; j > slot; --j)
                lines[static_cast<std::size_t>(j)] = lines[static_cast<std::size_t>(j - 1)];
            lines[static_cast<std::size_t>(slot)] = newLine;
            outcome.memberSlot = slot;
            break;
        }
    }
    return outcome;
}

ClubStatus removeMember(TClubFile& file, int slot) {
    if (slot < 1 || slot > kMemberSlots) return ClubStatus::Ok;
    TClubRead read = readClubFile(file.path);
    // A file damaged during the run is not rewritten: new checksums would hide the damage.
    if (read.status != ClubStatus::Ok) return read.status;
    removeMemberLines(read.lines, slot);
    return writeClubLines(file, read.lines);
}

TStoreOutcome storeMember(TClubFile& file, std::string_view newLine, bool endOfCycle) {
    TClubRead read = readClubFile(file.path);
    if (read.status != ClubStatus::Ok) {
        TStoreOutcome failed;
        failed.status = read.status;
        return failed;
    }
    // Top ten and member placement go to disk in one rewrite, so they cannot part company.
    TStoreOutcome outcome = storeMemberLines(read.lines, std::string(newLine), endOfCycle);
    outcome.status = writeClubLines(file, read.lines);
    return outcome;
}

std::string clubTemplate(ClubKind kind) {
    struct Entry {
        const char* name;
        int result;
    };
    // Results a good cycle can beat; the best need a strong cycle.
    static constexpr Entry computerTop[10] = {{"Aldo Fenwright", 420}, {"Mirela Stoke", 360},
                                              {"Tobin Harrow", 310},   {"Ysolde Marr", 260},
                                              {"Kasimir Dunn", 215},   {"Petra Vell", 170},
                                              {"Oren Brackley", 130},  {"Lidia Ferro", 95},
                                              {"Jory Quill", 60},      {"Nessa Crane", 30}};
    static constexpr Entry lanTop[10] = {
        {"Brann Oakes", 400}, {"Celia Wend", 340}, {"Dario Pike", 290}, {"Elke Morrow", 240},
        {"Fenn Harlow", 200}, {"Greta Lind", 160}, {"Hugo Spire", 120}, {"Ilsa Thorne", 85},
        {"Jasper Rook", 50},  {"Kira Vale", 25}};
    const Entry* top = kind == ClubKind::Lan ? lanTop : computerTop;

    TClubLines lines;
    for (int i = 1; i <= kMemberSlots; ++i) lines[static_cast<std::size_t>(i)] = kEmptyMemberLine;
    for (int i = 0; i < 10; ++i)
        lines[static_cast<std::size_t>(kFirstTopTenLine + i)] =
            padRight(top[i].name, kNameLength) + rightAligned(top[i].result, 6);
    lines[kMarkerLine] = std::string("\xC0}") + padRight("Vantor-Lumora club", 26);
    // Position 1 "0": no forced Russian interface; positions 7-9 our installation marker.
    lines[kCheckLine] = "0VL40vlm#0";
    updateCheckLine(lines);
    return serializeClub(lines);
}

bool seedClubFiles(const fs::path& folder) {
    bool ok = true;
    for (const ClubKind kind : {ClubKind::Computer, ClubKind::Lan}) {
        const fs::path path = folder / clubFileName(kind);
        std::error_code ec;
        if (fs::exists(path, ec)) continue;
        fs::create_directories(folder, ec);
        if (!writeFileAtomic(path, clubTemplate(kind))) ok = false;
    }
    return ok;
}

} // namespace vantor
