// Per-scene frame statistics of a capture run: how many frames each scene
// drew, the wall-clock time each took (median, 95th percentile, worst), the
// share of it spent in the post effects and the render-target pool's peak.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class cFrameStats {
public:
    // Timing the post effects waits on the renderer between them, which slows the frame: one
    // frame in kPostEvery of each scene is timed so and counts toward the share only. The
    // times are those of the frames drawn as the demo draws them (or of the timed ones, for a
    // scene that drew no other).
    static constexpr int kPostEvery = 4;

    // Whether the scene's next frame is one whose post effects are timed.
    bool times_post(const std::string& scene) const;
    // Scenes are kept in the order they first drew a frame. `post_ms` counts for a frame
    // whose post effects were timed.
    void record(const std::string& scene, double wall_ms, double post_ms, int pool_peak,
                bool post_timed);
    void write(std::ostream& out) const;

    // The value below which `fraction` of the sorted values lie (nearest rank).
    static double percentile(std::vector<double> values, double fraction);

private:
    struct sScene {
        std::string name;
        std::vector<double> wall_ms;       // the frames drawn as the demo draws them
        std::vector<double> timed_wall_ms; // the frames whose post effects were timed
        double post_ms = 0;
        int pool_peak = 0;
    };
    size_t index_of(const std::string& scene) const; // scenes_.size() if not there

    std::vector<sScene> scenes_;
};
