#include "base/cResourcePath.h"
#include "render/cTextureManager.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/StubScene.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cPSRenderPoints.h"
#include "toolkit/cTweakGui.h"

#include <IL/il.h>
#include <filesystem>
#include <vector>

namespace {

class ToolkitDrawTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        flat_projection();
        system_.init(1, 0, 2, Vec3f(), 20);
    }
    void TearDown() override {
        cSingleton<cTextureManager>::destroy(); // its textures die with the context
        cGlWindow::TearDown();
    }

    // Brightest channel of a window pixel (not a picture pixel).
    static int window_level(int x, int y) {
        uint8_t rgba[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return std::max({rgba[0], rgba[1], rgba[2]});
    }
    static int bright_pixels(float x0, float y0, float x1, float y1) {
        int count = 0;
        for (int y = int(y0 * 768); y < int(y1 * 768); ++y)
            for (int x = int(x0 * 1024); x < int(x1 * 1024); ++x)
                count += window_level(x, y) > 160;
        return count;
    }
    cParticleSystem system_;
};

} // namespace

TEST_F(ToolkitDrawTest, PointRendererDrawsLiveParticlesAndNothingWithoutThem) {
    cPSRenderPoints points;
    points.create_buffer();
    system_.set_alive(7, true);
    system_.positions[3] = Vec3f(0.5f, 0.5f, 0); // dead: never drawn
    points.render(system_);
    EXPECT_EQ(points.point_count, 1u);
    EXPECT_EQ(pixel(512, 320)[0], 255);
    EXPECT_EQ(pixel(768, 480)[0], 0);
    GLboolean depth_mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_mask);
    EXPECT_TRUE(depth_mask);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));

    system_.set_alive(7, false); // the buffer still holds last frame's point: not drawn
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    points.render(system_);
    EXPECT_EQ(points.point_count, 0u);
    EXPECT_EQ(pixel(512, 320)[0], 0);
    points.delete_buffer();
}

TEST_F(ToolkitDrawTest, GuiOverAFrameShowsSlidersNamesAndValues) {
    init_image_library();
    const auto root = std::filesystem::path(DEMO_BINARY).parent_path().parent_path();
    resource_path().push_searchpath((root / "data" / "textures").string());
    glClearColor(0.1f, 0.2f, 0.4f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    float angle = 0.5f;
    Vec3f eye{1, 2.5f, -5};
    int frames = 1234;
    cStubScene scene("overlay (test)", [&](cGuiVarList& vars) {
        add_var(vars, "angle", &angle, -1, 1);
        add_var(vars, "cam-eye", &eye, -10, 10);
        add_watch(vars, "frames", &frames);
    });
    cTweakGui gui;
    cCapture quiet;
    gui.layout();
    gui.refill(&scene);
    gui.draw();
    save_window("tweak_gui.png");
    // Row 0 (y 0.67..0.695): a white bar from the zero mark at 0.575 to
    // the value mark at 0.7375; left of it only the slider's faint fill.
    EXPECT_GT(window_level(int(0.65f * 1024), int(0.68f * 768)), 120);
    EXPECT_LT(window_level(int(0.40f * 1024), int(0.68f * 768)), 120);
    // Text: the names, the value 0.50 and the scene's name; nothing where
    // the second label's empty text stands.
    EXPECT_GT(bright_pixels(0.05f, 0.67f, 0.10f, 0.684f), 30);
    EXPECT_GT(bright_pixels(0.20f, 0.67f, 0.24f, 0.684f), 20);
    EXPECT_GT(bright_pixels(0.05f, 0.70f, 0.19f, 0.714f), 60);
    EXPECT_EQ(bright_pixels(0.83f, 0.70f, 0.95f, 0.714f), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[1], 64); // the picture's letterbox is back
}
