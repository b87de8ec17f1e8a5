// What the sun's opaque body hides from the eye: a ball inside the body, and every point whose
// line of sight meets that ball. A triangle with three hidden corners is hidden whole (the set
// is convex), and lies far enough behind the body's depth for the depth test to drop it.
#pragma once

#include "geometry/Vec3.h"

#include <array>
#include <cstdint>
#include <vector>

struct cMeshObj_data;

class cSunShadow {
public:
    // The largest ball about the origin that none of the body's triangles comes into: inside
    // the body, for a closed mesh around the origin as the sun's is.
    explicit cSunShadow(const cMeshObj_data& body);

    // Takes the eye and the ball for the current matrices, the body drawn under the current
    // model-view with depth writes on; false (nothing is hidden) where the depth test is off,
    // the view has no eye point or the depth buffer is too coarse for the margin.
    bool look();
    // Marks which of the points (x, y, z after one another) are hidden, in a space the
    // rotation `orientation` (column-major, as glMultMatrixf takes it) turns into the body's.
    void mark(const std::vector<float>& points, const std::array<float, 16>& orientation,
              std::vector<uint8_t>& hidden) const;

    float body_radius() const { return body_radius_; }

private:
    float body_radius_ = 0;
    float ball_radius_ = 0; // less than the body's by a margin the depth buffer resolves
    Vec3f eye_;             // in the body's space
};
