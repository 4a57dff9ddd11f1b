#include "lan/session.h"

#include "base/cp1251.h"
#include "base/fields.h"
#include "engine/exchange.h"
#include "engine/legality.h"
#include "engine/round.h"

#include <algorithm>

namespace vantor::lan {
namespace {

constexpr std::string_view kComputerName = "PC  ";
constexpr std::int64_t kClockUnset = -1;

// Host seat of each role: the host at 4, role 2 at 2, role 3 at 1, role 4 at 3.
int hostSeatOfRole(int role) {
    static constexpr int seat[5] = {0, 4, 2, 1, 3};
    return role >= 1 && role <= 4 ? seat[role] : 0;
}

std::string wireName(std::string_view utf8) {
    return padRight(utf8ToCp1251(utf8).substr(0, kNameLength), kNameLength);
}

// A name or chat text for the screen: code page 1251 to UTF-8, control bytes as blanks.
std::string shownText(std::string_view bytes) {
    std::string clean(bytes);
    for (char& c : clean)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cp1251ToUtf8(clean);
}

} // namespace

TLanSession::TLanSession(TGameRecord& record, TTableView& view, TLanTransport& transport,
                         TLanEvents& events, TLanConfig config)
    : r_(record), view_(view), transport_(transport), events_(events), config_(std::move(config)) {}

// --- set-up -------------------------------------------------------------------------------

void TLanSession::host() {
    closeAll();
    peers_.clear();
    pending_.clear();
    role_ = 1;
    state_ = 1;
    joiners_ = 0;
    noGame_ = false;
    waitingFirstDeal_ = false;
    lost_ = false;
    finishedReported_ = false;
    names_ = {};
    for (int h = 1; h <= 3; ++h) names_[h] = std::string(kComputerName);
    names_[4] = wireName(config_.localName);
}

void TLanSession::join(const TNewGame& game) {
    closeAll();
    peers_.clear();
    pending_.clear();
    newGame_ = game;
    if (!game.localName.empty()) config_.localName = game.localName;
    role_ = 2;
    state_ = 1;
    joiners_ = 0;
    noGame_ = true;
    waitingFirstDeal_ = true;
    lost_ = false;
    finishedReported_ = false;
    names_ = {};
    // The one connection, to the host, exists from the start so that a refusal is reported.
    TPeer& h = peers_.emplace_back();
    h.id = 0;
    h.lastHeard = h.lastSent = kClockUnset;
}

void TLanSession::leave() {
    closeAll();
    transport_.stopListening();
    pending_.clear();
    state_ = 0;
    lost_ = true;
}

bool TLanSession::openTable(TShuffleSource& source, const TNewGame& game) {
    if (role_ != 1 || state_ != 1 || joiners_ < 1 || lost_) return false;
    transport_.stopListening();
    // Connections that never asked for a seat have no place at the table.
    for (TPeer& p : peers_)
        if (!p.closed && p.role == 0) closePeer(p);
    configureRecord();
    memo_.clear();
    startGame(r_, view_, source, game);
    return true;
}

bool TLanSession::chatOpen() const {
    if (lost_ || role_ == 0) return false;
    return role_ == 1 ? state_ == 3 : state_ >= 2 && !waitingFirstDeal_;
}

// --- transport reports --------------------------------------------------------------------

void TLanSession::connected(int peer) {
    if (role_ == 0 || lost_) return;
    if (role_ == 1) {
        if (findPeer(peer)) return;
        if (state_ != 1 || peer == 0) {
            // Not accepting joins any more: the connection is closed unanswered.
            transport_.close(peer);
            return;
        }
        TPeer& p = peers_.emplace_back();
        p.id = peer;
        p.lastHeard = p.lastSent = now_ > 0 ? now_ : kClockUnset;
        return;
    }
    TPeer* h = findPeer(0);
    if (state_ != 1 || peer != 0 || !h || h->closed || h->joinSent) return;
    h->joinSent = true;
    h->lastHeard = h->lastSent = now_ > 0 ? now_ : kClockUnset;
    sendTo(*h, buildJoinRequest(wireName(config_.localName)));
}

void TLanSession::received(int peer, std::string_view bytes) {
    pending_.push_back({TPending::Bytes, peer, std::string(bytes)});
    process();
}

void TLanSession::disconnected(int peer) {
    pending_.push_back({TPending::Disconnect, peer, {}});
    process();
}

void TLanSession::socketError(int peer) {
    pending_.push_back({TPending::Error, peer, {}});
    process();
}

// Reports are handled one at a time and never inside one another: a report that arrives while
// a frame is being applied (a view that runs events during a pause) waits its turn.
void TLanSession::release() {
    if (holds_ > 0) --holds_;
    process();
}

void TLanSession::process() {
    if (busy_ || holds_ > 0) return;
    busy_ = true;
    while (!pending_.empty()) {
        TPending e = std::move(pending_.front());
        pending_.pop_front();
        if (e.kind == TPending::Bytes) {
            handleBytes(e.peer, e.bytes);
        } else {
            handleDisconnect(e.peer, e.kind == TPending::Error);
        }
    }
    checkGameFinished();
    busy_ = false;
}

void TLanSession::poll(std::int64_t nowMs) {
    now_ = nowMs;
    if (busy_ || holds_ > 0 || lost_ || role_ == 0) return;
    busy_ = true;
    for (TPeer& p : peers_) {
        if (p.closed) continue;
        if (p.lastHeard == kClockUnset || p.heard) p.lastHeard = now_;
        if (p.lastSent == kClockUnset) p.lastSent = now_;
        p.heard = false;
        const bool seated = role_ == 1 ? p.role != 0 : state_ >= 2;
        if (!seated) {
            if (role_ == 1 && now_ - p.lastHeard > config_.joinWaitMs) {
                events_.log("closing a connection that asked for no seat");
                closePeer(p);
            }
            continue;
        }
        if (now_ - p.lastHeard > config_.silenceMs) {
            events_.log("peer of role " + std::to_string(role_ == 1 ? p.role : 1) + " fell silent");
            closePeer(p);
            if (!r_.gameOver) lose(TLanLoss::Silent);
            if (lost_) break;
            continue;
        }
        if (now_ - p.lastSent >= config_.pulseMs) sendTo(p, buildStep(TFrameKind::Pulse, role_));
    }
    busy_ = false;
    process();
}

void TLanSession::handleBytes(int peer, std::string_view bytes) {
    TPeer* p = findPeer(peer);
    if (!p || p->closed || lost_) return;
    p->heard = true;
    if (!p->reader.append(bytes)) {
        drop(*p, "receive buffer overflow", bytes.substr(0, 40));
        return;
    }
    while (!p->closed && !lost_) {
        const TTake take = p->reader.next();
        if (take.status == TTakeStatus::Incomplete) break;
        if (take.status == TTakeStatus::Dropped) {
            drop(*p, take.reason, take.raw);
            continue;
        }
        handleFrame(*p, take);
    }
}

void TLanSession::handleDisconnect(int peer, bool /*error*/) {
    TPeer* p = findPeer(peer);
    if (role_ == 0 || lost_ || !p || p->closed) return;
    p->closed = true;
    transport_.close(peer);
    if (role_ == 1) {
        if (p->role == 0) return; // never seated: nobody notices
        if (!r_.gameOver) lose(TLanLoss::JoinerLeft);
        return;
    }
    if (state_ == 1) {
        // Refused, unreachable, or closed before a seat was given.
        noGame_ = true;
        events_.noGame();
        return;
    }
    if (!r_.gameOver) lose(TLanLoss::HostLeft);
}

void TLanSession::lose(TLanLoss why) {
    if (lost_) return;
    lost_ = true;
    r_.gameRunning = false;
    view_.playCue("WWrongs", false);
    // The joiners still connected learn that the table is gone.
    if (role_ == 1) sendToJoiners(buildAbort(), 0);
    events_.tableLost(why);
    closeAll();
    transport_.stopListening();
    state_ = 0;
}

void TLanSession::checkGameFinished() {
    if (role_ != 0 && !lost_ && r_.gameOver && !finishedReported_ && (state_ >= 2)) {
        finishedReported_ = true;
        events_.gameFinished();
    }
}

// --- frames -------------------------------------------------------------------------------

void TLanSession::handleFrame(TPeer& p, const TTake& take) {
    if (role_ == 1) {
        hostFrame(p, take);
    } else {
        joinerFrame(p, take);
    }
}

void TLanSession::hostFrame(TPeer& p, const TTake& take) {
    const TFrame& f = take.frame;
    if (f.kind == TFrameKind::JoinRequest) {
        if (p.role != 0) return drop(p, "join request from a seated joiner", take.raw);
        if (state_ != 1) {
            drop(p, "join request after the game began", take.raw);
            return closePeer(p);
        }
        if (joiners_ >= 3) {
            drop(p, "join request with three joiners seated", take.raw);
            return closePeer(p);
        }
        return seatJoiner(p, f);
    }
    if (p.role == 0) return drop(p, "frame from a connection without a seat", take.raw);

    // A joiner's frame goes on to the other joiners once, with the origin the host knows, and
    // only when it fits the table; then the host applies it.
    std::string relayed = take.raw;
    if (relayed.size() == kStepLength) relayed.back() = static_cast<char>('0' + p.role);
    auto relay = [&] { sendToJoiners(relayed, p.role); };

    bool ok = true;
    switch (f.kind) {
    case TFrameKind::Pulse:
        return;
    case TFrameKind::Chat:
        if (!chatOpen()) return drop(p, "chat line before the table opened", take.raw);
        sendToJoiners(buildChat(p.role, f.text), p.role);
        applyChat(p.role, f.text);
        return;
    case TFrameKind::VantorGift:
        ok = applyVantorGift(f.slot1, f.slot2, p.role, relay);
        break;
    case TFrameKind::ViceGift:
        ok = applyViceGift(f.slot1, p.role, relay);
        break;
    case TFrameKind::Play:
        ok = applyPlay(f, p.role, relay);
        break;
    default:
        return drop(p, "frame that only a host sends", take.raw);
    }
    if (!ok) drop(p, "frame that does not fit the table", take.raw);
}

void TLanSession::joinerFrame(TPeer& p, const TTake& take) {
    const TFrame& f = take.frame;
    auto noRelay = [] {};
    bool ok = true;
    switch (f.kind) {
    case TFrameKind::Pulse:
        return;
    case TFrameKind::SeatReply:
        if (state_ != 1) return drop(p, "second seat reply", take.raw);
        role_ = f.role;
        joiners_ = role_ - 1;
        state_ = 2;
        noGame_ = false;
        storeWireNames(f.names);
        configureRecord();
        events_.seated(role_);
        return;
    case TFrameKind::SecondSeated:
    case TFrameKind::ThirdSeated: {
        const int j = f.kind == TFrameKind::SecondSeated ? 2 : 3;
        if (state_ < 2 || !waitingFirstDeal_ || role_ > j || j <= joiners_)
            return drop(p, "seat message that does not fit this copy", take.raw);
        joiners_ = j;
        storeWireNames(f.names);
        configureRecord();
        events_.namesChanged();
        return;
    }
    case TFrameKind::Deal:
        if (state_ < 2) return drop(p, "deal before a seat was given", take.raw);
        ok = applyDeal(f.deal);
        break;
    case TFrameKind::Chat:
        if (state_ < 2) return drop(p, "chat line before a seat was given", take.raw);
        applyChat(f.role, f.text);
        return;
    case TFrameKind::Abort:
        if (r_.gameOver) {
            closePeer(p);
            return;
        }
        lose(TLanLoss::Aborted);
        return;
    case TFrameKind::Begin:
        ok = !waitingFirstDeal_ && applyBegin();
        break;
    case TFrameKind::Exchange1:
    case TFrameKind::Exchange3:
    case TFrameKind::Exchange4:
        ok = !waitingFirstDeal_ && applyExchange(f.kind);
        break;
    case TFrameKind::VantorGift:
        ok = !waitingFirstDeal_ && applyVantorGift(f.slot1, f.slot2, f.role, noRelay);
        break;
    case TFrameKind::ViceGift:
        ok = !waitingFirstDeal_ && applyViceGift(f.slot1, f.role, noRelay);
        break;
    case TFrameKind::Play:
        ok = !waitingFirstDeal_ && applyPlay(f, f.role, noRelay);
        break;
    case TFrameKind::JoinRequest:
        return drop(p, "join request sent to a joiner", take.raw);
    }
    if (!ok) drop(p, "frame that does not fit the table", take.raw);
}

void TLanSession::seatJoiner(TPeer& p, const TFrame& f) {
    ++joiners_;
    p.role = joiners_ + 1;
    names_[static_cast<std::size_t>(hostSeatOfRole(p.role))] = f.name;
    std::array<std::string, 4> wire;
    for (std::size_t k = 0; k < 4; ++k)
        wire[k] = names_[static_cast<std::size_t>(kWireSeatOrder[k])];
    sendTo(p, buildSeatReply(p.role, wire));
    for (TPeer& other : peers_)
        if (!other.closed && other.role >= 2 && other.role < p.role)
            sendTo(other, buildSeatUpdate(joiners_, wire));
    for (int h = 1; h <= kSeats; ++h)
        r_.seatName[static_cast<std::size_t>(h)] =
            std::string(trimRight(shownText(names_[static_cast<std::size_t>(h)])));
    events_.joinerSeated(joiners_);
}

void TLanSession::storeWireNames(const std::array<std::string, 4>& wire) {
    for (std::size_t k = 0; k < 4; ++k)
        names_[static_cast<std::size_t>(kWireSeatOrder[k])] = wire[k];
}

void TLanSession::configureRecord() {
    r_.mode = TTableMode::Lan;
    r_.localRole = role_;
    r_.joiners = joiners_;
    configureSeats(r_);
    for (int h = 1; h <= kSeats; ++h)
        r_.seatName[static_cast<std::size_t>(localSeatOfHostSeat(role_, h))] =
            std::string(trimRight(shownText(names_[static_cast<std::size_t>(h)])));
}

int TLanSession::localSeatOfRole(int role) const {
    const int h = hostSeatOfRole(role);
    return h == 0 ? 0 : localSeatOfHostSeat(role_, h);
}

// --- applying -----------------------------------------------------------------------------

bool TLanSession::applyDeal(const TDealData& d) {
    const bool first = waitingFirstDeal_;
    if (!first && !(r_.gameRunning && !r_.gameOver && r_.turn == tsRoundOver)) return false;
    r_.deckCode = d.code;
    r_.deckValue = d.value;
    r_.RoundsPerGame = d.roundsPerGame;
    r_.NoJokers = d.noJokers;
    r_.QuickGame = d.quickGame;
    vantorStepRun_ = viceStepRun_ = false;
    if (first) {
        // The first deal opens this copy's table: it is the game's first round.
        waitingFirstDeal_ = false;
        configureRecord();
        memo_.clear();
        startGame(r_, view_, noShuffle_, newGame_);
        events_.tableOpened();
        events_.chatChanged();
    } else {
        dealNextRound(r_, view_, noShuffle_, true);
    }
    return true;
}

bool TLanSession::applyBegin() {
    if (!r_.gameRunning || r_.RoundPhase != 1) return false;
    r_.RoundPhase = 2;
    view_.runTick(true);
    view_.setButton(7, TButtonCaption::Ok, false);
    view_.setButton(8, TButtonCaption::Pass, false);
    if (r_.RoundNumber > 1 && isSeat(r_.turn) && exchangeDue(r_)) citizenGives(r_, view_);
    return true;
}

bool TLanSession::applyExchange(TFrameKind kind) {
    if (!r_.gameRunning || r_.RoundPhase != 2) return false;
    switch (kind) {
    case TFrameKind::Exchange1:
        if (r_.turn != tsVantorGives || vantorStepRun_) return false;
        vantorStepRun_ = true;
        view_.enableButton(7, false);
        vantorStep(r_, view_);
        return true;
    case TFrameKind::Exchange3:
        if (r_.turn != tsMinisterGives) return false;
        ministerGives(r_, view_);
        return true;
    case TFrameKind::Exchange4:
        if (r_.turn != tsViceGives || viceStepRun_) return false;
        viceStepRun_ = true;
        viceStep(r_, view_);
        return true;
    default:
        return false;
    }
}

bool TLanSession::applyVantorGift(int slot1, int slot2, int fromRole,
                                  const std::function<void()>& relay) {
    const int v = vantorSeat(r_);
    if (!r_.gameRunning || r_.turn != tsVantorGives || !vantorStepRun_ || !isSeat(v) ||
        v == kLocalSeat || r_.computerSeat[static_cast<std::size_t>(v)] ||
        v != localSeatOfRole(fromRole))
        return false;
    const TSeatHand& h = r_.hand[static_cast<std::size_t>(v)];
    if (!isSlot(slot1) || !isSlot(slot2) || slot1 == slot2 ||
        h.value[static_cast<std::size_t>(slot1)] == kEmptyValue ||
        h.value[static_cast<std::size_t>(slot2)] == kEmptyValue ||
        r_.hand[static_cast<std::size_t>(citizenSeat(r_))].count + 2 > kSlots)
        return false;
    relay();
    r_.selection.clear();
    r_.selection.count = 2;
    r_.selection.slot[1] = static_cast<std::uint8_t>(slot1);
    r_.selection.slot[2] = static_cast<std::uint8_t>(slot2);
    vantorGivesChosen(r_, view_);
    if (role_ == 1 && r_.turn == tsMinisterGives) view_.enableButton(7, true);
    return true;
}

bool TLanSession::applyViceGift(int slot, int fromRole, const std::function<void()>& relay) {
    const int vv = viceVantorSeat(r_);
    if (!r_.gameRunning || r_.turn != tsViceGives || !viceStepRun_ || !isSeat(vv) ||
        vv == kLocalSeat || r_.computerSeat[static_cast<std::size_t>(vv)] ||
        vv != localSeatOfRole(fromRole))
        return false;
    if (!isSlot(slot) ||
        r_.hand[static_cast<std::size_t>(vv)].value[static_cast<std::size_t>(slot)] ==
            kEmptyValue ||
        r_.hand[static_cast<std::size_t>(ministerSeat(r_))].count + 1 > kSlots)
        return false;
    relay();
    r_.selection.clear();
    r_.selection.count = 1;
    r_.selection.slot[1] = static_cast<std::uint8_t>(slot);
    viceGivesChosen(r_, view_);
    for (int s = 1; s <= kSeats; ++s) view_.say(s, TSaying::Name, TBubble::Yellow);
    return true;
}

bool TLanSession::applyPlay(const TFrame& f, int fromRole, const std::function<void()>& relay) {
    const int seat = r_.turn;
    if (!r_.gameRunning || r_.RoundPhase != 2 || !isSeat(seat) || seat == kLocalSeat ||
        seatsWithCards(r_) <= 1)
        return false;
    // A computer seat's move comes from the host; a player's only from that player's copy.
    const bool computer = r_.computerSeat[static_cast<std::size_t>(seat)];
    if (computer ? fromRole != 1 : seat != localSeatOfRole(fromRole)) return false;
    TSelection sel;
    int values[4];
    for (int k = 0; k < f.count; ++k) {
        const int slot = findCard(r_, seat, f.cards[static_cast<std::size_t>(k)]);
        if (slot == 0) return false;
        sel.slot[static_cast<std::size_t>(k + 1)] = static_cast<std::uint8_t>(slot);
        values[k] = r_.hand[static_cast<std::size_t>(seat)].value[static_cast<std::size_t>(slot)];
    }
    sel.count = static_cast<std::uint8_t>(f.count);
    if (f.count == 0 ? !isPassAllowed(r_)
                     : !isLegalPlay(std::span<const int>(values, static_cast<std::size_t>(f.count)),
                                    r_.groupSize, r_.groupValue))
        return false;
    relay();
    r_.RoundPhase = 2;
    r_.selection = sel;
    playSelection(r_, view_, seat, false);
    view_.pointTurn(r_.turn);
    return true;
}

void TLanSession::applyChat(int role, std::string_view text) {
    view_.playCue("WToMenK", false);
    memo_.add(role, shownText(text), width_);
    events_.chatChanged();
}

// --- sending ------------------------------------------------------------------------------

void TLanSession::outgoing(TOutgoing what, const TCardCode* cards, int count) {
    if (role_ == 0 || lost_) return;
    const bool isHost = role_ == 1;
    auto toTable = [&](const std::string& frame) {
        if (isHost) {
            sendToJoiners(frame, 1);
        } else if (TPeer* h = findPeer(0); h && !h->closed) {
            sendTo(*h, frame);
        }
    };
    // The gifts travel as slots of the giver's hand before either card left; the hook comes
    // before the transfer, so the codes are still where the player chose them.
    auto giftSlot = [&](int seat, int k) {
        return k < count && cards ? findCard(r_, seat, cards[k]) : 0;
    };
    switch (what) {
    case TOutgoing::Deal:
        if (!isHost) return;
        state_ = 3;
        vantorStepRun_ = viceStepRun_ = false;
        sendToJoiners(buildDeal(r_), 0);
        return;
    case TOutgoing::Begin:
        if (isHost) sendToJoiners(buildStep(TFrameKind::Begin, 1), 1);
        return;
    case TOutgoing::Exchange1:
        if (!isHost) return;
        vantorStepRun_ = true;
        sendToJoiners(buildStep(TFrameKind::Exchange1, 1), 1);
        return;
    case TOutgoing::Exchange3:
        if (isHost) sendToJoiners(buildStep(TFrameKind::Exchange3, 1), 1);
        return;
    case TOutgoing::Exchange4:
        if (!isHost) return;
        viceStepRun_ = true;
        sendToJoiners(buildStep(TFrameKind::Exchange4, 1), 1);
        return;
    case TOutgoing::Exchange2: {
        const int v = vantorSeat(r_);
        const int s1 = giftSlot(v, 0), s2 = giftSlot(v, 1);
        if (!isSlot(s1) || !isSlot(s2)) return events_.log("gift of two cards without two cards");
        toTable(buildVantorGift(s1, s2, role_));
        return;
    }
    case TOutgoing::Exchange5: {
        const int s = giftSlot(viceVantorSeat(r_), 0);
        if (!isSlot(s)) return events_.log("gift of one card without a card");
        toTable(buildViceGift(s, role_));
        return;
    }
    case TOutgoing::Play:
        toTable(buildPlay(cards, cards ? count : 0, role_));
        return;
    case TOutgoing::Next:
        return;
    }
}

bool TLanSession::sendChat(std::string_view utf8) {
    if (!chatOpen()) return false;
    const std::string wire = chatWireText(utf8ToCp1251(utf8));
    if (trim(wire).empty()) return false;
    if (role_ == 1) {
        sendToJoiners(buildChat(1, wire), 1);
    } else if (TPeer* h = findPeer(0); h && !h->closed) {
        sendTo(*h, buildChat(role_, wire));
    }
    memo_.add(role_, shownText(wire), width_);
    events_.chatChanged();
    return true;
}

bool TLanSession::secretTyped(std::string_view character) {
    if (!secret_.type(character)) return false;
    for (int s = 1; s <= 3; ++s) view_.drawHand(s);
    return true;
}

// --- connections --------------------------------------------------------------------------

TLanSession::TPeer* TLanSession::findPeer(int id) {
    for (TPeer& p : peers_)
        if (p.id == id) return &p;
    return nullptr;
}

void TLanSession::sendTo(TPeer& p, std::string_view bytes) {
    if (p.closed) return;
    p.lastSent = now_;
    transport_.send(p.id, bytes);
}

void TLanSession::sendToJoiners(std::string_view bytes, int exceptRole) {
    for (TPeer& p : peers_)
        if (!p.closed && p.role >= 2 && p.role != exceptRole) sendTo(p, bytes);
}

void TLanSession::closePeer(TPeer& p) {
    if (p.closed) return;
    p.closed = true;
    transport_.close(p.id);
}

void TLanSession::closeAll() {
    for (TPeer& p : peers_) closePeer(p);
}

void TLanSession::drop(const TPeer& p, std::string_view why, std::string_view raw) {
    const std::string from =
        role_ == 1 ? (p.role ? "role " + std::to_string(p.role) : "an unseated connection")
                   : std::string("the host");
    events_.log("dropped from " + from + ": " + std::string(why) + " [" + describeBytes(raw) + "]");
}

} // namespace vantor::lan
