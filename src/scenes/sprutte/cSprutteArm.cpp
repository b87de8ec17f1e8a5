#include "cSprutteArm.h"

#include "base/Smoothstep.h"

#include <algorithm>
#include <cmath>

void cSprutteArm::reset(int32_t now_ms) {
    orientations_.fill(cMatrix4());
    last_ms_ = now_ms;
    place_nodes();
}

void cSprutteArm::step(int32_t now_ms, float angle, float propagation) {
    const float axis = 1 / std::sqrt(3.0f);
    orientations_[0] = cMatrix4::rotation({axis, axis, axis}, angle);
    ripple(now_ms, propagation);
    place_nodes();
    last_ms_ = now_ms;
}

// Segment i takes on the orientation segment i - 1 had one frame earlier, blended by how far
// the frame reached into the slot of p / 33 ms that delays segment i behind segment i - 1.
void cSprutteArm::ripple(int32_t now_ms, float propagation) {
    std::array<cMatrix4, kSegments + 1> next;
    const float slot = propagation / 33;
    const auto L = static_cast<float>(last_ms_), now = static_cast<float>(now_ms);
    for (int i = 1; i < kSegments; ++i) {
        const float g = std::trunc(L - slot * static_cast<float>(i - 1));
        const float a = std::trunc(now - slot * static_cast<float>(i));
        const float b = std::trunc(L - slot * static_cast<float>(i));
        // A slot shorter than a millisecond rounds to nothing: the frame spans it whole.
        const float s = g != b ? (g - a) / (g - b) : 0.0f;
        next[i] = cMatrix4::blend(orientations_[i - 1], orientations_[i], smoothstep(s));
    }
    next[kSegments] = orientations_[kSegments - 1];
    std::copy(next.begin() + 1, next.end(), orientations_.begin() + 1);
}

void cSprutteArm::place_nodes() {
    for (int i = 0; i <= kSegments; ++i)
        nodes_[i] = orientations_[i].apply({0, kSegmentLength * static_cast<float>(i), 0});
    // The rope pass: each node pulled to exactly one segment length from the one before; where
    // two coincide, the segment keeps its own orientation's direction.
    for (int n = 0; n < kSegments; ++n) {
        Vec3f d = nodes_[n + 1] - nodes_[n];
        const float length = d.length();
        if (length < 1e-6f) {
            const Vec3f o = orientations_[n + 1].apply({0, 0, 0});
            d = (orientations_[n + 1].apply({0, 1, 0}) - o).normalized();
        } else {
            d = d * (1 / length);
        }
        nodes_[n + 1] = nodes_[n] + d * kSegmentLength;
        segments_[n] = cMatrix4::rotation_onto(d);
    }
}
