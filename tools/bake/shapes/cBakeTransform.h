// An affine transform of the content pipeline's meshes: a 3x3 linear part and
// an offset. Points take both; normals take the inverse transpose of the
// linear part and come back unit length.
#pragma once

#include "geometry/Vec3.h"

class cBakeTransform {
public:
    cBakeTransform() = default; // the identity

    static cBakeTransform translation(const Vec3f& offset);
    static cBakeTransform scaling(const Vec3f& factors);
    // Right-handed turn about `axis` (any length but zero).
    static cBakeTransform rotation(const Vec3f& axis, float degrees);

    // `this` first, then `next`.
    cBakeTransform then(const cBakeTransform& next) const;

    Vec3f point(const Vec3f& p) const;
    Vec3f normal(const Vec3f& n) const;
    float determinant() const;

private:
    Vec3f linear(const Vec3f& v) const;

    float m_[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3f offset_;
};
