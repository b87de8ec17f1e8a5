// What a camera sees, as planes in the space its matrix starts from: spheres beyond any of the
// six planes are outside, spheres reaching across one are not, and depth is the distance in
// front of the eye.
#include "geometry/cViewFrustum.h"

#include <gtest/gtest.h>

namespace {

// gluPerspective(90, 4/3, 0.1, 100) after a model-view that moves x = 10 to the eye's axis.
cViewFrustum camera() {
    const float n = 0.1f, f = 100.0f, aspect = 4.0f / 3.0f;
    cMatrix4 p;
    p.at(0, 0) = 1 / aspect;
    p.at(1, 1) = 1;
    p.at(2, 2) = (f + n) / (n - f);
    p.at(2, 3) = 2 * f * n / (n - f);
    p.at(3, 2) = -1;
    p.at(3, 3) = 0;
    return cViewFrustum(p * cMatrix4::translation({-10, 0, 0}));
}

} // namespace

TEST(ViewFrustum, SpheresBeyondAPlaneAreOutsideAndDepthIsTheDistanceAhead) {
    // At 5 units ahead the view reaches 5 up and down and 6.67 to either side; the side
    // planes lean by 53.13 degrees, so a centre 0.833 beyond one lies 0.5 from it.
    const struct {
        Vec3f centre;
        float radius;
        bool outside;
    } cases[] = {
        {{10, 0, -5}, 0.1f, false},          {{10, 0, 5}, 1.0f, true},
        {{10, 0, -0.05f}, 0.01f, true},      {{10, 0, -0.05f}, 0.06f, false},
        {{10, 0, -101}, 0.5f, true},         {{10, 0, -101}, 1.5f, false},
        {{10 - 7.5f, 0, -5}, 0.45f, true},   {{10 - 7.5f, 0, -5}, 0.55f, false},
        {{10 + 7.5f, 0, -5}, 0.45f, true},   {{10, 5 + 1.25f, -5}, 0.8f, true},
        {{10, -5 - 1.25f, -5}, 0.9f, false}, {{0, 0, -5}, 1.0f, true},
    };
    const cViewFrustum view = camera();
    for (const auto& c : cases)
        EXPECT_EQ(view.outside(c.centre, c.radius), c.outside)
            << c.centre.x << " " << c.centre.y << " " << c.centre.z << " r " << c.radius;
    EXPECT_NEAR(view.depth({11, 2, -5}), 5.0f, 1e-5f);
    EXPECT_NEAR(view.depth({10, 0, 3}), -3.0f, 1e-5f);
}
