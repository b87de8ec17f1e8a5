// The sprutte's x-ray program on a lit-free sphere: with `inv` 1 an opaque body, white where
// it faces the viewer and dark along its outline; with `inv` 0 the glow, a bright rim around a
// transparent core. Both read the surface's angle to the view, so a sphere shows the whole ramp.
#include "ShaderFixture.h"

#include "render/ShaderRegistry.h"
#include "render/cShaderParameter.h"
#include "shaders/cShdXray.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

using XrayShaderTest = cShaderFixture;

// A sphere of radius 2 seen from 10 units in front: about 240 pixels in radius.
tPixels sphere_through_xray(float inv) {
    auto target = std::make_unique<cRenderTarget_fbo>(kViewWidth, kViewHeight);
    target->create();
    target->begin();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30, double(kViewWidth) / kViewHeight, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 10, 0, 0, 0, 0, 1, 0);
    ensure_shader<cShdXray>("xray_shader");
    cShaderParameter<float> value(inv);
    shader_manager().set_parameter("xray_shader", 1, &value);
    shader_manager().bind("xray_shader");
    glColor4f(1, 1, 1, 1);
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, 2, 64, 32);
    gluDeleteQuadric(quadric);
    shader_manager().unbind();
    tPixels pixels = read_view();
    target->end();
    return pixels;
}

} // namespace

TEST_F(XrayShaderTest, BodyIsWhiteInTheMiddleAndDarkAtTheOutlineGlowTheReverse) {
    const int cx = kViewWidth / 2, cy = kViewHeight / 2;
    // The outline: find the sphere's last covered pixel to the right of the centre.
    const tPixels body = sphere_through_xray(1);
    int edge = cx;
    while (edge < kViewWidth - 1 && at(body, edge + 1, cy, 3) > 0)
        ++edge;
    ASSERT_GT(edge - cx, 200) << "the sphere covers the middle of the picture";
    ASSERT_LT(edge - cx, 280);
    const int rim = edge - 2;
    EXPECT_GE(at(body, cx, cy), 245) << "facing the viewer: white";
    EXPECT_EQ(at(body, cx, cy, 3), 255) << "opaque";
    EXPECT_LT(at(body, rim, cy), 90) << "seen edge-on: dark";
    EXPECT_EQ(at(body, rim, cy, 3), 255);
    EXPECT_GT(at(body, cx + (edge - cx) / 2, cy), at(body, rim, cy)) << "a ramp between";

    const tPixels glow = sphere_through_xray(0);
    EXPECT_LE(at(glow, cx, cy), 10) << "the glow's core is dark";
    EXPECT_LE(at(glow, cx, cy, 3), 10) << "and transparent";
    EXPECT_GT(at(glow, rim, cy), 165) << "its rim bright";
    EXPECT_GT(at(glow, rim, cy, 3), 165) << "and opaque";
}
