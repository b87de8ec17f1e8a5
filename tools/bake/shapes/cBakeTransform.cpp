#include "cBakeTransform.h"

#include <cmath>

cBakeTransform cBakeTransform::translation(const Vec3f& offset) {
    cBakeTransform t;
    t.offset_ = offset;
    return t;
}

cBakeTransform cBakeTransform::scaling(const Vec3f& factors) {
    cBakeTransform t;
    for (int i = 0; i < 3; ++i)
        t.m_[i][i] = factors[i];
    return t;
}

cBakeTransform cBakeTransform::rotation(const Vec3f& axis, float degrees) {
    const Vec3f a = axis.normalized();
    const double rad = degrees * M_PI / 180.0;
    const float c = float(std::cos(rad)), s = float(std::sin(rad)), k = 1.0f - c;
    cBakeTransform t;
    t.m_[0][0] = c + a.x * a.x * k;
    t.m_[0][1] = a.x * a.y * k - a.z * s;
    t.m_[0][2] = a.x * a.z * k + a.y * s;
    t.m_[1][0] = a.y * a.x * k + a.z * s;
    t.m_[1][1] = c + a.y * a.y * k;
    t.m_[1][2] = a.y * a.z * k - a.x * s;
    t.m_[2][0] = a.z * a.x * k - a.y * s;
    t.m_[2][1] = a.z * a.y * k + a.x * s;
    t.m_[2][2] = c + a.z * a.z * k;
    return t;
}

cBakeTransform cBakeTransform::then(const cBakeTransform& next) const {
    cBakeTransform t;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            t.m_[r][c] =
                next.m_[r][0] * m_[0][c] + next.m_[r][1] * m_[1][c] + next.m_[r][2] * m_[2][c];
    t.offset_ = next.point(offset_);
    return t;
}

Vec3f cBakeTransform::linear(const Vec3f& v) const {
    return {m_[0][0] * v.x + m_[0][1] * v.y + m_[0][2] * v.z,
            m_[1][0] * v.x + m_[1][1] * v.y + m_[1][2] * v.z,
            m_[2][0] * v.x + m_[2][1] * v.y + m_[2][2] * v.z};
}

Vec3f cBakeTransform::point(const Vec3f& p) const {
    return linear(p) + offset_;
}

// The cofactor matrix is the inverse transpose times the determinant; its
// sign is taken out so that a mirrored surface's normals still point outward.
Vec3f cBakeTransform::normal(const Vec3f& n) const {
    const Vec3f c0(m_[0][0], m_[1][0], m_[2][0]);
    const Vec3f c1(m_[0][1], m_[1][1], m_[2][1]);
    const Vec3f c2(m_[0][2], m_[1][2], m_[2][2]);
    const Vec3f r0 = c1.cross(c2), r1 = c2.cross(c0), r2 = c0.cross(c1);
    const Vec3f out(r0.x * n.x + r1.x * n.y + r2.x * n.z, r0.y * n.x + r1.y * n.y + r2.y * n.z,
                    r0.z * n.x + r1.z * n.y + r2.z * n.z);
    return (determinant() < 0 ? -out : out).normalized();
}

float cBakeTransform::determinant() const {
    const Vec3f c0(m_[0][0], m_[1][0], m_[2][0]);
    const Vec3f c1(m_[0][1], m_[1][1], m_[2][1]);
    const Vec3f c2(m_[0][2], m_[1][2], m_[2][2]);
    return c0.dot(c1.cross(c2));
}
