#include "lan/codec.h"

#include "base/fields.h"

#include <algorithm>
#include <bitset>
#include <cstdio>

namespace vantor::lan {
namespace {

constexpr std::string_view kStepFiller = " ### ######### ######### #####"; // after "hbegin" etc.
constexpr std::string_view kPairFiller = " ######### ######### #####";     // after "hobm02" P1 P2
constexpr std::string_view kSingleFiller = " # ######### ######### #####"; // after "hobm05" P
constexpr std::size_t kPlayField = 25;
constexpr std::string_view kChatEnd = "\r\n";

std::string twoDigits(int n) {
    n = std::clamp(n, 0, 99);
    std::string s(2, '0');
    s[0] = static_cast<char>('0' + n / 10);
    s[1] = static_cast<char>('0' + n % 10);
    return s;
}

char roleDigit(int role) {
    return static_cast<char>('0' + std::clamp(role, 0, 9));
}

// Two ASCII digits, or -1.
int parseTwoDigits(std::string_view s) {
    if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return -1;
    return (s[0] - '0') * 10 + (s[1] - '0');
}

int parseRole(char c, int low, int high) {
    const int v = c - '0';
    return v >= low && v <= high ? v : -1;
}

std::string name4(std::string_view name) {
    return padRight(name.substr(0, kNameLength), kNameLength);
}

bool printableName(std::string_view name) {
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A number 0..53 for each card of the pack, to find a card dealt twice.
int packIndex(const TCardCode& c) {
    const int v = cardValue(c);
    if (v == kJokerValue) return 52 + (c.chars[1] == '3');
    for (int s = 0; s < 4; ++s)
        if (kSuits[static_cast<std::size_t>(s)] == c.chars[1]) return (v - 1) * 4 + s;
    return -1;
}

TTake dropped(std::size_t length, std::string reason) {
    TTake t;
    t.status = TTakeStatus::Dropped;
    t.length = length;
    t.reason = std::move(reason);
    return t;
}

TTake whole(std::size_t length, TFrame frame) {
    TTake t;
    t.status = TTakeStatus::Frame;
    t.length = length;
    t.frame = std::move(frame);
    return t;
}

TTake incomplete() {
    return TTake{};
}

// Whether `bytes` (possibly shorter) agrees with the beginning of `pattern`.
bool agreesWith(std::string_view bytes, std::string_view pattern) {
    const std::size_t n = std::min(bytes.size(), pattern.size());
    return bytes.substr(0, n) == pattern.substr(0, n);
}

TTake parseJoin(std::string_view b) {
    TFrame f;
    f.kind = TFrameKind::JoinRequest;
    const int id = parseTwoDigits(b.substr(3, 2));
    if (id != kGameId) return dropped(kJoinLength, "join request of another game");
    if (b.substr(5, 2) != kProtocolNumber)
        return dropped(kJoinLength, "join request of another protocol number");
    if (b.substr(7, 8) != "connect1") return dropped(kJoinLength, "malformed join request");
    f.name = std::string(b.substr(15, kNameLength));
    if (!printableName(f.name))
        return dropped(kJoinLength, "join request with control bytes in the name");
    return whole(kJoinLength, std::move(f));
}

TTake parseSeat(std::string_view b) {
    TFrame f;
    std::size_t at = 9;
    std::size_t length = kSeatUpdateLength;
    switch (b[7]) {
    case '2':
        f.kind = TFrameKind::SeatReply;
        length = kSeatReplyLength;
        if (b.size() < length) return incomplete();
        f.role = parseRole(b[9], 2, 4);
        if (f.role < 0) return dropped(length, "seat reply with an unknown role");
        at = 10;
        break;
    case '3':
        f.kind = TFrameKind::SecondSeated;
        break;
    default:
        f.kind = TFrameKind::ThirdSeated;
        break;
    }
    if (b.size() < length) return incomplete();
    for (std::size_t k = 0; k < 4; ++k) {
        f.names[k] = std::string(b.substr(at + 4 * k, kNameLength));
        if (!printableName(f.names[k]))
            return dropped(length, "seat message with control bytes in a name");
    }
    return whole(length, std::move(f));
}

TTake parseDeal(std::string_view b) {
    TFrame f;
    f.kind = TFrameKind::Deal;
    TDealData& d = f.deal;
    d.value[0] = kEmptyValue;
    for (int p = 1; p <= kDeckSize; ++p) {
        const TCardCode code = TCardCode::fromBytes(b.substr(1 + 2 * (p - 1), 2));
        const int value = parseTwoDigits(b.substr(109 + 2 * (p - 1), 2));
        if (value < 0) return dropped(kDealLength, "deal with a value that is not two digits");
        if (code.isEmpty()) {
            if (value != kEmptyValue)
                return dropped(kDealLength, "deal with a value at an empty place");
        } else {
            if (!isCardCode(code)) return dropped(kDealLength, "deal with an unknown card code");
            if (value != cardValue(code))
                return dropped(kDealLength, "deal with a value that does not match its card");
        }
        d.code[static_cast<std::size_t>(p)] = code;
        d.value[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(value);
    }
    const char rounds = b[217], noJokers = b[218], quick = b[219];
    if (rounds < '3' || rounds > '5')
        return dropped(kDealLength, "deal with a game length other than 3 to 5");
    if ((noJokers != '0' && noJokers != '1') || (quick != '0' && quick != '1'))
        return dropped(kDealLength, "deal with an option that is neither 0 nor 1");
    d.roundsPerGame = rounds - '0';
    d.noJokers = noJokers == '1';
    d.quickGame = quick == '1';
    // Every hand must come out full and every card dealt once: the whole pack, or without
    // jokers the 52 natural cards in positions 1 to 52 (53 and 54 are not dealt; the removal of
    // the jokers may leave copies there).
    const int dealt = d.noJokers ? 52 : kDeckSize;
    std::bitset<54> seen;
    for (int p = 1; p <= dealt; ++p) {
        const TCardCode& code = d.code[static_cast<std::size_t>(p)];
        if (code.isEmpty())
            return dropped(kDealLength, "deal with an empty place among the dealt cards");
        if (d.noJokers && code.isJoker())
            return dropped(kDealLength, "deal without jokers that holds a joker");
        const int index = packIndex(code);
        if (index < 0 || seen.test(static_cast<std::size_t>(index)))
            return dropped(kDealLength, "deal with a card twice");
        seen.set(static_cast<std::size_t>(index));
    }
    return whole(kDealLength, std::move(f));
}

TTake parseStep(std::string_view b) {
    TFrame f;
    f.role = parseRole(b[36], 1, 4);
    if (f.role < 0) return dropped(kStepLength, "frame with an origin role other than 1 to 4");
    const std::string_view head = b.substr(0, 6);
    auto simple = [&](TFrameKind kind) {
        if (b.substr(6, 30) != kStepFiller) return dropped(kStepLength, "malformed step frame");
        f.kind = kind;
        return whole(kStepLength, f);
    };
    if (head == "hbegin") return simple(TFrameKind::Begin);
    if (head == "hobm01") return simple(TFrameKind::Exchange1);
    if (head == "hobm03") return simple(TFrameKind::Exchange3);
    if (head == "hobm04") return simple(TFrameKind::Exchange4);
    if (head == "hpulse") return simple(TFrameKind::Pulse);
    if (head == "hobm02") {
        f.kind = TFrameKind::VantorGift;
        f.slot1 = parseTwoDigits(b.substr(6, 2));
        f.slot2 = parseTwoDigits(b.substr(8, 2));
        if (b.substr(10, 26) != kPairFiller) return dropped(kStepLength, "malformed gift frame");
        if (!isSlot(f.slot1) || !isSlot(f.slot2) || f.slot1 == f.slot2)
            return dropped(kStepLength, "gift of slots out of range or the same slot twice");
        return whole(kStepLength, f);
    }
    if (head == "hobm05") {
        f.kind = TFrameKind::ViceGift;
        f.slot1 = parseTwoDigits(b.substr(6, 2));
        if (b.substr(8, 28) != kSingleFiller) return dropped(kStepLength, "malformed gift frame");
        if (!isSlot(f.slot1)) return dropped(kStepLength, "gift of a slot out of range");
        return whole(kStepLength, f);
    }
    if (b.substr(0, 9) == "hputsstol") {
        f.kind = TFrameKind::Play;
        f.count = parseTwoDigits(b.substr(9, 2));
        if (f.count < 0 || f.count > 4)
            return dropped(kStepLength, "play of a card count other than 0 to 4");
        const std::string_view field = b.substr(11, kPlayField);
        for (int k = 0; k < f.count; ++k) {
            const TCardCode code =
                TCardCode::fromBytes(field.substr(2 * static_cast<std::size_t>(k), 2));
            if (!isCardCode(code)) return dropped(kStepLength, "play of an unknown card code");
            for (int j = 0; j < k; ++j)
                if (f.cards[static_cast<std::size_t>(j)] == code)
                    return dropped(kStepLength, "play of a card twice");
            f.cards[static_cast<std::size_t>(k)] = code;
        }
        const std::string_view rest = field.substr(2 * static_cast<std::size_t>(f.count));
        if (rest.find_first_not_of('#') != std::string_view::npos)
            return dropped(kStepLength, "play whose card field does not match its count");
        return whole(kStepLength, f);
    }
    return dropped(kStepLength, "unknown frame");
}

TTake parseChat(std::string_view b) {
    const std::size_t end = b.find(kChatEnd);
    const std::size_t limit = 2 + kChatTextMax + kChatEnd.size();
    if (end == std::string_view::npos) {
        // A lone CR at the very end may still be followed by its LF.
        if (b.size() >= limit) return dropped(limit, "chat line without an end");
        return incomplete();
    }
    if (end < 2) return dropped(end + kChatEnd.size(), "chat line without a sender");
    TFrame f;
    f.kind = TFrameKind::Chat;
    f.role = parseRole(b[1], 1, 4);
    if (f.role < 0)
        return dropped(end + kChatEnd.size(), "chat line with a sender other than 1 to 4");
    if (end - 2 > kChatTextMax) return dropped(end + kChatEnd.size(), "chat line too long");
    f.text = std::string(b.substr(2, end - 2));
    return whole(end + kChatEnd.size(), std::move(f));
}

// Bytes that may begin a frame; anything else is skipped.
bool mayStartFrame(char c) {
    return c == 'z' || c == 'c' || c == 'b' || c == 'h' || c == 's' || c == 'a';
}

} // namespace

std::string buildJoinRequest(std::string_view name, int gameId) {
    return "zov" + twoDigits(gameId) + std::string(kProtocolNumber) + "connect1" + name4(name);
}

std::string buildSeatReply(int role, const std::array<std::string, 4>& wireNames) {
    std::string s = "connect2+";
    s += roleDigit(role);
    for (const auto& n : wireNames) s += name4(n);
    return s;
}

std::string buildSeatUpdate(int joiners, const std::array<std::string, 4>& wireNames) {
    std::string s = joiners >= 3 ? "connect4+" : "connect3+";
    for (const auto& n : wireNames) s += name4(n);
    return s;
}

std::string buildDeal(const TGameRecord& r) {
    std::string s = "b";
    s.reserve(kDealLength);
    for (int p = 1; p <= kDeckSize; ++p) {
        const TCardCode& c = r.deckCode[static_cast<std::size_t>(p)];
        s += c.length == 2 ? c.bytes() : std::string("##");
    }
    for (int p = 1; p <= kDeckSize; ++p) s += twoDigits(r.deckValue[static_cast<std::size_t>(p)]);
    s += roleDigit(std::clamp(r.RoundsPerGame, 3, 5));
    s += r.NoJokers ? '1' : '0';
    s += r.QuickGame ? '1' : '0';
    return s;
}

std::string buildStep(TFrameKind kind, int role) {
    std::string head;
    switch (kind) {
    case TFrameKind::Begin:
        head = "hbegin";
        break;
    case TFrameKind::Exchange1:
        head = "hobm01";
        break;
    case TFrameKind::Exchange3:
        head = "hobm03";
        break;
    case TFrameKind::Exchange4:
        head = "hobm04";
        break;
    default:
        head = "hpulse";
        break;
    }
    return head + std::string(kStepFiller) + roleDigit(role);
}

std::string buildVantorGift(int slot1, int slot2, int role) {
    return "hobm02" + twoDigits(slot1) + twoDigits(slot2) + std::string(kPairFiller) +
           roleDigit(role);
}

std::string buildViceGift(int slot, int role) {
    return "hobm05" + twoDigits(slot) + std::string(kSingleFiller) + roleDigit(role);
}

std::string buildPlay(const TCardCode* cards, int count, int role) {
    count = std::clamp(count, 0, 4);
    std::string field(kPlayField, '#');
    for (int k = 0; k < count; ++k) {
        const TCardCode& c = cards[k];
        if (c.length != 2) continue;
        field[2 * static_cast<std::size_t>(k)] = c.chars[0];
        field[2 * static_cast<std::size_t>(k) + 1] = c.chars[1];
    }
    return "hputsstol" + twoDigits(count) + field + roleDigit(role);
}

std::string chatWireText(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != '\r' && c != '\n') s += c;
    if (s.size() > kChatTextMax) s.resize(kChatTextMax);
    return s;
}

std::string buildChat(int role, std::string_view text) {
    std::string s = "s";
    s += roleDigit(role);
    s += chatWireText(text);
    s += kChatEnd;
    return s;
}

std::string buildAbort() {
    return "abort";
}

TTake takeFrame(std::string_view b) {
    if (b.empty()) return incomplete();
    switch (b[0]) {
    case 'z':
        if (!agreesWith(b, "zov")) return dropped(1, "stray byte");
        if (b.size() < kJoinLength) return incomplete();
        return parseJoin(b);
    case 'c':
        if (!agreesWith(b, "connect") ||
            (b.size() >= 8 && b[7] != '2' && b[7] != '3' && b[7] != '4') ||
            (b.size() >= 9 && b[8] != '+'))
            return dropped(1, "stray byte");
        if (b.size() < kSeatUpdateLength) return incomplete();
        return parseSeat(b);
    case 'b':
        if (b.size() < kDealLength) return incomplete();
        return parseDeal(b.substr(0, kDealLength));
    case 'h':
        if (b.size() < kStepLength) return incomplete();
        return parseStep(b.substr(0, kStepLength));
    case 's':
        if (b.size() >= 2 && (b[1] < '1' || b[1] > '4')) return dropped(1, "stray byte");
        return parseChat(b.substr(0, std::min(b.size(), 2 + kChatTextMax + kChatEnd.size())));
    case 'a':
        if (!agreesWith(b, "abort")) return dropped(1, "stray byte");
        if (b.size() < kAbortLength) return incomplete();
        {
            TFrame f;
            f.kind = TFrameKind::Abort;
            return whole(kAbortLength, f);
        }
    default:
        return dropped(1, "stray byte");
    }
}

bool TFrameReader::append(std::string_view bytes) {
    if (buffered() + bytes.size() > kReaderLimit) {
        clear();
        return false;
    }
    if (start_ > 0 && start_ >= buffer_.size() / 2) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes);
    return true;
}

TTake TFrameReader::next() {
    const std::string_view rest = std::string_view(buffer_).substr(start_);
    TTake t = takeFrame(rest);
    if (t.status == TTakeStatus::Dropped && t.reason == "stray byte") {
        // Skip the whole run of bytes that cannot begin a frame, and report it once.
        std::size_t n = 1;
        while (n < rest.size() && !mayStartFrame(rest[n])) ++n;
        t.length = n;
        t.reason = "bytes that begin no frame";
    }
    if (t.status != TTakeStatus::Incomplete) {
        t.length = std::min(t.length, rest.size());
        t.raw = std::string(rest.substr(0, t.length));
        start_ += t.length;
    }
    if (start_ == buffer_.size()) clear();
    return t;
}

void TFrameReader::clear() {
    buffer_.clear();
    start_ = 0;
}

std::string describeBytes(std::string_view bytes, std::size_t limit) {
    std::string s;
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F) {
            s += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            s += hex;
        }
    }
    if (bytes.size() > limit) s += "...";
    return s;
}

} // namespace vantor::lan
