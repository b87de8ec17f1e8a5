// post_bench: times each post effect on a full-size picture at the default 1024 x 640 view and
// prints the median milliseconds per call (the GL pipeline finished after each call), and the
// same as a ratio to a plain textured copy of the size the effect writes, timed in the same
// run; then the shader binds and uniform uploads each effect costs. Ratios carry from machine
// to machine where milliseconds do not.
// Run from bin/ under a display, e.g. xvfb-run -a -s "-screen 0 1024x768x24" ./post_bench.
#include "cBakeImage.h"
#include "frame/AppSetup.h"
#include "platform/CgLayer.h"
#include "render/ScreenHelpers.h"
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
#include <map>
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

// The unit: a target of each pool size filled by a plain textured copy of one as large.
std::map<eRTType, double> copy_ms() {
    std::map<eRTType, double> ms;
    for (eRTType type : {RTT_FULL, RTT_HALF, RTT_QUATER, RTT_EIGHTH}) {
        cTmpRenderTarget from, into;
        render_target_manager().acquire(from, type);
        render_target_manager().acquire(into, type);
        ms[type] = median_ms([&] {
            into->begin();
            draw_target(*from.get());
            into->end();
        });
        std::printf("%-20s %10.2f %8s   (%u x %u)\n",
                    (std::string("copy ") + cRenderTargetManager::type_name(type)).c_str(),
                    ms[type], "1.0", from->width(), from->height());
        render_target_manager().release(from);
        render_target_manager().release(into);
    }
    return ms;
}

struct sBindFigures {
    long binds = 0, uploads = 0;
    double seconds = 0;
};

// One call's shader traffic.
void count_one_call(const std::function<void()>& effect, sBindFigures& total, const char* name) {
    const sCgCounters before = cg_counters();
    const auto start = std::chrono::steady_clock::now();
    effect();
    glFinish();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long binds = cg_counters().program_switches - before.program_switches;
    const long uploads = cg_counters().uniform_uploads - before.uniform_uploads;
    std::printf("%-20s %10ld %10ld %12.2f\n", name, binds, uploads,
                binds ? double(uploads) / double(binds) : 0.0);
    total.binds += binds;
    total.uploads += uploads;
    total.seconds += seconds;
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
    const cLevelsParams grade_levels{10, 240, 1.2f, 0, 255};
    // Every effect writes a full-size picture: the window's view or a full target.
    const struct {
        const char* name;
        std::function<void()> effect;
    } effects[] = {
        {"levels",
         [&] {
             levels(a, {10, 240, 1.2f, 0, 255});
         }},
        {"hsb", [&] { hsb(hsb_params, a); }},
        {"blur", [&] { blur(a, b); }},
        {"spill_into", [&] { spill_into(RTT_HALF, a, cut_levels(), b); }},
        {"spill_half", [&] { spill_half(cut_levels(), a); }},
        {"glow (105 layers)", [&] { glow(b, a, glow_params); }},
        {"color_correction", [&] { correction.apply(a); }},
        {"row_resample", [&] { row_resample(a, b); }},
        {"grade (all steps)",
         [&] {
             grade(a, {&b, &correction.lookup(), &hsb_params, &grade_levels});
         }},
    };
    std::printf("%-20s %10s %8s\n", "effect", "ms/call", "x copy");
    const std::map<eRTType, double> copy = copy_ms();
    for (const auto& e : effects) {
        const double ms = median_ms(e.effect);
        std::printf("%-20s %10.2f %8.1f\n", e.name, ms, ms / copy.at(RTT_FULL));
    }
    std::printf("\n%-20s %10s %10s %12s\n", "shader traffic", "binds", "uploads", "uploads/bind");
    sBindFigures total;
    for (const auto& e : effects)
        count_one_call(e.effect, total, e.name);
    std::printf("%-20s %10ld %10ld %12.2f   (%.0f binds/s over the chain)\n", "all", total.binds,
                total.uploads, total.binds ? double(total.uploads) / double(total.binds) : 0.0,
                double(total.binds) / total.seconds);
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
