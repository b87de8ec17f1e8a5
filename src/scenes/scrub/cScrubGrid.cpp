#include "cScrubGrid.h"

namespace {

int32_t wrap(int32_t key) {
    key %= cScrubGrid::kBuckets;
    return key < 0 ? key + cScrubGrid::kBuckets : key;
}

float distance2(const Vec3f& a, const Vec3f& b) {
    const Vec3f d = a - b;
    return d.dot(d);
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
    entries_.push_back({node, heads_[k]});
    heads_[k] = static_cast<int32_t>(entries_.size() - 1);
}

template <class tVisit> void cScrubGrid::visit_around(const Vec3f& p, tVisit visit) const {
    const int32_t centre = key(p);
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                for (int32_t e = heads_[wrap(centre + dx + 13 * dy + 169 * dz)]; e >= 0;
                     e = entries_[e].next)
                    visit(entries_[e].node);
}

cScrubNode* cScrubGrid::nearest(const Vec3f& p) const {
    cScrubNode* best = nullptr;
    float best_d2 = 1e15f;
    visit_around(p, [&](cScrubNode* n) {
        const float d2 = distance2(n->position, p);
        if (d2 < best_d2) {
            best_d2 = d2;
            best = n;
        }
    });
    return best;
}

std::vector<cScrubNode*> cScrubGrid::neighbourhood(const cScrubNode* node) const {
    std::vector<cScrubNode*> found;
    visit_around(node->position, [&](cScrubNode* n) {
        if (n != node && distance2(n->position, node->position) < kCell * kCell)
            found.push_back(n);
    });
    return found;
}
