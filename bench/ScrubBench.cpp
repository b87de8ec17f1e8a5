// scrub_bench: times the growth engine's per-frame step over a flight through the branch
// tube at the growing scrub's defaults (speed 5 units/s, density 4, 60 frames a second) and
// prints the mean and worst milliseconds per frame, the live blocks and the pairs in use.
#include "base/Messages.h"
#include "frame/AppSetup.h"
#include "scenes/scrub/cScrubSpline.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>

namespace {

constexpr int kFrames = 60 * 49; // the scene's length at 60 frames a second
constexpr float kStep = 5.0f / 60.0f;

} // namespace

int main() {
    cDisplaySettings& settings = display_settings();
    settings.video_flags |= cDisplaySettings::kFullScreen;
    init_sdl(settings);
    init_gl(settings);
    random_table().fill();
    std::ostringstream warnings;
    redirect_messages(&warnings, nullptr);
    cScrubSpline scrub;
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
    SDL_Quit();
    return 0;
}
