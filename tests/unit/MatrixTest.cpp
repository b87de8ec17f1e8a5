// The 4 x 4 helpers behind CPU-side orientations: rotations agree with OpenGL's sense, the
// +y-onto-d turn works for every direction including straight and slanted down, and the
// blend and point transform keep OpenGL's column-major layout.
#include "geometry/cMatrix4.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void expect_near(const Vec3f& a, const Vec3f& b, const char* what) {
    EXPECT_NEAR(a.x, b.x, 1e-5f) << what;
    EXPECT_NEAR(a.y, b.y, 1e-5f) << what;
    EXPECT_NEAR(a.z, b.z, 1e-5f) << what;
}

} // namespace

TEST(Matrix4, RotationsTurnRightHandedAndMovePointsInColumnMajorLayout) {
    const float half_pi = 1.5707963f;
    expect_near(cMatrix4::rotation({0, 0, 1}, half_pi).apply({1, 0, 0}), {0, 1, 0}, "z: x to y");
    expect_near(cMatrix4::rotation({1, 0, 0}, half_pi).apply({0, 1, 0}), {0, 0, 1}, "x: y to z");
    const float s = 1 / std::sqrt(3.0f);
    // A third of a turn about the diagonal cycles the axes.
    expect_near(cMatrix4::rotation({s, s, s}, 2.0943951f).apply({1, 0, 0}), {0, 1, 0}, "diag");
    cMatrix4 moved;
    moved.at(0, 3) = 4; // translation lives in the last column: entries 12..14
    EXPECT_EQ(moved.data()[12], 4.0f);
    expect_near(moved.apply({1, 2, 3}), {5, 2, 3}, "translation");
    // Composed as glMultMatrix does: the right-hand matrix acts first.
    const cMatrix4 both = cMatrix4::translation({0, 0, 7}) * cMatrix4::scaling({2, 3, 4});
    expect_near(both.apply({1, 1, 1}), {2, 3, 11}, "scale, then move");
    expect_near(both.turn({1, 1, 1}), {2, 3, 4}, "directions are not moved");
}

TEST(Matrix4, RotationOntoTakesUpToAnyDirection) {
    const Vec3f directions[] = {{0, 1, 0},           {0, -1, 0},       {1, 0, 0},
                                {0, 0, -1},          {0.6f, -0.8f, 0}, {-0.48f, -0.6f, 0.64f},
                                {0.36f, 0.48f, 0.8f}};
    for (const Vec3f& d : directions) {
        const cMatrix4 r = cMatrix4::rotation_onto(d);
        expect_near(r.apply({0, 1, 0}), d, "up lands on d");
        // Still a rotation: lengths kept.
        EXPECT_NEAR(r.apply({1, 0, 0}).length(), 1.0f, 1e-5f);
        EXPECT_NEAR(r.apply({0, 0, 1}).dot(r.apply({1, 0, 0})), 0.0f, 1e-5f);
    }
}

TEST(Matrix4, BlendIsEntryByEntry) {
    const cMatrix4 a, b = cMatrix4::rotation({0, 0, 1}, 1.5707963f);
    const cMatrix4 m = cMatrix4::blend(a, b, 0.25f);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m.data()[i], a.data()[i] + (b.data()[i] - a.data()[i]) * 0.25f, 1e-7f) << i;
    EXPECT_EQ(cMatrix4::blend(a, b, 0), a);
}
