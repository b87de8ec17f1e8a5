// A smooth curve through control points (centripetal Catmull-Rom: no cusps or
// loops between close points), open or closed. The curve passes through every
// control point; parameter u runs 0..1 with an equal share for each span.
#pragma once

#include "geometry/Vec3.h"

#include <vector>

class cBakeSpline {
public:
    explicit cBakeSpline(std::vector<Vec3f> points, bool closed = false);

    size_t span_count() const { return closed_ ? points_.size() : points_.size() - 1; }
    // The curve at u (clamped to 0..1); u = k / span_count() is control point k.
    Vec3f at(float u) const;
    // `count` points at equal steps of u, first and last point included.
    std::vector<Vec3f> sample(int count) const;
    // `count` values of u that cut the curve into pieces of equal length.
    std::vector<float> even_steps(int count) const;

private:
    Vec3f point(long i) const;
    Vec3f span_at(long span, float f) const;

    std::vector<Vec3f> points_;
    bool closed_;
};
