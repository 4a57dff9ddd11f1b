#pragma once
// Geometry of the table: the five window sizes, the scale from the 760 x 500 design space to
// pixels, where every element of the table goes, how a hand spreads its cards, and the path and
// pacing of a flying card. Pure arithmetic, so it is tested without a window.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

constexpr int kDesignWidth = 760;
constexpr int kDesignHeight = 500;

struct TSize {
    int width = 0, height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Scale factors of a window size; round() is half to even throughout.
struct TScale {
    double kx = 1.0, ky = 1.0, k = 1.0;

    int ScaleK(double v) const;
    int ScaleX(double x, double w) const;
    int ScaleY(double y, double h) const;
    // An element of design rectangle (L, T, R, B).
    TRect place(int l, int t, int r, int b) const;
};

// Window sizes as stored: 1 small, 2 full screen, 3 average 1, 4 average 2, 5 large.
// `fullScreenClient` is the client area the window gets when aligned to the screen.
TSize clientSizeOf(int windowSize, TSize fullScreenClient);
TScale scaleOf(int windowSize, TSize fullScreenClient);

// The sizes the options list offers on a screen, in list order (values 1..5).
std::vector<int> offeredWindowSizes(TSize screen);

// Card size and drawing mode: 1 stored bitmaps with a drawn border, 0 stretched pictures,
// 2 large pictures.
struct TCardSize {
    int width = 0, height = 0, mode = 1;
};
TCardSize cardSizeFor(double k, bool wideDeck);

// The table's elements for seat 1..4.
TRect handRect(const TScale& s, int seat, int cardHeight);
TRect bubbleRect(const TScale& s, int seat);
TRect pointerRect(const TScale& s, int seat);
TRect tableRect(const TScale& s);      // ImageStol
TRect roundPanelRect(const TScale& s); // ImageKon
TRect memoRect(const TScale& s);       // ImageMemo
TRect deckRect(const TScale& s);       // ImageKoloda
TRect button7Rect(const TScale& s);
TRect button8Rect(const TScale& s);
TRect moveClockRect(const TScale& s, int seat);
// Base top of the cards inside a hand image: room for lifting the local player's cards.
int handBaseTop(const TScale& s, int seat);
// Where the k-th card (1..4) of the group lies inside the table image.
int tablePlaceX(const TScale& s, int k);

// Left edges of n cards of width `cardWidth` spread over a hand image `width` wide; index 1..n,
// the other entries 0.
std::array<int, 37> LayoutHandX(int width, int n, int cardWidth);

// The hand card under a horizontal position: card i owns its left edge up to one pixel before
// card i + 1's left edge, the last card its whole width; 0 for none.
int cardAt(const std::array<int, 37>& left, int n, int cardWidth, int x);

// The points a flying card passes, one pixel a step along the longer axis; the start is not
// included, the end is the last point. A flight that does not move has no steps.
struct TPoint {
    int x = 0, y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
std::vector<TPoint> flightPath(TPoint from, TPoint to);
// Milliseconds to wait after step `step` (counted from 1) at flight speed 1..6.
int flightWait(int speed, int step);

// The memo line rule: cut from the end while wider than `maxWidth`, at most 12 characters, and
// mark a cut with "...". `width` measures a text (UTF-8; characters are cut, not bytes).
std::string cutMemoLine(const std::string& text, int maxWidth,
                        const std::function<int(const std::string&)>& width);

} // namespace vantor
