#include "packs/face_ellipse.h"

namespace vantor {

TFaceEllipse faceEllipseFor(int width, int height) {
    constexpr int kInset = 10;
    if (width <= 2 * kInset || height <= 2 * kInset) return {};
    return {kInset, kInset, width - kInset, height - kInset};
}

bool insideFaceEllipse(const TFaceEllipse& box, int x, int y) {
    // Doubled coordinates keep the pixel centres (x + 0.5) and the box centre in integers.
    const std::int64_t rx = box.right - box.left, ry = box.bottom - box.top;
    if (rx <= 0 || ry <= 0) return false;
    const std::int64_t dx = 2 * std::int64_t{x} + 1 - (box.left + box.right);
    const std::int64_t dy = 2 * std::int64_t{y} + 1 - (box.top + box.bottom);
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

void invertFaceEllipse(std::uint32_t* pixels, int width, int height, std::size_t stride) {
    const TFaceEllipse box = faceEllipseFor(width, height);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (insideFaceEllipse(box, x, y))
                pixels[static_cast<std::size_t>(y) * stride + x] ^= 0x00FFFFFFu;
}

} // namespace vantor
