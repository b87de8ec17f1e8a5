// A 2D polyline for sweeps: extrusion outlines (closed, in XY) and lathe
// profiles (open, radius against height). The outward side is to the right of
// the direction of travel; a corner sharper than the crease angle gets two vertices.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct cPoint2 {
    float x = 0, y = 0;
};

struct cOutlineVertex {
    cPoint2 point;
    cPoint2 normal; // unit shading normal, outward
    cPoint2 miter;  // moving the point by miter * d moves both edges by d
    float distance; // along the outline from its first point
};

class cBakeOutline {
public:
    cBakeOutline(std::vector<cPoint2> points, bool closed, float crease_degrees = 30.0f);

    const std::vector<cPoint2>& points() const { return points_; }
    // The vertices in order; a closed outline repeats its first one at the end.
    const std::vector<cOutlineVertex>& vertices() const { return vertices_; }
    float length() const { return length_; }
    // Twice the enclosed area: positive for counter-clockwise points.
    float signed_area2() const;
    // The points moved outward by `d` (inward for a negative `d`).
    std::vector<cPoint2> offset(float d) const;
    // Triangles over a closed outline's points, counter-clockwise, by ear
    // clipping; the outline must be simple (no self-crossing, no holes).
    std::vector<std::array<uint32_t, 3>> triangulate() const;

private:
    cPoint2 edge_normal(size_t from) const;
    cPoint2 corner_normal(size_t i, bool incoming) const;
    cPoint2 miter(size_t i) const;
    void add_corner(size_t i, float distance, bool first, bool last);

    std::vector<cPoint2> points_;
    bool closed_;
    float crease_cos_;
    float length_ = 0;
    std::vector<cOutlineVertex> vertices_;
};
