// One node of the scrub: a point in the shell around the tube's axis, the nodes it is
// linked to in link order, and a frame of three axes that gives its first six neighbour
// slots their directions. A zero first axis marks a node not finalised yet.
#pragma once

#include "geometry/Vec3.h"

#include <cstddef>
#include <vector>

struct cScrubNode {
    static constexpr size_t kSlots = 6;

    std::vector<cScrubNode*> neighbours;
    Vec3f position;
    Vec3f axis[3];

    bool finalised() const { return axis[0] != Vec3f(); }
    // +axis[k/2] for even k, -axis[k/2] for odd k; slots 6 and beyond have none.
    Vec3f slot_direction(size_t k) const { return k % 2 == 0 ? axis[k / 2] : -axis[k / 2]; }
    // The slot that holds `other`, or kSlots when it is not in the first six.
    size_t slot_of(const cScrubNode* other) const {
        for (size_t k = 0; k < neighbours.size() && k < kSlots; ++k)
            if (neighbours[k] == other)
                return k;
        return kSlots;
    }
    bool linked_to(const cScrubNode* other) const {
        for (const cScrubNode* n : neighbours)
            if (n == other)
                return true;
        return false;
    }
};
