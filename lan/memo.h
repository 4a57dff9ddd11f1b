#pragma once
// The four chat lines shown on a LAN table, and the typed code that shows every hand.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantor::lan {

// Colours of the senders' lines by role, written $BBGGRR.
constexpr std::uint32_t kRoleColour[5] = {0x000000, 0x000080, 0x800000, 0x008000, 0x008080};
std::uint32_t roleColour(int role);

// Width of a UTF-8 text in table units, as the window's font measures it.
using TTextWidth = std::function<double(std::string_view utf8)>;
// Widest line in table units and the most characters cut from its end.
constexpr double kMemoWidth = 85.0;
constexpr int kMemoMaxCut = 12;

struct TMemoLine {
    std::string text; // UTF-8, already cut for the memo
    std::uint32_t colour = 0;
    bool used = false;
};

class TChatMemo {
public:
    // Adds a line from `role`: the first empty slot, or, when all four are used, lines 2 to 4
    // move up and the new line takes slot 4. Without a width function every character counts as
    // one average character of the table font.
    void add(int role, std::string_view utf8, const TTextWidth& width = {});
    void clear() { lines_ = {}; }
    const std::array<TMemoLine, 4>& lines() const { return lines_; }

    // The memo's cut: characters come off the end while the text is wider than kMemoWidth, at
    // most kMemoMaxCut of them, and "..." follows when any came off.
    static std::string cut(std::string_view utf8, const TTextWidth& width);

private:
    std::array<TMemoLine, 4> lines_{};
};

// Collects what is typed while the chat send button has the focus; the whole number 71948
// switches the other seats' hands between face down and face up.
class TSecretHands {
public:
    static constexpr std::string_view kCode = "71948";
    // The button gained or lost the focus.
    void focusChanged() { typed_.clear(); }
    // One typed character (UTF-8). True when the code was completed and the display switched.
    bool type(std::string_view character);
    bool revealed() const { return revealed_; }

private:
    std::string typed_;
    bool revealed_ = false;
};

} // namespace vantor::lan
