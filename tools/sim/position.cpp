#include "position.h"

#include "engine/computer.h"
#include "engine/exchange.h"
#include "engine/legality.h"

#include <array>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

namespace vantor::sim {
namespace {

struct TBadInput {
    std::string what;
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::vector<int> parseCards(const std::vector<std::string>& w, const std::string& key) {
    std::vector<int> values;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const int v = valueFromName(w[i]);
        if (v == 0)
            throw TBadInput{key + ": \"" + w[i] + "\" is no card (3-10, J, Q, K, A, 2, JK)"};
        values.push_back(v);
    }
    return values;
}

// Reads "key values..." lines; every key at most once, unknown keys refused.
std::map<std::string, std::vector<std::string>> readLines(std::istream& in) {
    std::map<std::string, std::vector<std::string>> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 4096) throw TBadInput{"line too long"};
        auto w = words(line);
        if (w.empty()) continue;
        const std::string key = w[0];
        if (key != "seat" && key != "counts" && key != "table" && key != "hand")
            throw TBadInput{"unknown line \"" + key + "\" (expected seat, counts, table, hand)"};
        if (lines.count(key)) throw TBadInput{"line \"" + key + "\" given twice"};
        lines[key] = std::move(w);
    }
    return lines;
}

// Deals the values into the seat's hand with real card codes, each card at most once.
void fillHand(TGameRecord& r, int seat, const std::vector<int>& values) {
    if (values.empty()) throw TBadInput{"hand: no cards"};
    if (static_cast<int>(values.size()) > kSlots) throw TBadInput{"hand: more than 20 cards"};
    std::array<int, kHighestValue + 1> used{};
    TSeatHand& h = r.hand[seat];
    h = TSeatHand();
    int slot = 1;
    for (int v : values) {
        const int limit = v == kJokerValue ? 2 : 4;
        if (used[v] == limit)
            throw TBadInput{"hand: more than " + std::to_string(limit) + " of " + valueName(v)};
        TCardCode code;
        if (v == kJokerValue) {
            code = TCardCode::fromBytes(used[v] == 0 ? "j2" : "j3");
        } else {
            const char rank = cardOfNumber(v == 13 ? 1 : 4 * v + 1).chars[0];
            const char bytes[2] = {rank, kSuits[used[v]]};
            code = TCardCode::fromBytes(std::string_view(bytes, 2));
        }
        ++used[v];
        h.code[slot] = code;
        h.value[slot] = static_cast<std::uint8_t>(v);
        ++slot;
    }
    h.count = static_cast<std::uint8_t>(values.size());
    sortHand(r, seat);
}

std::vector<int> requireHand(const std::map<std::string, std::vector<std::string>>& lines) {
    const auto it = lines.find("hand");
    if (it == lines.end()) throw TBadInput{"missing line \"hand\""};
    return parseCards(it->second, "hand");
}

} // namespace

int decideFromText(std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const auto lines = readLines(in);
        for (const char* key : {"seat", "counts", "table", "hand"})
            if (!lines.count(key)) throw TBadInput{std::string("missing line \"") + key + "\""};
        const auto& seatLine = lines.at("seat");
        const int seat = seatLine.size() == 2 && seatLine[1].size() == 1 ? seatLine[1][0] - '0' : 0;
        if (!isSeat(seat)) throw TBadInput{"seat: expected one number 1 to 4"};

        TGameRecord r;
        const auto& countLine = lines.at("counts");
        if (countLine.size() != 5) throw TBadInput{"counts: expected four numbers"};
        const std::vector<int> hand = requireHand(lines);
        for (int s = 1; s <= kSeats; ++s) {
            int n = -1;
            try {
                std::size_t used = 0;
                n = std::stoi(countLine[s], &used);
                if (used != countLine[s].size()) n = -1;
            } catch (...) {
            }
            if (n < 0 || n > kSlots)
                throw TBadInput{"counts: \"" + countLine[s] + "\" is not 0 to 20"};
            r.hand[s].count = static_cast<std::uint8_t>(n);
        }
        fillHand(r, seat, hand);
        if (r.hand[seat].count != std::stoi(countLine[seat]))
            throw TBadInput{"counts: seat " + std::to_string(seat) + " holds " +
                            std::to_string(hand.size()) + " cards in its hand line"};

        const std::vector<int> table = parseCards(lines.at("table"), "table");
        if (!table.empty()) {
            const int value = groupValueOf(table);
            if (value == 0) throw TBadInput{"table: not one group of one to four equal cards"};
            r.groupValue = value;
            r.groupSize = static_cast<int>(table.size());
        }

        const TDecision d = decideMove(r, seat);
        if (d.pass()) {
            out << "pass\n";
            return 0;
        }
        out << d.rule;
        for (int k = 1; k <= r.selection.count; ++k)
            out << ' ' << valueName(r.hand[seat].value[r.selection.slot[k]]);
        out << '\n';
        return 0;
    } catch (const TBadInput& bad) {
        err << "vantor-sim decide: " << bad.what << '\n';
        return 2;
    }
}

int giveFromText(std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const auto lines = readLines(in);
        if (lines.size() != 1) throw TBadInput{"expected only a \"hand\" line"};
        TGameRecord r;
        fillHand(r, 1, requireHand(lines));
        out << valueName(r.hand[1].value[givingRuleSlot(r, 1)]) << '\n';
        return 0;
    } catch (const TBadInput& bad) {
        err << "vantor-sim give: " << bad.what << '\n';
        return 2;
    }
}

} // namespace vantor::sim
