#include "cFrameStats.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <numeric>

size_t cFrameStats::index_of(const std::string& scene) const {
    auto it = std::find_if(scenes_.begin(), scenes_.end(),
                           [&](const sScene& s) { return s.name == scene; });
    return static_cast<size_t>(it - scenes_.begin());
}

// The fourth frame of a scene, the eighth, ...: a scene of fewer frames keeps its times.
bool cFrameStats::times_post(const std::string& scene) const {
    const size_t i = index_of(scene);
    const size_t drawn =
        i < scenes_.size() ? scenes_[i].wall_ms.size() + scenes_[i].timed_wall_ms.size() : 0;
    return drawn % kPostEvery == kPostEvery - 1;
}

void cFrameStats::record(const std::string& scene, double wall_ms, double post_ms, int pool_peak,
                         bool post_timed) {
    const size_t i = index_of(scene);
    if (i == scenes_.size())
        scenes_.push_back(sScene{scene, {}, {}, 0, 0});
    sScene& s = scenes_[i];
    if (post_timed) {
        s.timed_wall_ms.push_back(wall_ms);
        s.post_ms += post_ms;
    } else {
        s.wall_ms.push_back(wall_ms);
    }
    s.pool_peak = std::max(s.pool_peak, pool_peak);
}

double cFrameStats::percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

void cFrameStats::write(std::ostream& out) const {
    out << "# scene                   frames  median_ms     p95_ms   worst_ms  post_pct  "
           "pool_peak\n";
    out << std::fixed << std::setprecision(2);
    for (const sScene& s : scenes_) {
        const std::vector<double>& times = s.wall_ms.empty() ? s.timed_wall_ms : s.wall_ms;
        const double timed_ms =
            std::accumulate(s.timed_wall_ms.begin(), s.timed_wall_ms.end(), 0.0);
        out << std::left << std::setw(24) << s.name << std::right << std::setw(8)
            << s.wall_ms.size() + s.timed_wall_ms.size() << std::setw(11) << percentile(times, 0.5)
            << std::setw(11) << percentile(times, 0.95) << std::setw(11) << percentile(times, 1.0)
            << std::setw(10) << (timed_ms > 0 ? 100 * s.post_ms / timed_ms : 0.0) << std::setw(11)
            << s.pool_peak << "\n";
    }
}
