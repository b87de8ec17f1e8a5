// scrub_bench: times the growth engine's per-frame step over a flight through the branch
// tube at the growing scrub's defaults (speed 5 units/s, density 4, 60 frames a second) and
// prints the mean and worst milliseconds per frame, the live blocks and the pairs in use, then
// draws the tube whole and through the scene's view.
#include "base/Messages.h"
#include "frame/AppSetup.h"
#include "geometry/cViewFrustum.h"
#include "scenes/scrub/cScrub.h"
#include "toolkit/cRandomTable.h"

#include <GL/glu.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>

namespace {

constexpr int kFrames = 60 * 49; // the scene's length at 60 frames a second
constexpr float kStep = 5.0f / 60.0f;

double draw_ms2(const cScrub& scrub, const cViewFrustum* view = nullptr);

// The tube as the scene draws it: lit, fogged, blended, seen from inside; mean of 20 frames.
double draw_ms(const cScrub& scrub, float z) {
    glViewport(0, 64, 1024, 640);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, 0.2f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, 1.3333334, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(10.0, 9.9, z + 1.0, 10.0, 10.0, z + 2.0, 0, 1, 0);
    return draw_ms2(scrub);
}

double draw_ms2(const cScrub& scrub, const cViewFrustum* view) {
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (view != nullptr)
            scrub.draw_blocks(*view);
        else
            scrub.draw_blocks();
        glFinish();
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
               .count() /
           20.0;
}

} // namespace

int main() {
    cDisplaySettings& settings = display_settings();
    settings.video_flags |= cDisplaySettings::kFullScreen;
    init_sdl(settings);
    init_gl(settings);
    random_table().fill();
    std::ostringstream warnings;
    redirect_messages(&warnings, nullptr);
    cScrub scrub;
    scrub.density = 4.0f;
    scrub.advance(10.0f, 24.0f);
    scrub.advance(10.0f, 24.0f);
    const std::string load_lines = warnings.str();
    warnings.str("");
    double total = 0, worst = 0;
    size_t most_blocks = 0, most_nodes = 0;
    float z = 10.0f;
    for (int f = 0; f < kFrames; ++f) {
        z += kStep;
        scrub.inner_radius = 0.44f + 0.06f * next_random();
        const auto start = std::chrono::steady_clock::now();
        scrub.advance(z, z + 14.0f);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        total += ms;
        worst = std::max(worst, ms);
        most_blocks = std::max(most_blocks, scrub.geometry.blocks().size());
        most_nodes = std::max(most_nodes, scrub.nodes().size());
    }
    redirect_messages(nullptr, nullptr);
    const std::string flight_lines = warnings.str();
    std::printf("# scrub_bench: %d frames of advance at 5 units/s, density 4\n", kFrames);
    std::printf("# scrub_bench: mean %.3f ms, worst %.3f ms per frame\n", total / kFrames, worst);
    std::printf("# scrub_bench: live blocks at most %zu (pool of 30), live nodes at most %zu\n",
                most_blocks, most_nodes);
    std::printf("# scrub_bench: reallocation warnings at load: %zu, in flight: %zu\n",
                static_cast<size_t>(std::count(load_lines.begin(), load_lines.end(), '\n')),
                static_cast<size_t>(std::count(flight_lines.begin(), flight_lines.end(), '\n')));
    size_t vertices = 0;
    for (const auto& b : scrub.geometry.blocks())
        vertices += static_cast<size_t>(b.vertex_count);
    std::printf(
        "# scrub_bench: draw_blocks of %zu vertices, lit and fogged at 1024 x 640: %.3f ms\n",
        vertices, draw_ms(scrub, z));
    const cViewFrustum view = cViewFrustum::current();
    size_t pieces = 0, seen = 0;
    for (const auto& b : scrub.geometry.blocks())
        for (const auto& piece : b.pieces) {
            ++pieces;
            seen += view.outside(piece.centre, piece.radius) ? 0 : 1;
        }
    std::printf("# scrub_bench: %zu of %zu pieces reach the view\n", seen, pieces);
    for (int round = 0; round < 3; ++round) {
        glDisable(GL_CULL_FACE);
        const double both = draw_ms2(scrub);
        glEnable(GL_CULL_FACE);
        const double front = draw_ms2(scrub);
        const double culled = draw_ms2(scrub, &view);
        std::printf("# scrub_bench: both sides %.3f ms, front faces only %.3f ms, front faces "
                    "in view %.3f ms\n",
                    both, front, culled);
    }
    SDL_Quit();
    return 0;
}
