#include "table/layout.h"

#include "base/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantor {
namespace {
int rnd(double v) {
    return static_cast<int>(roundHalfEven(v));
}

struct TDesignRect {
    int l, t, r, b;
};
constexpr TDesignRect kHands[5] = {
    {}, {30, 10, 220, 126}, {285, 10, 475, 126}, {540, 10, 730, 126}, {200, 375, 560, 491}};
constexpr TDesignRect kBubbles[5] = {
    {}, {45, 130, 205, 150}, {300, 130, 460, 150}, {555, 130, 715, 150}, {300, 352, 460, 372}};
constexpr int kPointers[5][2] = {{}, {15, 130}, {270, 130}, {530, 130}, {270, 342}};

int seatIndex(int seat) {
    return seat >= 1 && seat <= 4 ? seat : 4;
}
} // namespace

int TScale::ScaleK(double v) const {
    return rnd(v * k);
}
int TScale::ScaleX(double x, double w) const {
    return rnd(x * kx) + rnd((kx - k) * w / 2);
}
int TScale::ScaleY(double y, double h) const {
    return rnd(y * ky) + rnd((ky - k) * h / 2);
}

TRect TScale::place(int l, int t, int r, int b) const {
    return {ScaleX(l, r - l), ScaleY(t, b - t), ScaleK(r - l), ScaleK(b - t)};
}

TSize clientSizeOf(int windowSize, TSize fullScreenClient) {
    switch (windowSize) {
    case 2:
        return fullScreenClient;
    case 3:
        return {990, 650};
    case 4:
        return {1290, 850};
    case 5:
        return {1520, 1000};
    default:
        return {kDesignWidth, kDesignHeight};
    }
}

TScale scaleOf(int windowSize, TSize fullScreenClient) {
    switch (windowSize) {
    case 2: {
        TScale s;
        s.kx = static_cast<double>(fullScreenClient.width) / kDesignWidth;
        s.ky = static_cast<double>(fullScreenClient.height) / kDesignHeight;
        s.k = std::min(s.kx, s.ky);
        return s;
    }
    case 3:
        return {1.3, 1.3, 1.3};
    case 4:
        return {1.7, 1.7, 1.7};
    case 5:
        return {2.0, 2.0, 2.0};
    default:
        return {};
    }
}

std::vector<int> offeredWindowSizes(TSize screen) {
    std::vector<int> sizes = {1, 2};
    auto fits = [&](int w, int h) { return screen.width >= w && screen.height >= h; };
    if (fits(990, 670)) sizes.push_back(3);
    if (fits(1290, 870)) sizes.push_back(4);
    if (fits(1520, 1020)) sizes.push_back(5);
    return sizes;
}

TCardSize cardSizeFor(double k, bool wideDeck) {
    if (k < 1.3) return {71, 96, 1};
    if (k < 2.0) {
        const TScale s{k, k, k};
        return {s.ScaleK(wideDeck ? 71 : 61), s.ScaleK(96), 0};
    }
    return {wideDeck ? 146 : 126, 198, 2};
}

TRect handRect(const TScale& s, int seat, int cardHeight) {
    const auto& d = kHands[seatIndex(seat)];
    TRect r = s.place(d.l, d.t, d.r, d.b);
    r.height = cardHeight + s.ScaleK(15);
    return r;
}

TRect bubbleRect(const TScale& s, int seat) {
    const auto& d = kBubbles[seatIndex(seat)];
    return s.place(d.l, d.t, d.r, d.b);
}

TRect pointerRect(const TScale& s, int seat) {
    const auto& p = kPointers[seatIndex(seat)];
    const int w = s.ScaleK(20), h = s.ScaleK(30);
    return {s.ScaleX(p[0], w), s.ScaleY(p[1], h), w, h};
}

TRect tableRect(const TScale& s) {
    return s.place(200, 200, 560, 350);
}
TRect roundPanelRect(const TScale& s) {
    return s.place(10, 220, 140, 280);
}
TRect memoRect(const TScale& s) {
    return s.place(10, 373, 140, 463);
}
TRect deckRect(const TScale& s) {
    return s.place(614, 180, 764, 330);
}

TRect button7Rect(const TScale& s) {
    return {rnd(580 * s.kx), rnd(360 * s.ky), rnd(175 * s.kx), s.ScaleK(30)};
}

TRect button8Rect(const TScale& s) {
    return {rnd(580 * s.kx), rnd(360 * s.ky + 30 * s.ky), rnd(175 * s.kx), s.ScaleK(30)};
}

TRect moveClockRect(const TScale& s, int seat) {
    const TRect bubble = bubbleRect(s, seat);
    return {bubble.right() + s.ScaleK(10), bubble.top, bubble.height, bubble.height};
}

int handBaseTop(const TScale& s, int seat) {
    return seat == 4 ? s.ScaleK(15) : 0;
}

int tablePlaceX(const TScale& s, int k) {
    static constexpr int ox[5] = {0, 0, 80, 160, 240};
    return s.ScaleK(ox[k >= 1 && k <= 4 ? k : 1]);
}

std::array<int, 37> LayoutHandX(int width, int n, int cardWidth) {
    std::array<int, 37> left{};
    if (n <= 0) return left;
    n = std::min(n, 36);
    const double centre = static_cast<double>(rnd(width / 2.0));
    const int step = cardWidth + 3;
    const double perCard = static_cast<double>(width) / n;
    if (step <= perCard) {
        for (int i = 1; i <= n; ++i) left[i] = rnd(centre - step * n / 2.0 + (i - 1) * step);
    } else {
        const double excess = step - perCard;
        const int t = static_cast<int>(std::trunc(perCard - excess / (n - 1)));
        for (int i = 1; i <= n; ++i) left[i] = (i - 1) * t;
    }
    return left;
}

int cardAt(const std::array<int, 37>& left, int n, int cardWidth, int x) {
    n = std::min(n, 36);
    for (int i = 1; i < n; ++i)
        if (x >= left[i] && x < left[i + 1]) return i;
    if (n >= 1 && x >= left[n] && x < left[n] + cardWidth) return n;
    return 0;
}

std::vector<TPoint> flightPath(TPoint from, TPoint to) {
    std::vector<TPoint> path;
    const int dx = to.x - from.x, dy = to.y - from.y;
    if (dx == 0 && dy == 0) return path;
    path.reserve(static_cast<std::size_t>(std::max(std::abs(dx), std::abs(dy))));
    TPoint p = from;
    while (!(p == to)) {
        if (std::abs(dx) >= std::abs(dy)) {
            p.x += to.x >= from.x ? 1 : -1;
            p.y = rnd(static_cast<double>(dy) * (p.x - from.x) / dx + from.y);
        } else {
            p.y += to.y >= from.y ? 1 : -1;
            p.x = rnd(static_cast<double>(dx) * (p.y - from.y) / dy + from.x);
        }
        path.push_back(p);
    }
    return path;
}

int flightWait(int speed, int step) {
    switch (speed) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return step % 2 == 0 ? 1 : 0;
    case 4:
        return step % 3 == 0 ? 1 : 0;
    default:
        return 0;
    }
}

std::string cutMemoLine(const std::string& text, int maxWidth,
                        const std::function<int(const std::string&)>& width) {
    std::string line = text;
    int cut = 0;
    while (cut < 12 && !line.empty() && width(line) > maxWidth) {
        // Drop one whole UTF-8 character from the end.
        std::size_t end = line.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
        line.erase(end);
        ++cut;
    }
    if (cut > 0) line += "...";
    return line;
}

} // namespace vantor
