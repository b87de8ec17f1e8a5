#include "cBakeOutline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

cPoint2 operator+(cPoint2 a, cPoint2 b) {
    return {a.x + b.x, a.y + b.y};
}
cPoint2 operator-(cPoint2 a, cPoint2 b) {
    return {a.x - b.x, a.y - b.y};
}
cPoint2 operator*(cPoint2 a, float s) {
    return {a.x * s, a.y * s};
}
float dot(cPoint2 a, cPoint2 b) {
    return a.x * b.x + a.y * b.y;
}
float cross(cPoint2 a, cPoint2 b) {
    return a.x * b.y - a.y * b.x;
}
float norm(cPoint2 a) {
    return std::sqrt(dot(a, a));
}
cPoint2 unit(cPoint2 a) {
    return a * (1.0f / norm(a));
}

// Inside or on the edge of the counter-clockwise triangle a-b-c.
bool inside(cPoint2 p, cPoint2 a, cPoint2 b, cPoint2 c) {
    return cross(b - a, p - a) >= 0 && cross(c - b, p - c) >= 0 && cross(a - c, p - a) >= 0;
}

} // namespace

cBakeOutline::cBakeOutline(std::vector<cPoint2> points, bool closed, float crease_degrees)
    : points_(std::move(points)), closed_(closed),
      crease_cos_(float(std::cos(crease_degrees * M_PI / 180.0))) {
    const size_t n = points_.size();
    if (n < (closed_ ? 3u : 2u))
        throw std::invalid_argument("an outline needs at least 2 points, a closed one 3");
    for (size_t i = 0; i + (closed_ ? 0 : 1) < n; ++i)
        if (norm(points_[(i + 1) % n] - points_[i]) == 0.0f)
            throw std::invalid_argument("an outline has two equal points in a row");
    if (closed_ && signed_area2() < 0)
        std::reverse(points_.begin(), points_.end()); // outward is to the right
    const size_t corners = closed_ ? n + 1 : n;
    for (size_t i = 0; i < corners; ++i) {
        add_corner(i, length_, closed_ && i == 0, closed_ && i == n);
        if (i + 1 < corners)
            length_ += norm(points_[(i + 1) % n] - points_[i % n]);
    }
}

float cBakeOutline::signed_area2() const {
    float sum = 0;
    for (size_t i = 0; i < points_.size(); ++i)
        sum += cross(points_[i], points_[(i + 1) % points_.size()]);
    return sum;
}

cPoint2 cBakeOutline::edge_normal(size_t from) const {
    const size_t n = points_.size();
    const cPoint2 d = unit(points_[(from + 1) % n] - points_[from % n]);
    return {d.y, -d.x};
}

// The normal of the edge arriving at (or leaving) point i; an open end has
// only the one edge.
cPoint2 cBakeOutline::corner_normal(size_t i, bool incoming) const {
    const size_t n = points_.size();
    if (!closed_ && i == 0)
        return edge_normal(0);
    if (!closed_ && i == n - 1)
        return edge_normal(n - 2);
    return incoming ? edge_normal((i + n - 1) % n) : edge_normal(i % n);
}

cPoint2 cBakeOutline::miter(size_t i) const {
    const cPoint2 in = corner_normal(i, true), out = corner_normal(i, false);
    const cPoint2 sum = in + out;
    if (norm(sum) < 1e-3f)
        return in; // a hairpin: no offset keeps both edges parallel
    const cPoint2 m = unit(sum);
    return m * (1.0f / dot(m, in));
}

void cBakeOutline::add_corner(size_t i, float distance, bool first, bool last) {
    const cPoint2 p = points_[i % points_.size()];
    const cPoint2 in = corner_normal(i, true), out = corner_normal(i, false);
    const cPoint2 m = miter(i);
    if (dot(in, out) >= crease_cos_) {
        vertices_.push_back({p, unit(in + out), m, distance});
        return;
    }
    if (!first)
        vertices_.push_back({p, in, m, distance});
    if (!last)
        vertices_.push_back({p, out, m, distance});
}

std::vector<cPoint2> cBakeOutline::offset(float d) const {
    std::vector<cPoint2> moved;
    for (size_t i = 0; i < points_.size(); ++i)
        moved.push_back(points_[i] + miter(i) * d);
    return moved;
}

std::vector<std::array<uint32_t, 3>> cBakeOutline::triangulate() const {
    std::vector<uint32_t> left;
    for (size_t i = 0; i < points_.size(); ++i)
        left.push_back(uint32_t(i));
    std::vector<std::array<uint32_t, 3>> tris;
    while (left.size() > 3) {
        bool clipped = false;
        for (size_t k = 0; k < left.size() && !clipped; ++k) {
            const uint32_t a = left[(k + left.size() - 1) % left.size()], b = left[k],
                           c = left[(k + 1) % left.size()];
            const cPoint2 pa = points_[a], pb = points_[b], pc = points_[c];
            if (cross(pb - pa, pc - pb) <= 0)
                continue; // a reflex or straight corner is no ear
            bool empty = true;
            for (uint32_t o : left)
                if (o != a && o != b && o != c && inside(points_[o], pa, pb, pc))
                    empty = false;
            if (!empty)
                continue;
            tris.push_back({a, b, c});
            left.erase(left.begin() + long(k));
            clipped = true;
        }
        if (!clipped)
            throw std::invalid_argument("outline crosses itself; cannot fill it");
    }
    tris.push_back({left[0], left[1], left[2]});
    return tris;
}
