#include "cSunShadow.h"

#include "mesh_files/cMeshObj_data.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

Vec3f point(const std::vector<float>& xyz, size_t i) {
    return {xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]};
}

float determinant(const Vec3f& a, const Vec3f& b, const Vec3f& c) {
    return a.dot(b.cross(c));
}

// Depth steps that separate a hidden point from the body's surface in front of it.
constexpr float kMarginSteps = 32;

float distance_to_segment(const Vec3f& a, const Vec3f& b) {
    const Vec3f d = b - a;
    const float k = d.dot(d) > 0 ? std::clamp(-a.dot(d) / d.dot(d), 0.0f, 1.0f) : 0.0f;
    return (a + d * k).length();
}

// From the origin to the nearest point of triangle a, b, c: the foot on its plane where that
// falls inside it, else the nearest edge. Slivers and repeated corners come out right.
float distance_to_triangle(const Vec3f& a, const Vec3f& b, const Vec3f& c) {
    const Vec3f n = (b - a).cross(c - a);
    if (n.dot(n) > 0) {
        const Vec3f foot = n * (a.dot(n) / n.dot(n));
        if ((b - a).cross(foot - a).dot(n) >= 0 && (c - b).cross(foot - b).dot(n) >= 0 &&
            (a - c).cross(foot - c).dot(n) >= 0)
            return foot.length();
    }
    return std::min(
        {distance_to_segment(a, b), distance_to_segment(b, c), distance_to_segment(c, a)});
}

} // namespace

// A ball about an inside point that no triangle of a closed surface comes into lies inside it.
cSunShadow::cSunShadow(const cMeshObj_data& body) {
    const size_t count = body.positions.size() / 3;
    float radius = body.indices.empty() ? 0 : INFINITY;
    for (size_t t = 0; t + 2 < body.indices.size(); t += 3) {
        if (body.indices[t] >= count || body.indices[t + 1] >= count ||
            body.indices[t + 2] >= count)
            return; // not the mesh it claims to be: nothing is hidden
        radius = std::min(radius, distance_to_triangle(point(body.positions, body.indices[t]),
                                                       point(body.positions, body.indices[t + 1]),
                                                       point(body.positions, body.indices[t + 2])));
    }
    body_radius_ = std::isfinite(radius) ? radius : 0;
}

// The eye is where the model-view takes the origin to; its scale turns the depth buffer's
// step at the farthest point into a margin in the body's units.
bool cSunShadow::look() {
    GLint depth_func = 0, bits = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depth_func);
    glGetIntegerv(GL_DEPTH_BITS, &bits);
    if (!glIsEnabled(GL_DEPTH_TEST) || (depth_func != GL_LESS && depth_func != GL_LEQUAL) ||
        bits <= 0 || body_radius_ <= 0)
        return false;
    GLfloat p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const Vec3f a(m[0], m[1], m[2]), b(m[4], m[5], m[6]), c(m[8], m[9], m[10]);
    const Vec3f t(-m[12], -m[13], -m[14]);
    const float d = determinant(a, b, c);
    const float near = p[14] / (p[10] - 1);
    if (d == 0 || p[11] == 0 || !(near > 0))
        return false;
    eye_ = Vec3f(determinant(t, b, c), determinant(a, t, c), determinant(a, b, t)) * (1 / d);
    const float scale = std::cbrt(std::fabs(d));
    const float farthest = (eye_.length() + 2 * body_radius_) * scale;
    const float step = farthest * farthest / (near * std::ldexp(1.0f, std::min(bits, 24)));
    ball_radius_ = body_radius_ - kMarginSteps * step / scale;
    return ball_radius_ > 0 && eye_.length() > body_radius_;
}

// A point is hidden when the segment from the eye to it comes within the ball's radius of the
// body's centre.
void cSunShadow::mark(const std::vector<float>& points, const std::array<float, 16>& o,
                      std::vector<uint8_t>& hidden) const {
    // The eye in the points' space: the rotation's transpose.
    const Vec3f eye(o[0] * eye_.x + o[1] * eye_.y + o[2] * eye_.z,
                    o[4] * eye_.x + o[5] * eye_.y + o[6] * eye_.z,
                    o[8] * eye_.x + o[9] * eye_.y + o[10] * eye_.z);
    const float r2 = ball_radius_ * ball_radius_;
    const size_t count = points.size() / 3;
    hidden.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const Vec3f sight = point(points, i) - eye;
        const float k = std::clamp(-eye.dot(sight) / sight.dot(sight), 0.0f, 1.0f);
        const Vec3f closest = eye + sight * k;
        hidden[i] = closest.dot(closest) <= r2 ? 1 : 0;
    }
}
