#pragma once
// One copy's side of a LAN table: the host, which seats up to three joiners, deals, moves the
// computer seats and relays every frame, or a joiner, which applies what the host sends and sends
// only its own player's decisions and chat lines.
//
// The session is driven from outside, always on one thread: the sockets report connections,
// bytes and disconnects; the window's view forwards the engine's send hook to outgoing(); a
// timer calls poll() with a monotonic clock. Nothing here blocks or waits for a peer.

#include "engine/deal.h"
#include "engine/flow.h"
#include "engine/record.h"
#include "engine/view.h"
#include "lan/codec.h"
#include "lan/memo.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace vantor::lan {

// The connections of one copy. A host numbers its accepted connections as it likes (any id
// above 0); a joiner's one connection to the host is peer 0.
class TLanTransport {
public:
    virtual ~TLanTransport() = default;
    virtual void send(int peer, std::string_view bytes) = 0;
    // Closes one connection after what was sent has gone out. No disconnect report follows for
    // a connection the session closed itself (one that does arrive is ignored).
    virtual void close(int peer) = 0;
    // The host stops accepting connections.
    virtual void stopListening() {}
};

// Why the table was lost. Every case shows the same message ("One of player" "has interrupted
// game!" / "Press OK for exit to the main menu..."), winds up the table and returns to the menu.
enum class TLanLoss : std::uint8_t {
    JoinerLeft, // host: a seated joiner's connection closed
    Aborted,    // joiner: the host sent "abort"
    HostLeft,   // joiner: the connection to the host closed
    Silent,     // either: a seated peer sent nothing for longer than the silence limit
};

// What the windows show. Every call has a do-nothing default.
class TLanEvents {
public:
    virtual ~TLanEvents() = default;
    // Host: a joiner was seated; the waiting window enables Ok and shows the join lines.
    virtual void joinerSeated(int /*joiners*/) {}
    // Joiner: the seat reply came; the login and waiting windows close and the table opens in
    // its waiting form.
    virtual void seated(int /*role*/) {}
    // Joiner: the seat names changed (a later joiner was seated).
    virtual void namesChanged() {}
    // Joiner: the first deal arrived and the game began on this copy.
    virtual void tableOpened() {}
    // A chat line was added to the memo.
    virtual void chatChanged() {}
    // The table was lost: show the message, disable the chat, wind up, return to the menu.
    virtual void tableLost(TLanLoss) {}
    // Joiner: the connection failed or was refused before a seat was given; the waiting window
    // shows "There are no accessible games".
    virtual void noGame() {}
    // The last round of the game was scored on this copy. The caller's end-of-game bookkeeping
    // (the LAN club file "Vantor4.net", statistics, history) runs from "Exit to menu" as on the
    // computer table; this is the place to note that the game was completed.
    virtual void gameFinished() {}
    // For the developer: a frame that was dropped, and why.
    virtual void log(std::string_view /*line*/) {}
};

struct TLanConfig {
    std::string localName;           // UTF-8; its first four characters go on the wire
    std::int64_t pulseMs = 2000;     // a quiet connection gets a pulse frame this often
    std::int64_t silenceMs = 15000;  // a seated peer that sends nothing this long is lost
    std::int64_t joinWaitMs = 10000; // host: a connection that sends no join request is closed
};

class TLanSession {
public:
    TLanSession(TGameRecord& record, TTableView& view, TLanTransport& transport, TLanEvents& events,
                TLanConfig config);

    // Host: role 1, waiting for joins.
    void host();
    // Joiner: role 2 until the seat reply; `game` is this copy's player record for the first deal.
    void join(const TNewGame& game);
    // Cancel in the waiting window, or leaving the table: every connection closes, nothing is
    // reported, the session is idle.
    void leave();

    // Transport reports.
    void connected(int peer); // host: a connection was accepted; joiner: connected to the host
    void received(int peer, std::string_view bytes);
    void disconnected(int peer);
    void socketError(int peer); // joiner: refused, unreachable, ...
    // Pulses and silence; `nowMs` from a monotonic clock.
    void poll(std::int64_t nowMs);

    // Host, Ok in the waiting window: opens the table and deals the first round (the engine's
    // send hook brings the deal here). The record's RoundsPerGame, NoJokers and QuickGame are
    // the host's options. False when no joiner is seated.
    bool openTable(TShuffleSource& source, const TNewGame& game);

