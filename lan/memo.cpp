#include "lan/memo.h"

#include "base/fields.h"

#include <vector>

namespace vantor::lan {
namespace {

// Byte offsets where the UTF-8 characters of `s` begin.
std::vector<std::size_t> characterStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

// About the width of an average character of the table font at height 14 units.
double estimatedWidth(std::string_view utf8) {
    return 6.0 * static_cast<double>(characterStarts(utf8).size());
}

} // namespace

std::uint32_t roleColour(int role) {
    return role >= 1 && role <= 4 ? kRoleColour[role] : 0;
}

std::string TChatMemo::cut(std::string_view utf8, const TTextWidth& width) {
    const TTextWidth& measure = width ? width : TTextWidth(estimatedWidth);
    std::vector<std::size_t> starts = characterStarts(utf8);
    std::string_view text = utf8;
    int removed = 0;
    while (!starts.empty() && removed < kMemoMaxCut && measure(text) > kMemoWidth) {
        text = text.substr(0, starts.back());
        starts.pop_back();
        ++removed;
    }
    std::string s(text);
    if (removed > 0) s += "...";
    return s;
}

void TChatMemo::add(int role, std::string_view utf8, const TTextWidth& width) {
    TMemoLine line{cut(utf8, width), roleColour(role), true};
    for (auto& slot : lines_) {
        if (!slot.used) {
            slot = std::move(line);
            return;
        }
    }
    lines_[0] = std::move(lines_[1]);
    lines_[1] = std::move(lines_[2]);
    lines_[2] = std::move(lines_[3]);
    lines_[3] = std::move(line);
}

bool TSecretHands::type(std::string_view character) {
    // Longer than any way of writing the number: start afresh rather than grow.
    if (typed_.size() + character.size() > 32) typed_.clear();
    typed_ += character;
    const auto number = parseInteger(typed_);
    if (!number || *number != 71948 || typed_.find_first_of("+-") != std::string::npos)
        return false;
    typed_.clear();
    revealed_ = !revealed_;
    return true;
}

} // namespace vantor::lan
