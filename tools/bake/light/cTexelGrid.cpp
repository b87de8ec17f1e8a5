#include "cTexelGrid.h"

#include <cmath>

cTexelGrid::cTexelGrid(const std::vector<Vec3f>& positions, const std::vector<char>& covered,
                       float cell)
    : positions_(positions), cell_(cell) {
    for (size_t i = 0; i < positions.size(); ++i)
        if (covered[i]) {
            const Vec3f& p = positions[i];
            cells_[key(cell_of(p.x), cell_of(p.y), cell_of(p.z))].push_back(uint32_t(i));
        }
}

long cTexelGrid::cell_of(float v) const {
    return long(std::floor(v / cell_));
}

uint64_t cTexelGrid::key(long x, long y, long z) {
    // 21 bits a coordinate: a room's reach spans far fewer cells.
    const auto part = [](long v) { return uint64_t(v) & 0x1fffffu; };
    return part(x) << 42 | part(y) << 21 | part(z);
}
