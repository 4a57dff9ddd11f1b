#include "settings/settings.h"

#include "base/cp1251.h"
#include "base/fields.h"
#include "base/paths.h"
#include "base/scramble.h"
#include "i18n/word.h"
#include "i18n/words.h"
#include "settings/service_addresses.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

namespace vantor {
namespace fs = std::filesystem;

namespace {

constexpr int kLineCount = 35;
// A value line longer than this is cut when read: no setting needs more, and a damaged file
// with huge lines must not cost memory.
constexpr std::size_t kMaxLineBytes = 4096;
// Files beyond this size are not settings files; they are treated as unreadable.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

constexpr char kGifOn = '\xE8';  // Cyrillic small i
constexpr char kGifOff = '\xEB'; // Cyrillic small el

// The first 35 lines of the file, each cut to kMaxLineBytes, without their line ends.
// Fewer than 35 when the file ends first (a final line without CR LF still counts).
std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size() && lines.size() < kLineCount) {
        std::size_t end = bytes.find('\n', pos);
        const bool last = end == std::string_view::npos;
        if (last) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line.substr(0, kMaxLineBytes));
        pos = last ? bytes.size() : end + 1;
    }
    return lines;
}

std::optional<int> decimal(std::string_view text, int low, int high) {
    const auto value = parseInteger(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<int> digitAt(std::string_view line, std::size_t pos) {
    if (pos >= line.size() || line[pos] < '0' || line[pos] > '9') return std::nullopt;
    return line[pos] - '0';
}

void setIf(int& target, std::optional<int> value) {
    if (value) target = *value;
}

// Text values are code page 1251 in the file and UTF-8 in memory.
std::string fromFile(std::string_view bytes) {
    return cp1251ToUtf8(bytes);
}

std::string toFile(std::string_view utf8) {
    std::string bytes = utf8ToCp1251(utf8);
    // A line break inside a value would shift every following line.
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = ' ';
    return bytes;
}

void applyFlagLine(TSettings& s, std::string_view line) {
    const auto at = [&](std::size_t pos) -> int { return pos < line.size() ? line[pos] : -1; };
    if (const int c = at(0); c >= '1' && c <= '9') {
        s.Language = languageFromIndex(c - '0');
    } else if (c >= 'a' && c <= 'k') {
        // 10..20 are admitted by the format but no such language exists.
        s.Language = TLanguage::English;
    }
    switch (at(1)) {
    case '0':
        s.SoundOn = false, s.MusicOn = false;
        break;
    case '1':
        s.SoundOn = true, s.MusicOn = true;
        break;
    case '2':
        s.SoundOn = true, s.MusicOn = false;
        break;
    case '3':
        s.SoundOn = false, s.MusicOn = true;
        break;
    default:
        break;
    }
    if (at(2) == '0') s.GifAnimationOn = false;
    if (at(3) == '0') s.FlyCardsOn = false;
    if (at(4) == '2') s.ClubListMode = 2;
    if (at(5) == '1') s.LanGame = true;
    if (at(6) == '0') s.OwnCursor = false;
    if (const int c = at(7); c >= '1' && c <= '6') s.Speed = c - '0';
    if (const int c = at(8); c >= '1' && c <= '5') s.WindowSize = c - '0';
    if (line.size() > 9) s.UniqueStartCounted = line[9] == 'R';
    if (line.size() > 10) s.StatsWindowFlag = line[10] == 'L';
    if (line.size() > 11) s.RadioListFromServerFirst = line[11] == '0';
    // Only the seven caption styles that exist; any other digit would index past them.
    if (const int c = at(12); c >= '1' && c <= '7') s.CaptionStyle = c - '0';
    if (line.size() > 13) s.NewButtons = line[13] == '1';
    if (line.size() > 14) s.AuxDesignAlt = line[14] == '1';
    if (const int c = at(15); c >= '1' && c <= '3') s.AuxDesign = c - '0';
    if (const int c = at(16); c == '0' || c == '1') s.MenuDesign = c - '0';
    if (const int c = at(17); c == '0' || c == '1') s.TableDesign = c - '0';
    if (const int c = at(18); c == '0' || c == '1') s.SaluteButtons = c == '1';
    if (const int c = at(19); c == '0' || c == '1') s.SaluteCards = c == '1';
}

bool validCountry(std::string_view code) {
    static constexpr std::array<int, 7> kLast = {0, 48, 51, 35, 14, 23, 54};
    if (code.size() != 5 || code[0] < '1' || code[0] > '6' || code[1] != '-') return false;
    int number = 0;
    for (std::size_t i = 2; i < 5; ++i) {
        if (code[i] < '0' || code[i] > '9') return false;
        number = number * 10 + (code[i] - '0');
    }
    return number <= kLast[code[0] - '0'];
}

// Reads the value lines 10 to 35 as one chain: a link that is missing or too short ends the
// load, and everything after it keeps its default. Returns the line that ended it, or 0.
int applyChain(TSettings& s, const std::vector<std::string>& lines) {
    const auto line = [&](int number) -> std::string_view { return lines[number - 1]; };
    const std::array<std::string*, 4> fontNames = {&s.FontDecorName, &s.FontSerifName,
                                                   &s.FontFixedName, &s.FontConewName};
    const std::array<int*, 4> fontScales = {&s.FontDecorScale, &s.FontSerifScale, &s.FontFixedScale,
                                            &s.FontConewScale};
    for (int i = 0; i < 4; ++i) {
        if (line(10 + i).size() < 2) return 10 + i;
        *fontNames[i] = fromFile(line(10 + i));
    }
    for (int i = 0; i < 4; ++i) {
        if (line(14 + i).empty()) return 14 + i;
        setIf(*fontScales[i], decimal(line(14 + i), 50, 150));
    }
    for (int number = 18; number <= 20; ++number)
        if (line(number).empty()) return number;
    s.LanAddress = fromFile(line(19));
    s.LanPort = fromFile(line(20));

    for (int number = 21; number <= 22; ++number)
        if (line(number).empty()) return number;
    setIf(s.Background, decimal(line(22).substr(0, 2), 1, 10));
    if (const auto colour = digitAt(line(22), 2); colour && *colour <= 6)
        s.BackgroundColour = *colour;

    for (int number = 23; number <= 24; ++number)
        if (line(number).empty()) return number;
    s.PlayerName = fromFile(line(24));

    applyWorldTopTenDefaults(s);
    if (line(26).empty()) return 26;
    s.TopTenServiceAddress = fromFile(line(26));
    if (line(27).empty()) return 27;
    s.TopTenNick = fromFile(line(27).substr(0, 12));
    if (line(28).size() != 5) return 28;
    if (validCountry(line(28))) s.TopTenCountry = std::string(line(28));
    if (line(29).empty()) return 29;
    s.TopTenCity = fromFile(line(29).substr(0, 15));
    if (line(30).empty()) return 30;
    s.TopTenSex = line(30)[0] == 'W' ? "W" : "M";
    if (line(31).empty()) return 31;
    s.StatsServiceAddress = fromFile(line(31));
    s.TopTenServiceUrl = decipherServiceAddress(s.TopTenServiceAddress);
    s.StatsServiceUrl = decipherServiceAddress(s.StatsServiceAddress);

    for (int number = 32; number <= 35; ++number)
        if (line(number).empty()) return number;
    s.SaveGamesAsGif = line(33) == std::string_view(&kGifOn, 1);
    setIf(s.SaveGamesMode, decimal(line(34), 1, 2));
    setIf(s.SaveGamesDelay, decimal(line(35), 10, 5000));
    return 0;
}

std::optional<std::string> readFile(const fs::path& file) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec || size > kMaxFileBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

char onOff(bool value) {
    return value ? '1' : '0';
}

bool writeAtomically(const fs::path& file, const std::string& bytes) {
    fs::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace

std::string decipherServiceAddress(std::string_view enciphered) {
    return unscramble(enciphered).value_or(std::string());
}

void applyWorldTopTenDefaults(TSettings& s) {
    s.TopTenServiceAddress = std::string(kDefaultTopTenServiceAddress);
    s.TopTenNick = "Incognito";
    s.TopTenCountry = "1-001";
    s.TopTenCity = "Moscow";
    s.TopTenSex = "M";
    s.StatsServiceAddress = std::string(kDefaultStatsServiceAddress);
    s.TopTenServiceUrl = decipherServiceAddress(s.TopTenServiceAddress);
    s.StatsServiceUrl = decipherServiceAddress(s.StatsServiceAddress);
}

TLoadReport LoadSettingsFromBytes(TSettings& settings, std::optional<std::string_view> bytes,
                                  const TRemoteConfigFetch& fetch) {
    // Everything back to its default, except what the program holds from its start: the two
    // touch effects, and the world-top-ten block, which only a load reaching it resets.
    TSettings fresh;
    fresh.SaluteButtons = settings.SaluteButtons;
    fresh.SaluteCards = settings.SaluteCards;
    fresh.TopTenServiceAddress = std::move(settings.TopTenServiceAddress);
    fresh.TopTenNick = std::move(settings.TopTenNick);
    fresh.TopTenCountry = std::move(settings.TopTenCountry);
    fresh.TopTenCity = std::move(settings.TopTenCity);
    fresh.TopTenSex = std::move(settings.TopTenSex);
    fresh.StatsServiceAddress = std::move(settings.StatsServiceAddress);
    fresh.TopTenServiceUrl = std::move(settings.TopTenServiceUrl);
    fresh.StatsServiceUrl = std::move(settings.StatsServiceUrl);
    settings = std::move(fresh);

    TLoadReport report;
    if (!bytes) return report;
    const std::vector<std::string> lines = splitLines(*bytes);
    if (lines.size() < kLineCount) return report;
    report.fileRead = true;
    TSettings& s = settings;

    applyFlagLine(s, lines[1]);
    setIf(s.CardDeck, decimal(lines[3], 0, 47));

    const std::string_view backs = lines[5];
    if (backs.size() < 3) {
        report.stoppedAtLine = 6;
        return report;
    }
    setIf(s.CardBack, decimal(backs.substr(0, 2), 0, 12));
    s.CardBackAlwaysOne = backs[2] == '1';

    const std::string_view game = lines[7];
    s.NoJokers = !game.empty() && game[0] == '1';
    s.QuickGame = game.size() > 1 && game[1] == '1';
    if (const auto d = digitAt(game, 2); d && *d >= 3 && *d <= 5) s.Duration = *d;

    report.stoppedAtLine = applyChain(s, lines);
    if (report.stoppedAtLine != 0) return report;
    report.complete = true;

    s.AccountServiceAddress = std::string(kDefaultAccountServiceAddress);
    s.AccountServiceUrl = decipherServiceAddress(s.AccountServiceAddress);
    if (fetch) {
        if (const std::optional<TRemoteConfig> config = fetch()) {
            report.remoteConfigApplied = true;
            s.WorldTopTenPaused = config->worldTopTenPaused;
            if (config->topTenAddress) {
                s.TopTenServiceAddress = *config->topTenAddress;
                s.TopTenServiceUrl = decipherServiceAddress(s.TopTenServiceAddress);
            }
            if (config->statsAddress) {
                s.StatsServiceAddress = *config->statsAddress;
                s.StatsServiceUrl = decipherServiceAddress(s.StatsServiceAddress);
            }
            if (config->accountAddress) {
                s.AccountServiceAddress = *config->accountAddress;
                s.AccountServiceUrl = decipherServiceAddress(s.AccountServiceAddress);
            }
        }
    }
    return report;
}

TLoadReport LoadSettings(TSettings& settings, const fs::path& file,
                         const TRemoteConfigFetch& fetch) {
    std::optional<std::string> bytes = readFile(file);
    if (!bytes) bytes = readFile(file); // one retry, as for a file briefly held by another
    if (!bytes) return LoadSettingsFromBytes(settings, std::nullopt, fetch);
    return LoadSettingsFromBytes(settings, std::string_view(*bytes), fetch);
}

std::string SettingsFileBytes(const TSettings& s) {
    std::string flags(20, '#');
    const std::size_t language = languageIndex(s.Language);
    flags[0] = static_cast<char>('0' + (language < kLanguageCount ? language : 0));
    flags[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
    flags[2] = onOff(s.GifAnimationOn);
    flags[3] = onOff(s.FlyCardsOn);
    flags[4] = s.ClubListMode == 2 ? '2' : '1';
    flags[5] = onOff(s.LanGame);
    flags[6] = onOff(s.OwnCursor);
    flags[7] = s.Speed >= 1 && s.Speed <= 6 ? static_cast<char>('0' + s.Speed) : '4';
    flags[8] = s.WindowSize >= 1 && s.WindowSize <= 5 ? static_cast<char>('0' + s.WindowSize) : '1';
    if (s.UniqueStartCounted) flags[9] = 'R';
    if (s.StatsWindowFlag) flags[10] = 'L';
    flags[11] = s.RadioListFromServerFirst ? '0' : '1';
    flags[12] =
        s.CaptionStyle >= 1 && s.CaptionStyle <= 7 ? static_cast<char>('0' + s.CaptionStyle) : '1';
    flags[13] = onOff(s.NewButtons);
    flags[14] = onOff(s.AuxDesignAlt);
    flags[15] = s.AuxDesign >= 1 && s.AuxDesign <= 3 ? static_cast<char>('0' + s.AuxDesign) : '1';
    flags[16] = s.MenuDesign == 1 ? '1' : '0';
    flags[17] = s.TableDesign == 1 ? '1' : '0';
    flags[18] = onOff(s.SaluteButtons);
    flags[19] = onOff(s.SaluteCards);

    const auto number = [](int value) { return std::to_string(value); };
    std::string backs = rightAligned(s.CardBack >= 0 && s.CardBack <= 99 ? s.CardBack : 0, 2);
    if (backs[0] == ' ') backs[0] = '0';
    backs += onOff(s.CardBackAlwaysOne);

    std::string game = "###";
    game.insert(game.begin(),
                {onOff(s.NoJokers), onOff(s.QuickGame),
                 static_cast<char>(s.Duration >= 3 && s.Duration <= 5 ? '0' + s.Duration : '3')});

    std::string background = number(s.Background) + number(s.BackgroundColour);
    if (background.size() == 2) background.insert(background.begin(), '0');

    const std::array<std::string, kLineCount> lines = {
        "<# General>",
        flags,
        "<# Cards>",
        number(s.CardDeck),
        "<# Decks>",
        backs,
        "<# Individual>",
        game,
        "<# Fonts>",
        toFile(s.FontDecorName),
        toFile(s.FontSerifName),
        toFile(s.FontFixedName),
        toFile(s.FontConewName),
        number(s.FontDecorScale),
        number(s.FontSerifScale),
        number(s.FontFixedScale),
        number(s.FontConewScale),
        "<# IP & Port>",
        toFile(s.LanAddress),
        toFile(s.LanPort),
        "<# Background>",
        background,
        "<# Name Of Player>",
        toFile(s.PlayerName),
        "<# World Top Ten>",
        toFile(s.TopTenServiceAddress),
        toFile(s.TopTenNick),
        toFile(s.TopTenCountry),
        toFile(s.TopTenCity),
        toFile(s.TopTenSex),
        toFile(s.StatsServiceAddress),
        "<# Save Games as GIF>",
        std::string(1, s.SaveGamesAsGif ? kGifOn : kGifOff),
        number(s.SaveGamesMode),
        number(s.SaveGamesDelay),
    };
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

TSaveResult SaveSettings(const TSettings& settings, const TSaveContext& context) {
    if (!context.temporaryMidi.empty()) {
        std::error_code ignored;
        fs::remove(context.temporaryMidi, ignored);
    }
    if (context.recordIntegrityRaised) return {TSaveStatus::SkippedIntegrity, {}};
    const std::string bytes = SettingsFileBytes(settings);
    if (writeAtomically(context.file, bytes) || writeAtomically(context.file, bytes))
        return {TSaveStatus::Written, {}};
    return {TSaveStatus::Failed, std::string(Word(words::CantSaveOptions))};
}

// --- The program's own settings -------------------------------------------------------------

TSettings Settings;

namespace {
// Word() reads the language straight from the settings record, so there is one copy of it.
[[maybe_unused]] const bool gLanguageBound = (bindLanguage(&Settings.Language), true);

TRemoteConfigFetch gRemoteConfigFetch;
std::function<bool()> gRecordIntegrityRaised;
} // namespace

fs::path settingsFilePath() {
    return homeFolder() / "Vantor4.ini";
}

fs::path temporaryMidiPath() {
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec);
    return (ec ? fs::path("/tmp") : folder) / "temp92_25.mid";
}

void setRemoteConfigFetch(TRemoteConfigFetch fetch) {
    gRemoteConfigFetch = std::move(fetch);
}

void setRecordIntegrityCheck(std::function<bool()> anyFlagRaised) {
    gRecordIntegrityRaised = std::move(anyFlagRaised);
}

TLoadReport LoadSettings() {
    return LoadSettings(Settings, settingsFilePath(), gRemoteConfigFetch);
}

TSaveResult SaveSettings() {
    TSaveContext context;
    context.file = settingsFilePath();
    // The home folder is normally made at the first start; make sure a save never fails only
    // because it is missing.
    std::error_code ignored;
    fs::create_directories(context.file.parent_path(), ignored);
    context.temporaryMidi = temporaryMidiPath();
    context.recordIntegrityRaised = gRecordIntegrityRaised && gRecordIntegrityRaised();
    return SaveSettings(Settings, context);
}

} // namespace vantor
