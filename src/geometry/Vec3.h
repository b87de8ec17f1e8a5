// Three consecutive floats x, y, z: the vector of cameras, meshes, particles
// and tweakable variables. Space is right-handed with Y up; camera paths are
// converted from their file's Z-up axes when they are read.
#pragma once

#include <cmath>

template <class T> struct Vec3 {
    T x = 0, y = 0, z = 0;

    Vec3() = default;
    Vec3(T x_, T y_, T z_) : x(x_), y(y_), z(z_) {}

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(T s) const { return {x * s, y * s, z * s}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
    Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
    Vec3& operator-=(const Vec3& o) { return *this = *this - o; }
    Vec3& operator*=(T s) { return *this = *this * s; }
    bool operator==(const Vec3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vec3& o) const { return !(*this == o); }
    T& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
    const T& operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }

    T dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 cross(const Vec3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    T length() const { return std::sqrt(dot(*this)); }
    // The unit vector in this direction; the zero vector stays zero.
    Vec3 normalized() const {
        const T l = length();
        return l > T(0) ? *this * (T(1) / l) : *this;
    }
};

using Vec3f = Vec3<float>;
