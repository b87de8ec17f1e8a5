#include "cScrubGrid.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t wrap(int32_t key) {
    key %= cScrubGrid::kBuckets;
    return key < 0 ? key + cScrubGrid::kBuckets : key;
}

float distance2(const Vec3f& a, const Vec3f& b) {
    const Vec3f d = a - b;
    return d.dot(d);
}

// The cells that coordinates from at - r to at + r fall in, as offsets from at's own cell (the
// same truncation as the key), kept within the 27 around it.
void reach(float at, float r, int& low, int& high) {
    const auto cell = [](float v) { return static_cast<int32_t>(v / cScrubGrid::kCell); };
    low = std::max(-1, cell(at - r) - cell(at));
    high = std::min(1, cell(at + r) - cell(at));
}

} // namespace

cScrubGrid::cScrubGrid() : heads_(kBuckets, -1) {
    entries_.reserve(100000);
}

void cScrubGrid::clear() {
    std::fill(heads_.begin(), heads_.end(), -1);
    entries_.clear();
}

int32_t cScrubGrid::key(const Vec3f& p) {
    const auto i = static_cast<int32_t>(p.x / kCell);
    const auto j = static_cast<int32_t>(p.y / kCell);
    const auto k = static_cast<int32_t>(p.z / kCell);
    return wrap(i + 13 * j + 169 * k);
}

void cScrubGrid::insert(cScrubNode* node) {
    // The store doubles (plus a margin) rather than creeping, so a slab's inserts rarely move it.
    if (entries_.size() == entries_.capacity())
        entries_.reserve(entries_.capacity() * 2 + 1000);
    const int32_t k = key(node->position);
    entries_.push_back({node->position, node, heads_[k]});
    heads_[k] = static_cast<int32_t>(entries_.size() - 1);
}

template <class tVisit> void cScrubGrid::visit_around(const Vec3f& p, tVisit visit) const {
    const int32_t centre = key(p);
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                for (int32_t e = heads_[wrap(centre + dx + 13 * dy + 169 * dz)]; e >= 0;
                     e = entries_[e].next)
                    visit(entries_[e]);
}

bool cScrubGrid::any_within(const Vec3f& p, float r) const {
    int x0, x1, y0, y1, z0, z1;
    reach(p.x, r, x0, x1);
    reach(p.y, r, y0, y1);
    reach(p.z, r, z0, z1);
    const int32_t centre = key(p);
    for (int dz = z0; dz <= z1; ++dz)
        for (int dy = y0; dy <= y1; ++dy)
            for (int dx = x0; dx <= x1; ++dx)
                for (int32_t e = heads_[wrap(centre + dx + 13 * dy + 169 * dz)]; e >= 0;
                     e = entries_[e].next)
                    if (std::sqrt(distance2(entries_[e].position, p)) < r)
                        return true;
    return false;
}

std::vector<cScrubNode*> cScrubGrid::neighbourhood(const cScrubNode* node) const {
    std::vector<cScrubNode*> found;
    visit_around(node->position, [&](const sEntry& e) {
        if (e.node != node && distance2(e.position, node->position) < kCell * kCell)
            found.push_back(e.node);
    });
    return found;
}
