// The load screen with the pipeline's own models and pictures, drawn from
// bin/ as in the demo: progress turns the knob and lights the meter.
#include "base/cResourcePath.h"
#include "render/cRenderTargetManager.h"
#include "render/cTextureManager.h"
#include "scenes/loader/cLoadScreen_MM.h"
#include "support/GlWindow.h"

#include <filesystem>

namespace {

class LoadScreenTest : public cGlWindow {
protected:
    void SetUp() override {
        cGlWindow::SetUp();
        start_shaders();
        std::filesystem::current_path(std::filesystem::path(DEMO_BINARY).parent_path());
        register_search_paths();
    }
    void TearDown() override {
        cSingleton<cTextureManager>::destroy();
        cSingleton<cRenderTargetManager>::destroy();
        cGlWindow::TearDown();
    }
    // The frame as RGB, bottom row first.
    std::vector<uint8_t> frame(cLoadScreen_MM& screen, float progress, const char* png) {
        screen.draw_frame(progress);
        save_window(saved_cwd_ + "/" + png);
        std::vector<uint8_t> rgb(1024 * 640 * 3);
        glReadPixels(0, 64, 1024, 640, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    }
    // How many pixels of the region (picture coordinates) differ clearly.
    static int changed(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int x0, int y0,
                       int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const size_t at = (static_cast<size_t>(y) * 1024 + x) * 3;
                n += std::abs(a[at] - b[at]) + std::abs(a[at + 1] - b[at + 1]) > 40;
            }
        return n;
    }
};

} // namespace

TEST_F(LoadScreenTest, ProgressTurnsTheKnobAndLightsTheMeter) {
    cDemoTime clock;
    cLoadScreen_MM screen(clock);
    const std::vector<uint8_t> empty = frame(screen, 0.0f, "load_screen_0.png");
    const std::vector<uint8_t> full = frame(screen, 1.0f, "load_screen_1.png");
    EXPECT_GT(changed(empty, full, 640, 0, 1024, 320), 300);  // the knob, lower right
    EXPECT_GT(changed(empty, full, 100, 150, 560, 420), 100); // the meter, left of centre
    EXPECT_LT(changed(empty, full, 0, 520, 512, 640), 50);    // the overlay stays
    EXPECT_EQ(render_target_manager().in_use(), 0);
}
