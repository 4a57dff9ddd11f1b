// The LAN frame reader and the session on both sides of the table: whatever a peer sends, in
// whatever pieces, nothing is read out of bounds and nothing that does not fit is applied.

#include "engine/flow.h"
#include "lan/codec.h"
#include "lan/session.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class TNullTransport : public vantor::lan::TLanTransport {
public:
    void send(int, std::string_view) override {}
    void close(int) override {}
};

// Feeds `bytes` to a session in pieces whose sizes come from the first byte.
void feed(vantor::lan::TLanSession& s, int peer, std::string_view bytes, std::size_t piece) {
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        s.received(peer, bytes.substr(at, piece));
}

// The window's part of the view: the engine's send hook reaches the session.
class TForwardingView : public vantor::TSilentView {
public:
    vantor::lan::TLanSession* session = nullptr;
    void send(vantor::TOutgoing what, const vantor::TCardCode* cards, int count) override {
        if (session) session->outgoing(what, cards, count);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantor;
    using namespace vantor::lan;
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    // The reader alone: every frame it returns lies within what was appended.
    TFrameReader reader;
    std::size_t taken = 0;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        reader.append(bytes.substr(at, piece));
        for (TTake t = reader.next(); t.status != TTakeStatus::Incomplete; t = reader.next()) {
            taken += t.length;
            if (t.length == 0 || t.raw.size() != t.length) __builtin_trap();
        }
    }
    if (taken + reader.buffered() != bytes.size() && reader.buffered() != 0) {
        // Only an overflowing buffer is ever thrown away unread.
        if (bytes.size() < kReaderLimit) __builtin_trap();
    }

    TNullTransport transport;
    TSilentView view;
    TLanEvents events;

    // A seated joiner, hearing the input as from its host.
    {
        TGameRecord r;
        TLanSession joiner(r, view, transport, events, {});
        TNewGame game;
        game.localName = "Fuzz";
        joiner.join(game);
        joiner.connected(0);
        joiner.received(0, "connect2+2HostFuzzPC  PC  ");
        feed(joiner, 0, bytes, piece);
        joiner.poll(1000000);
    }
    // A host with one seated joiner at an open table, hearing the input from that joiner.
    {
        TGameRecord r;
        TForwardingView hostView;
        TLanSession host(r, hostView, transport, events, {});
        hostView.session = &host;
        host.host();
        host.connected(1);
        host.received(1, buildJoinRequest("Fuzz"));
        TShuffleSource source(1);
        host.openTable(source, TNewGame{});
        pressButton7(r, hostView, source);
        feed(host, 1, bytes, piece);
        host.disconnected(1);
    }
    return 0;
}
