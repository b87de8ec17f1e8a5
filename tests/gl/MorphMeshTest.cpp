#include "base/cResourcePath.h"
#include "mesh_files/cMeshMorph.h"
#include "render/cShaderManager_CG.h"
#include "support/BzObjBlock.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/TestAudio.h"

namespace {

// A lit square with normals toward the viewer, spanning x0..x1 over the
// picture's full height.
cBzObjBlock square(float x0, float x1) {
    cBzObjBlock b;
    b.header(0x02, 4, 2, 0).values({x0, -1, 0, x1, -1, 0, x1, 1, 0, x0, 1, 0});
    b.values({0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});
    b.ints({0, 0, 1, 1, 2, 1}).ints({0, 0});
    return b;
}

class MorphMeshTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        start_shaders();
        resource_path().push_searchpath(dir_.path(""));
        write_bzobj(dir_.path("right.bzobj"), square(0, 1));
        write_bzobj(dir_.path("left.bzobj"), square(-1, 0));
    }
    bool lit(int x, int y) {
        const auto p = pixel(x, y);
        return p[0] + p[1] + p[2] > 60;
    }
    void draw(cMeshMorph& morph, float weight) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        flat_projection();
        glEnable(GL_LIGHT0);
        morph.set_weight(weight);
        morph.draw();
    }

    TempDir dir_;
};

} // namespace

TEST_F(MorphMeshTest, TheWeightMovesTheBaseShapeOntoTheTarget) {
    cMeshMorph morph;
    morph.load("right.bzobj", "left.bzobj");
    morph.upload(true);
    draw(morph, 0.0f);
    EXPECT_TRUE(lit(900, 320));
    EXPECT_FALSE(lit(100, 320));
    draw(morph, 1.0f);
    EXPECT_FALSE(lit(900, 320));
    EXPECT_TRUE(lit(100, 320));
    draw(morph, 0.5f); // halfway: the square spans -0.5..0.5
    EXPECT_TRUE(lit(512, 320));
    EXPECT_FALSE(lit(100, 320));
    EXPECT_FALSE(lit(900, 320));
    EXPECT_EQ(shader_manager().current(), "null_shader"); // the shader stack is restored
}

TEST_F(MorphMeshTest, LoadingAgainKeepsTheFirstShader) {
    cMeshMorph morph;
    morph.load("right.bzobj", "left.bzobj");
    cCapture capture;
    morph.load("left.bzobj", "right.bzobj");
    EXPECT_EQ(capture.err(), "# warning: shader \"morph_shader\" already exists! Skipping...\n");
    EXPECT_EQ(morph.base()->positions[0], -1.0f);
}
