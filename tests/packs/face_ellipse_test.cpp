// The inverted ellipse of the stored faces: where it lies, and that inverting twice restores.
#include "packs/face_ellipse.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantor {
namespace {

TEST(FaceEllipse, BoxesOfTheThreeFaceSizes) {
    struct Case {
        int w, h, right, bottom;
    };
    for (const Case c :
         {Case{69, 94, 59, 84}, Case{146, 198, 136, 188}, Case{126, 198, 116, 188}}) {
        const TFaceEllipse box = faceEllipseFor(c.w, c.h);
        EXPECT_EQ(box.left, 10);
        EXPECT_EQ(box.top, 10);
        EXPECT_EQ(box.right, c.right);
        EXPECT_EQ(box.bottom, c.bottom);
    }
    EXPECT_EQ(faceEllipseFor(20, 94).right, 0);
}

TEST(FaceEllipse, CentreAndEdgeMidpointsInCornersOut) {
    const TFaceEllipse box = faceEllipseFor(69, 94);
    EXPECT_TRUE(insideFaceEllipse(box, 34, 47));
    EXPECT_TRUE(insideFaceEllipse(box, 10, 47)); // left end of the outline
    EXPECT_TRUE(insideFaceEllipse(box, 58, 46)); // right end
    EXPECT_TRUE(insideFaceEllipse(box, 34, 10)); // top
    EXPECT_TRUE(insideFaceEllipse(box, 34, 83)); // bottom
    EXPECT_FALSE(insideFaceEllipse(box, 9, 47)); // just outside the box
    EXPECT_FALSE(insideFaceEllipse(box, 59, 47));
    EXPECT_FALSE(insideFaceEllipse(box, 11, 11)); // corner of the box
    EXPECT_FALSE(insideFaceEllipse(box, 57, 82));
    // Symmetric left to right and top to bottom.
    for (int y = 10; y < 84; ++y)
        for (int x = 10; x < 59; ++x) {
            EXPECT_EQ(insideFaceEllipse(box, x, y), insideFaceEllipse(box, 68 - x, y));
            EXPECT_EQ(insideFaceEllipse(box, x, y), insideFaceEllipse(box, x, 93 - y));
        }
}

TEST(FaceEllipse, InvertingTwiceRestoresAndAlphaStays) {
    const int w = 146, h = 198;
    std::vector<std::uint32_t> face(w * h);
    for (std::size_t i = 0; i < face.size(); ++i)
        face[i] = 0x80000000u | (static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFFu);
    const auto original = face;
    invertFaceEllipse(face.data(), w, h, w);
    EXPECT_EQ(face[0], original[0]);
    EXPECT_EQ(face[99 * w + 73], original[99 * w + 73] ^ 0x00FFFFFFu);
    for (std::size_t i = 0; i < face.size(); ++i) ASSERT_EQ(face[i] >> 24, 0x80u);
    invertFaceEllipse(face.data(), w, h, w);
    EXPECT_EQ(face, original);
}

} // namespace
} // namespace vantor
