// Per-scene frame statistics of a capture run: how many frames each scene
// drew and the wall-clock time each took (median, 95th percentile, worst),
// with the render-target pool's peak once the scene's last frame was drawn.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class cFrameStats {
public:
    // Scenes are kept in the order they first drew a frame.
    void record(const std::string& scene, double wall_ms, int pool_peak);
    void write(std::ostream& out) const;

    // The value below which `fraction` of the sorted values lie (nearest rank).
    static double percentile(std::vector<double> values, double fraction);

private:
    struct sScene {
        std::string name;
        std::vector<double> wall_ms;
        int pool_peak = 0;
    };
    std::vector<sScene> scenes_;
};
