#include "cFrameStats.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

void cFrameStats::record(const std::string& scene, double wall_ms, double post_ms, int pool_peak) {
    auto it = std::find_if(scenes_.begin(), scenes_.end(),
                           [&](const sScene& s) { return s.name == scene; });
    if (it == scenes_.end())
        it = scenes_.insert(scenes_.end(), sScene{scene, {}, 0, 0, 0});
    it->wall_ms.push_back(wall_ms);
    it->total_ms += wall_ms;
    it->post_ms += post_ms;
    it->pool_peak = std::max(it->pool_peak, pool_peak);
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
    for (const sScene& s : scenes_)
        out << std::left << std::setw(24) << s.name << std::right << std::setw(8)
            << s.wall_ms.size() << std::setw(11) << percentile(s.wall_ms, 0.5) << std::setw(11)
            << percentile(s.wall_ms, 0.95) << std::setw(11) << percentile(s.wall_ms, 1.0)
            << std::setw(10) << (s.total_ms > 0 ? 100 * s.post_ms / s.total_ms : 0.0)
            << std::setw(11) << s.pool_peak << "\n";
}
