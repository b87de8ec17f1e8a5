#include "cViewFrustum.h"

#include <GL/gl.h>

// Each plane is the last row of the matrix plus or minus one of the first three: a point is
// inside where -w <= x, y, z <= w.
cViewFrustum::cViewFrustum(const cMatrix4& mvp) {
    const auto row = [&](int r) {
        return std::array<float, 4>{mvp.at(r, 0), mvp.at(r, 1), mvp.at(r, 2), mvp.at(r, 3)};
    };
    const std::array<float, 4> w = row(3);
    w_ = {w[0], w[1], w[2]};
    w_offset_ = w[3];
    for (int axis = 0; axis < 3; ++axis)
        for (int side = 0; side < 2; ++side) {
            const std::array<float, 4> r = row(axis);
            const float s = side == 0 ? 1.0f : -1.0f;
            const Vec3f n(w[0] + s * r[0], w[1] + s * r[1], w[2] + s * r[2]);
            const float length = n.length();
            const float k = length > 0 ? 1 / length : 0;
            planes_[2 * axis + side] = {n * k, (w[3] + s * r[3]) * k};
        }
}

bool cViewFrustum::outside(const Vec3f& centre, float radius) const {
    for (const sPlane& plane : planes_)
        if (plane.normal.dot(centre) + plane.offset < -radius)
            return true;
    return false;
}

cViewFrustum cViewFrustum::current() {
    float p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    cMatrix4 projection, modelview;
    for (int i = 0; i < 16; ++i) {
        projection.at(i % 4, i / 4) = p[i];
        modelview.at(i % 4, i / 4) = m[i];
    }
    return cViewFrustum(projection * modelview);
}
