#include "cScrubShapes.h"

#include "base/Pi.h"

#include <algorithm>
#include <cmath>

namespace {

// Deep enough for any link the engine makes; a bound against degenerate input.
constexpr int kMaxDepth = 16;

Vec3f mid(const Vec3f& a, const Vec3f& b) {
    return (a + b) * 0.5f;
}

void subdivide(const Vec3f (&c)[4], int depth, std::vector<Vec3f>& out) {
    if ((c[3] - c[0]).length() < cScrubShapes::kMaxPiece || depth >= kMaxDepth) {
        out.insert(out.end(), {c[1], c[2], c[3]});
        return;
    }
    const Vec3f p01 = mid(c[0], c[1]), p12 = mid(c[1], c[2]), p23 = mid(c[2], c[3]);
    const Vec3f p012 = mid(p01, p12), p123 = mid(p12, p23);
    const Vec3f centre = mid(p012, p123);
    const Vec3f left[4] = {c[0], p01, p012, centre};
    const Vec3f right[4] = {centre, p123, p23, c[3]};
    subdivide(left, depth + 1, out);
    subdivide(right, depth + 1, out);
}

Vec3f tangent_at(const std::vector<Vec3f>& p, size_t i) {
    if (i == 0)
        return (p[1] - p[0]).normalized();
    if (i + 1 == p.size())
        return (p[i] - p[i - 1]).normalized();
    return (p[i + 1] - p[i - 1]).normalized();
}

} // namespace

void cScrubShapes::prism(cScrubMultiVBO& out, const Vec3f& b, const Vec3f& a, float radius) {
    const Vec3f axis = (a - b).normalized();
    const Vec3f e = std::fabs(axis.x) < std::fabs(axis.y) ? Vec3f(1, 0, 0) : Vec3f(0, 1, 0);
    const Vec3f u = e.cross(axis).normalized();
    const Vec3f v = axis.cross(u).normalized();
    Vec3f w[3];
    for (int i = 0; i < 3; ++i) {
        const float theta = static_cast<float>(i) * 2.0f * kPi / 3.0f;
        w[i] = u * std::cos(theta) + v * std::sin(theta);
    }
    // Each corner is lit once: three sides share the six corners.
    uint32_t at_b[3], at_a[3];
    for (int k = 0; k < 3; ++k) {
        at_b[k] = out.add_vertex(b + w[k] * radius, w[k]);
        at_a[k] = out.add_vertex(a + w[k] * radius, w[k]);
    }
    for (int p = 0; p < 3; ++p) {
        const int c = (p + 1) % 3;
        out.add_triangle(at_b[p], at_a[c], at_a[p]);
        out.add_triangle(at_b[p], at_b[c], at_a[c]);
    }
    out.end_piece((a + b) * 0.5f, (a - b).length() * 0.5f + radius);
}

std::vector<Vec3f> cScrubShapes::refine(const Vec3f (&control)[4]) {
    std::vector<Vec3f> points{control[0]};
    subdivide(control, 0, points);
    return points;
}

void cScrubShapes::curved_tube(cScrubMultiVBO& out, const Vec3f (&control)[4], float radius) {
    const std::vector<Vec3f> points = refine(control);
    const Vec3f t0 = tangent_at(points, 0);
    const Vec3f e = std::fabs(t0.y) > std::fabs(t0.x) ? Vec3f(1, 0, 0) : Vec3f(0, 1, 0);
    Vec3f n = t0.cross(e).normalized();
    uint32_t previous[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < points.size(); ++i) {
        const Vec3f t = tangent_at(points, i);
        const Vec3f b = n.cross(t).normalized();
        n = t.cross(b);
        uint32_t ring[4];
        for (int k = 0; k < 4; ++k) {
            const float alpha = static_cast<float>(k) * kPi / 2.0f;
            const Vec3f w = n * std::cos(alpha) + b * std::sin(alpha);
            ring[k] = out.add_vertex(points[i] + w * radius, w);
        }
        for (int k = 0; i > 0 && k < 4; ++k) {
            const int k1 = (k + 1) % 4;
            out.add_triangle(previous[k], ring[k], ring[k1]);
            out.add_triangle(ring[k1], previous[k1], previous[k]);
        }
        std::copy(ring, ring + 4, previous);
    }
    // The curve stays inside its control polygon's hull, so inside their sphere.
    const Vec3f centre = (control[0] + control[3]) * 0.5f;
    float reach = 0;
    for (const Vec3f& c : control)
        reach = std::max(reach, (c - centre).length());
    out.end_piece(centre, reach + radius);
}
