#include "cMatrix4.h"

#include "base/Pi.h"

#include <cmath>

cMatrix4::cMatrix4() : m_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

cMatrix4 cMatrix4::rotation(const Vec3f& axis, float radians) {
    const float c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    const float x = axis.x, y = axis.y, z = axis.z;
    cMatrix4 r;
    r.at(0, 0) = t * x * x + c;
    r.at(0, 1) = t * x * y - s * z;
    r.at(0, 2) = t * x * z + s * y;
    r.at(1, 0) = t * x * y + s * z;
    r.at(1, 1) = t * y * y + c;
    r.at(1, 2) = t * y * z - s * x;
    r.at(2, 0) = t * x * z - s * y;
    r.at(2, 1) = t * y * z + s * x;
    r.at(2, 2) = t * z * z + c;
    return r;
}

cMatrix4 cMatrix4::rotation_onto(const Vec3f& d) {
    const Vec3f axis = Vec3f(0, 1, 0).cross(d);
    const float sine = axis.length();
    // Along the y axis the cross product gives no axis: up is no turn, down half a turn.
    if (sine < 1e-6f)
        return d.y >= 0 ? cMatrix4() : rotation({1, 0, 0}, kPi);
    // asin(sine), or pi less it for downward d, without asin's loss of precision near level.
    return rotation(axis * (1 / sine), std::atan2(sine, d.y));
}

cMatrix4 cMatrix4::blend(const cMatrix4& a, const cMatrix4& b, float k) {
    cMatrix4 r;
    for (int i = 0; i < 16; ++i)
        r.m_[i] = a.m_[i] + (b.m_[i] - a.m_[i]) * k;
    return r;
}

cMatrix4 cMatrix4::translation(const Vec3f& offset) {
    cMatrix4 r;
    for (int row = 0; row < 3; ++row)
        r.at(row, 3) = offset[row];
    return r;
}

cMatrix4 cMatrix4::scaling(const Vec3f& factors) {
    cMatrix4 r;
    for (int i = 0; i < 3; ++i)
        r.at(i, i) = factors[i];
    return r;
}

cMatrix4 cMatrix4::operator*(const cMatrix4& next) const {
    cMatrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * next.at(k, column);
            r.at(row, column) = sum;
        }
    return r;
}

Vec3f cMatrix4::turn(const Vec3f& v) const {
    Vec3f r;
    for (int row = 0; row < 3; ++row)
        r[row] = at(row, 0) * v.x + at(row, 1) * v.y + at(row, 2) * v.z;
    return r;
}

Vec3f cMatrix4::apply(const Vec3f& p) const {
    Vec3f r;
    for (int row = 0; row < 3; ++row)
        r[row] = at(row, 0) * p.x + at(row, 1) * p.y + at(row, 2) * p.z + at(row, 3);
    return r;
}
