// One arm of the sprutte: a chain of 32 segments 5 units long whose orientation follows the
// centre's with a delay, one segment after the other, so a turn of the centre ripples out to
// the tip over `propagation` milliseconds. Pure arithmetic; the scene draws from it.
#pragma once

#include "geometry/cMatrix4.h"

#include <array>
#include <cstdint>

class cSprutteArm {
public:
    static constexpr int kSegments = 32;
    static constexpr float kSegmentLength = 5;

    // Every orientation the identity (a straight arm along +y); the chain's clock at `now_ms`.
    void reset(int32_t now_ms);
    // One frame at `now_ms`: the centre turned by `angle` radians about (1,1,1), the ripple
    // moved on, the nodes and segment rotations recomputed.
    void step(int32_t now_ms, float angle, float propagation);

    const Vec3f& node(int i) const { return nodes_[i]; }
    // The rotation that takes segment n's +y onto its direction from node n to node n + 1.
    const cMatrix4& segment(int n) const { return segments_[n]; }
    const cMatrix4& orientation(int i) const { return orientations_[i]; }

private:
    void ripple(int32_t now_ms, float propagation);
    void place_nodes();

    std::array<cMatrix4, kSegments + 1> orientations_;
    std::array<Vec3f, kSegments + 1> nodes_;
    std::array<cMatrix4, kSegments> segments_;
    int32_t last_ms_ = 0;
};