    // The window holds the session while it runs an engine operation of its own (a button
    // press, a tick, the exchange): reports that arrive meanwhile, from a pause that lets events
    // run, are applied when the last hold ends, never in the middle of that operation.
    void hold() { ++holds_; }
    void release();
    class THold {
    public:
        explicit THold(TLanSession& s) : s_(s) { s_.hold(); }
        ~THold() { s_.release(); }
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;

    private:
        TLanSession& s_;
    };

    // The engine's send hook, forwarded by the window's view.
    void outgoing(TOutgoing what, const TCardCode* cards, int count);

    // A line typed into the table's chat field (UTF-8). False for an empty line or when the
    // chat is not open.
    bool sendChat(std::string_view utf8);
    const TChatMemo& memo() const { return memo_; }
    void setTextWidth(TTextWidth width) { width_ = std::move(width); }

    // The chat send button's focus and the characters typed on it; the secret code switches
    // the other seats' hands face up or down and redraws them.
    void secretFocusChanged() { secret_.focusChanged(); }
    bool secretTyped(std::string_view character);
    bool handsRevealed() const { return secret_.revealed(); }

    int role() const { return role_; }
    // 0 idle, 1 waiting, 2 joiner seated, 3 host has dealt.
    int connectionState() const { return state_; }
    int joiners() const { return joiners_; }
    bool noGameFlag() const { return noGame_; }
    bool waitingForFirstDeal() const { return waitingFirstDeal_; }
    // The four names by host seat 1..4 as they travel (four bytes of code page 1251).
    const std::array<std::string, kSeats + 1>& hostSeatNames() const { return names_; }
    // Whether the chat field is open: seated, and the table not lost.
    bool chatOpen() const;

private:
    struct TPeer {
        int id = 0;
        int role = 0; // 0 not seated
        TFrameReader reader;
        std::int64_t lastHeard = 0;
        std::int64_t lastSent = 0;
        bool heard = false;
        bool closed = false;
        bool joinSent = false;
    };
    struct TPending {
        enum Kind { Bytes, Disconnect, Error } kind;
        int peer;
        std::string bytes;
    };

    TPeer* findPeer(int id);
    TPeer* peerOfRole(int role);
    void sendTo(TPeer& p, std::string_view bytes);
    void sendToJoiners(std::string_view bytes, int exceptRole);
    void closePeer(TPeer& p);
    void closeAll();
    void drop(const TPeer& p, std::string_view why, std::string_view raw);

    void process();
    void handleBytes(int peer, std::string_view bytes);
    void handleDisconnect(int peer, bool error);
    void handleFrame(TPeer& p, const TTake& take);
    void hostFrame(TPeer& p, const TTake& take);
    void joinerFrame(TPeer& p, const TTake& take);
    void seatJoiner(TPeer& p, const TFrame& f);
    void storeWireNames(const std::array<std::string, 4>& wire);
    void configureRecord();
    void lose(TLanLoss why);
    void checkGameFinished();

    // Applying moves and steps; false when the frame does not fit the table's state.
    bool applyDeal(const TDealData& d);
    bool applyBegin();
    bool applyExchange(TFrameKind kind);
    // `relay` runs once the frame is known to fit, before anything changes.
    bool applyVantorGift(int slot1, int slot2, int fromRole, const std::function<void()>& relay);
    bool applyViceGift(int slot, int fromRole, const std::function<void()>& relay);
    bool applyPlay(const TFrame& f, int fromRole, const std::function<void()>& relay);
    void applyChat(int role, std::string_view text);
    int localSeatOfRole(int role) const;

    TGameRecord& r_;
    TTableView& view_;
    TLanTransport& transport_;
    TLanEvents& events_;
    TLanConfig config_;
    TShuffleSource noShuffle_{0};
    TNewGame newGame_;

    int role_ = 0;
    int state_ = 0;
    int joiners_ = 0;
    bool noGame_ = false;
    bool waitingFirstDeal_ = false;
    bool lost_ = false;
    bool finishedReported_ = false;
    bool vantorStepRun_ = false;
    bool viceStepRun_ = false;
    std::array<std::string, kSeats + 1> names_{};
    std::deque<TPeer> peers_; // never shrinks while in use: references stay valid
    std::deque<TPending> pending_;
    bool busy_ = false;
    int holds_ = 0;
    std::int64_t now_ = 0;

    TChatMemo memo_;
    TTextWidth width_;
    TSecretHands secret_;
};

} // namespace vantor::lan
