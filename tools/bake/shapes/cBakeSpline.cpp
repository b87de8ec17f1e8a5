#include "cBakeSpline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kLengthSteps = 64; // per span, for measuring the curve

// Centripetal knot spacing: the square root of the chord length.
float knot_gap(const Vec3f& a, const Vec3f& b) {
    return std::max(std::sqrt((b - a).length()), 1e-4f);
}

Vec3f lerp(const Vec3f& a, const Vec3f& b, float t0, float t1, float t) {
    return a * ((t1 - t) / (t1 - t0)) + b * ((t - t0) / (t1 - t0));
}

} // namespace

cBakeSpline::cBakeSpline(std::vector<Vec3f> points, bool closed)
    : points_(std::move(points)), closed_(closed) {
    if (points_.size() < 2)
        throw std::invalid_argument("a spline needs at least two control points");
}

// Beyond the ends of an open curve, points mirrored through the end points
// keep the end spans straight-ish instead of stopping dead.
Vec3f cBakeSpline::point(long i) const {
    const long n = long(points_.size());
    if (closed_)
        return points_[size_t(((i % n) + n) % n)];
    if (i < 0)
        return points_[0] * 2.0f - points_[1];
    if (i >= n)
        return points_[size_t(n - 1)] * 2.0f - points_[size_t(n - 2)];
    return points_[size_t(i)];
}

// Barry and Goldman's pyramid over the span from point i to point i + 1.
Vec3f cBakeSpline::span_at(long i, float f) const {
    const Vec3f p0 = point(i - 1), p1 = point(i), p2 = point(i + 1), p3 = point(i + 2);
    if (p1 == p2)
        return p1; // a pause: the curve holds still for the whole span
    const float t0 = 0, t1 = knot_gap(p0, p1), t2 = t1 + knot_gap(p1, p2),
                t3 = t2 + knot_gap(p2, p3);
    const float t = t1 + (t2 - t1) * f;
    const Vec3f a1 = lerp(p0, p1, t0, t1, t), a2 = lerp(p1, p2, t1, t2, t),
                a3 = lerp(p2, p3, t2, t3, t);
    const Vec3f b1 = lerp(a1, a2, t0, t2, t), b2 = lerp(a2, a3, t1, t3, t);
    return lerp(b1, b2, t1, t2, t);
}

Vec3f cBakeSpline::at(float u) const {
    const float s = std::clamp(u, 0.0f, 1.0f) * float(span_count());
    const long span = std::min(long(s), long(span_count()) - 1);
    const float f = s - float(span);
    if (f == 0.0f)
        return point(span); // control points come out exactly
    return f == 1.0f ? point(span + 1) : span_at(span, f);
}

std::vector<Vec3f> cBakeSpline::sample(int count) const {
    std::vector<Vec3f> out;
    for (int k = 0; k < count; ++k)
        out.push_back(at(count == 1 ? 0.0f : float(k) / float(count - 1)));
    return out;
}

std::vector<float> cBakeSpline::even_steps(int count) const {
    const int steps = kLengthSteps * int(span_count());
    std::vector<float> length(size_t(steps) + 1, 0.0f);
    for (int i = 1; i <= steps; ++i)
        length[size_t(i)] =
            length[size_t(i - 1)] + (at(float(i) / steps) - at(float(i - 1) / steps)).length();
    std::vector<float> out;
    for (int k = 0; k < count; ++k) {
        const float want = count == 1 ? 0.0f : length.back() * float(k) / float(count - 1);
        const auto hi = std::lower_bound(length.begin() + 1, length.end() - 1, want);
        const size_t i = size_t(hi - length.begin());
        const float gap = length[i] - length[i - 1];
        const float f = gap > 0 ? std::clamp((want - length[i - 1]) / gap, 0.0f, 1.0f) : 0.0f;
        out.push_back((float(i - 1) + f) / steps);
    }
    return out;
}
