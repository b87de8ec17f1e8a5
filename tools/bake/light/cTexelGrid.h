// The covered texels of one light map bucketed by their place in the room, so that light
// can be averaged over what lies near a texel on the surface whichever chart holds it:
// two texels on either side of a chart seam then see the same neighbourhood.
#pragma once

#include "geometry/Vec3.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class cTexelGrid {
public:
    // `positions[i]` for every texel with `covered[i]`; `cell` is the largest reach asked for.
    cTexelGrid(const std::vector<Vec3f>& positions, const std::vector<char>& covered, float cell);

    // Each covered texel within `reach` of p (reach at most the cell size) and its distance.
    template <class F> void near(const Vec3f& p, float reach, F visit) const {
        const long cx = cell_of(p.x), cy = cell_of(p.y), cz = cell_of(p.z);
        for (long z = cz - 1; z <= cz + 1; ++z)
            for (long y = cy - 1; y <= cy + 1; ++y)
                for (long x = cx - 1; x <= cx + 1; ++x) {
                    const auto found = cells_.find(key(x, y, z));
                    if (found == cells_.end())
                        continue;
                    for (uint32_t j : found->second) {
                        const float distance = (positions_[j] - p).length();
                        if (distance <= reach)
                            visit(j, distance);
                    }
                }
    }

private:
    long cell_of(float v) const;
    static uint64_t key(long x, long y, long z);

    const std::vector<Vec3f>& positions_;
    float cell_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> cells_;
};
