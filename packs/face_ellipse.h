#pragma once
// Card faces in the face-set packs are stored with one ellipse of colour-inverted pixels: the
// ellipse inscribed in the rectangle 10 pixels inside the picture's edges, (10, 10) to
// (59, 84) on a 69 x 94 face. The pack builder inverts it when it writes a face and the loader
// inverts it again when it reads one, so both must agree on every pixel; this is that rule.

#include <cstddef>
#include <cstdint>

namespace vantor {

struct TFaceEllipse {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom are exclusive
};

// The ellipse's box for a face of that size; empty when the face is too small to have one.
TFaceEllipse faceEllipseFor(int width, int height);

// Whether the pixel (x, y) belongs to the ellipse: its centre lies inside or on the ellipse
// inscribed in the box, which includes the outline.
bool insideFaceEllipse(const TFaceEllipse& box, int x, int y);

// Replaces every pixel of the ellipse by its colour complement, alpha untouched. Pixels are
// 32-bit words with alpha in the top byte and unpremultiplied colour below it (QImage's
// ARGB32, or RGBA/BGRA read as little-endian words on the usual machines), `stride` pixels a row.
void invertFaceEllipse(std::uint32_t* pixels, int width, int height, std::size_t stride);

} // namespace vantor
