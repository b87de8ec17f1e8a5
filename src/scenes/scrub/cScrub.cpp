#include "cScrub.h"

#include "base/Pi.h"
#include "cScrubShapes.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <cmath>

namespace {

float distance2(const Vec3f& a, const Vec3f& b) {
    const Vec3f d = a - b;
    return d.dot(d);
}

} // namespace

void cScrub::advance(float z_from, float z_to) {
    for (cScrubNode& node : nodes_)
        if (!node.neighbours.empty() && node.position.z < front - 1.0f && !node.finalised())
            finalise(node);
    geometry.endRenderBlock();
    if (front < z_to)
        grow(front, z_to + 0.5f);
    remove_before(z_from);
    geometry.retire_blocks(z_from);
}

void cScrub::grow(float a, float b) {
    if (std::fabs(a - b) > kMaxSlab) {
        const float m = (a + b) / 2.0f;
        grow(a, m);
        grow(m, b);
        return;
    }
    grow_slab(a, b);
}

int32_t cScrub::nodes_wanted(float a, float b) const {
    const float r_in = inner_radius, r_out = r_in + radial_depth;
    const float area = r_out * r_out - r_in * r_in;
    return static_cast<int32_t>((b - a) * area * kPi * density);
}

void cScrub::grow_slab(float a, float b) {
    grid.clear();
    for (cScrubNode& node : nodes_)
        grid.insert(&node);
    for (cScrubNode* node : scatter(a, b))
        if (static_cast<float>(node->neighbours.size()) < neighbour_count)
            link(*node);
    front = b;
    geometry.endRenderBlock();
}

std::vector<cScrubNode*> cScrub::scatter(float a, float b) {
    const int32_t wanted = nodes_wanted(a, b);
    const float r_in2 = inner_radius * inner_radius;
    const float r_out = inner_radius + radial_depth;
    const float area = r_out * r_out - r_in2;
    std::vector<cScrubNode*> added;
    last_tries = 0;
    for (; last_tries < 4 * wanted && static_cast<int32_t>(added.size()) < wanted; ++last_tries) {
        const float phi = next_random() * 2.0f * kPi;
        const float r = std::sqrt(r_in2 + next_random() * area);
        const float z = a + next_random() * (b - a);
        const Vec3f p(10.0f + r * std::cos(phi), 10.0f + r * std::sin(phi), z);
        if (accepts(p))
            added.push_back(&add_node(p));
    }
    last_accepted = static_cast<int32_t>(added.size());
    return added;
}

bool cScrub::accepts(const Vec3f& p) const {
    const cScrubNode* near = grid.nearest(p);
    return near == nullptr || std::sqrt(distance2(near->position, p)) >= min_node_dist;
}

cScrubNode& cScrub::add_node(const Vec3f& p) {
    nodes_.emplace_back();
    nodes_.back().position = p;
    grid.insert(&nodes_.back());
    return nodes_.back();
}

bool cScrub::connect(cScrubNode& node, cScrubNode& other) {
    if (node.linked_to(&other))
        return false;
    node.neighbours.push_back(&other);
    other.neighbours.push_back(&node);
    if (link_mode == 0)
        cScrubShapes::prism(geometry, node.position, other.position, tube_radius);
    return true;
}

void cScrub::link(cScrubNode& node) {
    std::vector<cScrubNode*> candidates = grid.neighbourhood(&node);
    const auto links = static_cast<int32_t>(neighbour_count);
    for (int32_t t = 0; t < links && !candidates.empty(); ++t) {
        size_t best = 0;
        for (size_t i = 1; i < candidates.size(); ++i)
            if (distance2(candidates[i]->position, node.position) <
                distance2(candidates[best]->position, node.position))
                best = i;
        connect(node, *candidates[best]);
        candidates[best] = candidates.back();
        candidates.pop_back();
    }
}

void cScrub::finalise(cScrubNode& node) {
    node.axis[0] = {1, 0, 0};
    node.axis[1] = {0, 1, 0};
    node.axis[2] = {0, 0, 1};
    slot_search(node);
    axis_search(node);
    emit_links(node);
}

float cScrub::score(const cScrubNode& node) const {
    float sum = 0.0f;
    for (size_t k = 0; k < node.neighbours.size() && k < cScrubNode::kSlots; ++k)
        sum +=
            (node.neighbours[k]->position - node.position).normalized().dot(node.slot_direction(k));
    return sum;
}

void cScrub::slot_search(cScrubNode& node) {
    std::vector<cScrubNode*>& n = node.neighbours;
    float best = score(node);
    for (int t = 0; t < kSearchTries; ++t) {
        const float u = next_random(), v = next_random();
        const float last = static_cast<float>(n.size() - 1);
        const auto i = static_cast<size_t>(u * last), j = static_cast<size_t>(v * last);
        std::swap(n[i], n[j]);
        const float s = score(node);
        if (s > best)
            best = s;
        else
            std::swap(n[i], n[j]);
    }
}

void cScrub::axis_search(cScrubNode& node) {
    float best = score(node);
    for (int t = 0; t < kSearchTries; ++t) {
        const float t1 = next_random(), t2 = next_random(), t3 = next_random(), t4 = next_random();
        // A table value of exactly 1 would reach the third axis; only the first two turn.
        const int a = std::min(1, static_cast<int>(2.0f * t1));
        const Vec3f old = node.axis[a];
        node.axis[a] = (old + Vec3f(t4 - 0.5f, t3 - 0.5f, t2 - 0.5f)).normalized();
        const float s = score(node);
        if (s > best)
            best = s;
        else
            node.axis[a] = old;
    }
}

void cScrub::emit_links(cScrubNode& node) {
    for (cScrubNode* other : node.neighbours) {
        if (!other->finalised() || other == &node)
            continue;
        const size_t mine = node.slot_of(other), theirs = other->slot_of(&node);
        if (mine >= cScrubNode::kSlots || theirs >= cScrubNode::kSlots)
            continue;
        if (!spline_links) {
            cScrubShapes::prism(geometry, node.position, other->position, tube_radius);
            continue;
        }
        const float l = (other->position - node.position).length() / 3.0f;
        const Vec3f control[4] = {node.position, node.position + node.slot_direction(mine) * l,
                                  other->position + other->slot_direction(theirs) * l,
                                  other->position};
        cScrubShapes::curved_tube(geometry, control, tube_radius);
    }
}

void cScrub::remove_before(float z) {
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        if (it->position.z >= z) {
            ++it;
            continue;
        }
        for (cScrubNode* other : it->neighbours) {
            auto& list = other->neighbours;
            list.erase(std::remove(list.begin(), list.end(), &*it), list.end());
        }
        it = nodes_.erase(it);
    }
}
