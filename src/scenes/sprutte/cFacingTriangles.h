// The triangles of a mesh that face the eye under the current view, picked each frame on the
// CPU: the renderer would transform and set up the others only to drop them in back-face
// culling. Where the view has no eye point or culls otherwise, every triangle is kept.
#pragma once

#include "geometry/Vec3.h"

#include <cstdint>
#include <vector>

class cFacingTriangles {
public:
    // Picks from `indices` (triangles over `positions`, x y z each) under the GL's current
    // matrices and cull state; false where every triangle must be drawn.
    bool pick(const std::vector<uint32_t>& indices, const std::vector<float>& positions);
    const std::vector<uint32_t>& picked() const { return picked_; }

    // Appends to `out` the triangles whose corners run counter-clockwise seen from `eye`;
    // `mirrored` for a view that mirrors.
    static void facing(const std::vector<uint32_t>& indices, const std::vector<float>& positions,
                       const Vec3f& eye, bool mirrored, std::vector<uint32_t>& out);

private:
    std::vector<uint32_t> picked_;
};
