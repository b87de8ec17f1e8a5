// The tweak GUI drawn over a frame of each of the demo's scenes, in the order they leave
// their GL state behind, must show the same opaque pixels (letters and slider marks) as over
// a plain frame: whatever state a scene's drawing leaves, the GUI sets what it needs.
#include "frame/SceneList.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "support/Capture.h"
#include "support/GlWindow.h"
#include "support/StubScene.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cTweakGui.h"

#include <filesystem>
#include <vector>

namespace {

constexpr int kWidth = 1024, kHeight = 768;

std::vector<uint8_t> read_window() {
    std::vector<uint8_t> rgb(size_t(kWidth) * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

std::vector<uint8_t> gui_over_clear(cTweakGui& gui, float grey) {
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gui.draw();
    return read_window();
}

class GuiOverScenesTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        saved_cwd_ = std::filesystem::current_path().string();
        std::filesystem::current_path(std::filesystem::path(DEMO_BINARY).parent_path());
        register_search_paths();
        cCapture quiet;
        shader_manager().init();
    }
    void TearDown() override {
        cCapture quiet;
        render_target_manager().set_clock(nullptr);
        cSingleton<cSceneManager>::destroy();
        cSingleton<cTextureManager>::destroy();
        cSingleton<cRenderTargetManager>::destroy();
        cGlWindow::TearDown();
    }
};

} // namespace

TEST_F(GuiOverScenesTest, TheGuiLooksTheSameOverEveryScene) {
    float angle = 3, gain = -0.5f;
    Vec3f eye(1, 2, 3);
    cStubScene vars("gui test", [&](cGuiVarList& v) {
        add_var(v, "angle", &angle, 0, 10);
        add_var(v, "gain", &gain, -1, 1);
        add_var(v, "cam-eye", &eye, -10, 10);
    });
    cTweakGui gui;
    gui.layout();
    gui.refill(&vars);
    // Blended over any picture, a pixel the GUI covers lies between the GUI over black and
    // the GUI over white; the closer those two, the more opaque the GUI is there.
    const std::vector<uint8_t> black = gui_over_clear(gui, 0), white = gui_over_clear(gui, 1);
    std::vector<size_t> covered;
    for (size_t i = 0; i < black.size(); i += 3)
        if (int(white[i]) - int(black[i]) < 200)
            covered.push_back(i);
    ASSERT_GT(covered.size(), 100000u) << "the panel, letters and sliders";

    cSceneManager& manager = scene_manager();
    {
        cCapture quiet;
        add_scenes(manager);
        for (cScene* scene : manager.scenes())
            scene->load();
    }
    cDemoTime& time = manager.demo_time();
    for (cScene* scene : manager.scenes()) {
        SCOPED_TRACE(scene->get_name());
        cCapture quiet;
        time.prev_ms = 2000;
        time.now_ms = 2040;
        scene->init();
        scene->update();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene->draw();
        gui.draw();
        const std::vector<uint8_t> seen = read_window();
        scene->deinit();
        size_t outside = 0;
        for (size_t i : covered)
            for (size_t c = i; c < i + 3; ++c)
                outside += seen[c] + 2 < black[c] || seen[c] > white[c] + 2;
        EXPECT_LE(outside, covered.size() / 1000) << "of " << covered.size() << " pixels";
    }
}
