// A 4 x 4 matrix in OpenGL's column-major order (entry [c * 4 + r] is row r, column c), for
// the orientations that scenes compute on the CPU and hand to glMultMatrixf. Rotations are
// right-handed; angles here are radians.
#pragma once

#include "Vec3.h"

#include <array>

class cMatrix4 {
public:
    cMatrix4(); // the identity

    // A turn by `radians` about the unit vector `axis`.
    static cMatrix4 rotation(const Vec3f& axis, float radians);
    // The turn that takes +y onto the unit vector `d`, by the shortest way; straight down is
    // half a turn about x.
    static cMatrix4 rotation_onto(const Vec3f& d);
    // a + (b - a) * k, entry by entry: a blend of two matrices, not a rotation in general.
    static cMatrix4 blend(const cMatrix4& a, const cMatrix4& b, float k);

    static cMatrix4 translation(const Vec3f& offset);
    static cMatrix4 scaling(const Vec3f& factors);
    // This matrix after `next`, as glMultMatrix would compose them: (a * b).apply(p) is
    // a.apply(b.apply(p)).
    cMatrix4 operator*(const cMatrix4& next) const;

    // The point p (w = 1) through the matrix.
    Vec3f apply(const Vec3f& p) const;
    // The direction v (w = 0) through the matrix: no translation.
    Vec3f turn(const Vec3f& v) const;

    float& at(int row, int column) { return m_[column * 4 + row]; }
    float at(int row, int column) const { return m_[column * 4 + row]; }
    const float* data() const { return m_.data(); }
    bool operator==(const cMatrix4& o) const { return m_ == o.m_; }

private:
    std::array<float, 16> m_;
};
