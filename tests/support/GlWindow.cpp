#include "support/GlWindow.h"

#include "base/cResourcePath.h"
#include "cBakeImage.h"
#include "render/cShaderManager_CG.h"
#include "render/points/cPointCloud.h"
#include "support/Capture.h"

#include <filesystem>
#include <vector>

void cGlWindow::SetUp() {
    cDisplaySettings& settings = display_settings();
    settings.video_flags |= cDisplaySettings::kFullScreen;
    cCapture quiet; // the driver's attribute warning is not under test
    init_sdl(settings);
    init_gl(settings);
    init_image_library();
}

void cGlWindow::TearDown() {
    cSingleton<cShaderManager_CG>::destroy();
    cSingleton<cPointCloud>::destroy(); // its textures belong to this test's context
    cSingleton<cResourcePath>::destroy();
    SDL_Quit();
    cSingleton<cDisplaySettings>::destroy(); // the next test starts from the defaults
    if (!saved_cwd_.empty())
        std::filesystem::current_path(saved_cwd_);
}

std::string cGlWindow::start_shaders() {
    saved_cwd_ = std::filesystem::current_path().string();
    const std::string file = __FILE__;
    std::filesystem::current_path(file.substr(0, file.rfind("/support/")));
    cCapture lines;
    shader_manager().init();
    return lines.out();
}

std::array<int, 4> cGlWindow::pixel(int x, int y) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    uint8_t rgba[4] = {0, 0, 0, 0};
    glReadPixels(viewport[0] + x, viewport[1] + y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

void cGlWindow::flat_projection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void cGlWindow::save_window(const std::string& file) {
    const int w = 1024, h = 768;
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (size_t i = 3; i < rgba.size(); i += 4)
        rgba[i] = 255; // the picture as seen, not its blending alpha
    cBakeImage::save_png(file, w, h, 4, rgba);
}
