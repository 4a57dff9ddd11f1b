#pragma once
// The frames that copies of the game exchange at a LAN table: their exact byte layouts, builders
// and a parser that takes only whole frames from a connection's receive buffer.
//
// TCP is a byte stream: one read may end in the middle of a frame or hold several frames, so each
// connection keeps a TFrameReader and the session applies a frame only once all of it is there.
// A peer is never trusted: a frame whose fields are out of range is dropped as a whole, and bytes
// that start no frame are skipped up to the next byte that could start one.

#include "engine/cards.h"
#include "engine/record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::lan {

constexpr int kGameId = 92;
constexpr std::string_view kProtocolNumber = "25";

constexpr std::size_t kJoinLength = 19;       // "zov", id, "25", "connect1", name
constexpr std::size_t kSeatReplyLength = 26;  // "connect2+", role, four names
constexpr std::size_t kSeatUpdateLength = 25; // "connect3+" / "connect4+", four names
constexpr std::size_t kDealLength = 220;
constexpr std::size_t kStepLength = 37; // every "h" frame
constexpr std::size_t kAbortLength = 5;
constexpr std::size_t kNameLength = 4;
// Chat lines carry no length: our sender ends each with CR LF and the reader takes a chat frame
// up to it. A line of more than this many text bytes is no chat line of ours and is dropped.
constexpr std::size_t kChatTextMax = 200;
// Bytes a reader holds at most; more than any frame, so a sound peer never reaches it.
constexpr std::size_t kReaderLimit = 4096;

enum class TFrameKind : std::uint8_t {
    JoinRequest,  // "zov92" "25" "connect1" + name
    SeatReply,    // "connect2+" + role + names
    SecondSeated, // "connect3+" + names
    ThirdSeated,  // "connect4+" + names
    Deal,         // "b" + deck + values + options
    Begin,        // "hbegin"
    Exchange1,    // "hobm01"
    VantorGift,   // "hobm02" + P1 + P2
    Exchange3,    // "hobm03"
    Exchange4,    // "hobm04"
    ViceGift,     // "hobm05" + P
    Play,         // "hputsstol" + NN + cards
    Pulse,        // "hpulse": keeps a quiet connection known to be alive
    Chat,         // "s" + role + text + CR LF
    Abort,        // "abort"
};

// Deck positions 1..54 as the host shuffled them, and the host's game options.
struct TDealData {
    std::array<TCardCode, kDeckSize + 1> code{};
    std::array<std::uint8_t, kDeckSize + 1> value{};
    int roundsPerGame = 3;
    bool noJokers = false;
    bool quickGame = false;
};

struct TFrame {
    TFrameKind kind = TFrameKind::Abort;
    // The role digit: the seat reply's new role, the origin role R of an "h" frame, the sender of
    // a chat line.
    int role = 0;
    std::string name;                 // join request: four bytes, code page 1251
    std::array<std::string, 4> names; // seat messages: the names of host seats 4, 2, 1, 3
    TDealData deal;
    int slot1 = 0, slot2 = 0; // gifts: slots of the giver's hand before either card left
    int count = 0;            // play: 0 (a pass) to 4
    std::array<TCardCode, 4> cards{};
    std::string text; // chat: code page 1251, without CR LF
};

// Host seats in the order the seat messages carry their names.
constexpr std::array<int, 4> kWireSeatOrder = {4, 2, 1, 3};

// Builders. Names and chat texts are code-page-1251 bytes.
std::string buildJoinRequest(std::string_view name, int gameId = kGameId);
std::string buildSeatReply(int role, const std::array<std::string, 4>& wireNames);
std::string buildSeatUpdate(int joiners, const std::array<std::string, 4>& wireNames); // 2 or 3
std::string buildDeal(const TGameRecord& r);
std::string buildStep(TFrameKind kind, int role); // Begin, Exchange1, Exchange3, Exchange4, Pulse
std::string buildVantorGift(int slot1, int slot2, int role);
std::string buildViceGift(int slot, int role);
std::string buildPlay(const TCardCode* cards, int count, int role);
std::string buildChat(int role, std::string_view text);
std::string buildAbort();
// The chat text our sender puts on the wire: CR and LF taken out, cut to kChatTextMax bytes.
std::string chatWireText(std::string_view text);

enum class TTakeStatus : std::uint8_t {
    Frame,      // a whole, valid frame of `length` bytes
    Incomplete, // the bytes so far may be the start of a frame: wait for more
    Dropped,    // `length` bytes are not a valid frame; `reason` says why
};

struct TTake {
    TTakeStatus status = TTakeStatus::Incomplete;
    std::size_t length = 0;
    TFrame frame;
    std::string reason;
    std::string raw; // the bytes taken (TFrameReader::next fills it)
};

// Examines the frame at the start of `bytes`.
TTake takeFrame(std::string_view bytes);

// A connection's receive buffer.
class TFrameReader {
public:
    // Appends received bytes. Returns false (and drops the buffer) when it would exceed the
    // limit, which only a peer sending nonsense reaches.
    bool append(std::string_view bytes);
    // The next whole frame or a dropped run of bytes; Incomplete when nothing whole is left.
    TTake next();
    std::size_t buffered() const { return buffer_.size() - start_; }
    void clear();

private:
    std::string buffer_;
    std::size_t start_ = 0;
};

// The frame's text for the developer's log: printable bytes as they are, others as \xNN.
std::string describeBytes(std::string_view bytes, std::size_t limit = 80);

} // namespace vantor::lan
