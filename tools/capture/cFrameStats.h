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
    // Scenes are kept in the order they first drew a frame.
    void record(const std::string& scene, double wall_ms, double post_ms, int pool_peak);
    void write(std::ostream& out) const;

    // The value below which `fraction` of the sorted values lie (nearest rank).
    static double percentile(std::vector<double> values, double fraction);

private:
    struct sScene {
        std::string name;
        std::vector<double> wall_ms;
        double total_ms = 0;
        double post_ms = 0;
        int pool_peak = 0;
    };
    std::vector<sScene> scenes_;
};
