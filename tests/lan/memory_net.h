#pragma once
// An in-memory network between one host and its joiners: every byte sent is queued and handed
// over on pump() in pieces of a chosen size, so the reading of frames cut apart or glued
// together is exercised with the whole table.

#include "lan/session.h"

#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace vantor::lan::test {

enum class TChunking { Whole, OneByte, Random };

class TMemoryNet {
public:
    class TEnd : public TLanTransport {
    public:
        TMemoryNet* net = nullptr;
        int index = 0; // 0 the host, k the k-th joiner
        TLanSession* session = nullptr;

        void send(int peer, std::string_view bytes) override { net->send(index, peer, bytes); }
        void close(int peer) override { net->close(index, peer); }
        void stopListening() override { listening = false; }
        bool listening = true;
    };

    explicit TMemoryNet(int joiners, TChunking chunking = TChunking::Whole, unsigned seed = 1)
        : chunking_(chunking), random_(seed) {
        ends_.resize(static_cast<std::size_t>(joiners) + 1);
        for (std::size_t i = 0; i < ends_.size(); ++i) {
            ends_[i].net = this;
            ends_[i].index = static_cast<int>(i);
        }
        links_.resize(ends_.size());
    }

    TEnd& end(int index) { return ends_[static_cast<std::size_t>(index)]; }

    // Joiner k connects: the host sees peer k, the joiner its host.
    void connect(int k) {
        links_[static_cast<std::size_t>(k)].open = true;
        ends_[0].session->connected(k);
        ends_[static_cast<std::size_t>(k)].session->connected(0);
    }

    // Hands over everything queued; returns whether anything moved.
    bool pump() {
        bool moved = false;
        for (std::size_t k = 1; k < links_.size(); ++k) {
            TLink& l = links_[k];
            moved |= deliver(l.toHost, *ends_[0].session, static_cast<int>(k));
            moved |= deliver(l.toJoiner, *ends_[k].session, 0);
            if (l.closedBy != 0 && !l.reported && l.toHost.empty() && l.toJoiner.empty()) {
                l.reported = true;
                moved = true;
                // The side that did not close hears of it.
                if (l.closedBy == 1)
                    ends_[k].session->disconnected(0);
                else
                    ends_[0].session->disconnected(static_cast<int>(k));
            }
        }
        return moved;
    }
    void pumpAll() {
        for (int i = 0; i < 100000 && pump(); ++i) {
        }
    }

    std::string sentToHost(int k) const { return links_[static_cast<std::size_t>(k)].allToHost; }

private:
    struct TLink {
        bool open = false;
        int closedBy = 0; // 0 open, 1 the host, 2 the joiner
        bool reported = false;
        std::string toHost, toJoiner, allToHost;
    };

    void send(int from, int peer, std::string_view bytes) {
        const std::size_t k = static_cast<std::size_t>(from == 0 ? peer : from);
        if (k >= links_.size()) return;
        TLink& l = links_[k];
        if (!l.open || l.closedBy != 0) return;
        if (from == 0) {
            l.toJoiner.append(bytes);
        } else {
            l.toHost.append(bytes);
            l.allToHost.append(bytes);
        }
    }
    void close(int from, int peer) {
        const std::size_t k = static_cast<std::size_t>(from == 0 ? peer : from);
        if (k >= links_.size() || !links_[k].open || links_[k].closedBy != 0) return;
        links_[k].closedBy = from == 0 ? 1 : 2;
    }
    bool deliver(std::string& queue, TLanSession& to, int peer) {
        if (queue.empty()) return false;
        std::size_t n = queue.size();
        if (chunking_ == TChunking::OneByte) n = 1;
        if (chunking_ == TChunking::Random)
            n = std::uniform_int_distribution<std::size_t>(
                1, std::min<std::size_t>(queue.size(), 90))(random_);
        const std::string piece = queue.substr(0, n);
        queue.erase(0, n);
        to.received(peer, piece);
        return true;
    }

    TChunking chunking_;
    std::mt19937 random_;
    std::vector<TEnd> ends_;
    std::vector<TLink> links_;
};

} // namespace vantor::lan::test
