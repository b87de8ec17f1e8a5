// post_bench: times each post effect on a full-size picture at the default 1024 x 640 view
// and prints the median milliseconds per call (the GL pipeline finished after each call).
// Run from bin/ under a display, e.g. xvfb-run -a -s "-screen 0 1024x768x24" ./post_bench.
#include "cBakeImage.h"
#include "frame/AppSetup.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"

#include <GL/gl.h>
#include <IL/il.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

double median_ms(const std::function<void()>& effect) {
    effect(); // first use registers and compiles its shaders
    glFinish();
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        effect();
        glFinish();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// An identity lookup table for the colour correction, written beside the temporary files.
std::string identity_table() {
    std::vector<uint8_t> table;
    for (int i = 0; i < 256; ++i)
        table.insert(table.end(), {uint8_t(i), uint8_t(i), uint8_t(i)});
    const std::string path = "/tmp/post_bench_identity.png";
    cBakeImage::save_png(path, 256, 1, 3, table);
    return path;
}

void run() {
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget source, destination;
    pool.acquire(source, RTT_FULL);
    pool.acquire(destination, RTT_FULL);
    iRenderTarget& a = *source.get();
    iRenderTarget& b = *destination.get();
    const cColorCorrection correction(identity_table());
    const cHsbParams hsb_params{30, 10, 5};
    const cGlowParams glow_params{105, 1.5f, 0.6f};
    const struct {
        const char* name;
        std::function<void()> effect;
    } effects[] = {
        {"levels", [&] { levels(a, 10, 240, 1.2f, 0, 255); }},
        {"hsb", [&] { hsb(hsb_params, a); }},
        {"blur", [&] { blur(a, b); }},
        {"spill_into", [&] { spill_into(RTT_HALF, a, cut_levels(), b); }},
        {"spill_half", [&] { spill_half(cut_levels(), a); }},
        {"glow (105 layers)", [&] { glow(b, a, glow_params); }},
        {"color_correction", [&] { correction.apply(a); }},
        {"row_resample", [&] { row_resample(a, b); }},
    };
    std::printf("%-20s %10s\n", "effect", "ms/call");
    for (const auto& e : effects)
        std::printf("%-20s %10.2f\n", e.name, median_ms(e.effect));
    pool.release(source);
    pool.release(destination);
}

} // namespace

int main() {
    cDisplaySettings& settings = display_settings();
    settings.video_flags |= cDisplaySettings::kFullScreen;
    init_sdl(settings);
    init_gl(settings);
    init_image_library();
    register_search_paths();
    shader_manager().init();
    std::printf("# %s, view %u x %u\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                settings.view_width, settings.view_height);
    run();
    cSingleton<cShaderManager_CG>::destroy();
    cSingleton<cRenderTargetManager>::destroy();
    cSingleton<cTextureManager>::destroy();
    SDL_Quit();
    return 0;
}
