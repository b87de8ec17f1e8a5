#include "cCameraPath.h"

#include <cmath>
#include <fstream>

namespace {

constexpr float kLastT = 0.9999881f;

// One triple "c n c n c n c" in the file's axes, converted to ours.
bool read_triple(std::istream& in, Vec3f* out) {
    char separator;
    float v[3];
    if (!(in >> separator >> v[0] >> separator >> v[1] >> separator >> v[2] >> separator))
        return false;
    *out = {v[0], v[2], -v[1]};
    return true;
}

Vec3f sample(const cCameraPath& path, float t, Vec3f cPathKey::*field) {
    if (path.empty())
        return {};
    if (!(t > 0.0f))
        t = 0.0f; // NaN too
    if (t > kLastT)
        t = kLastT;
    const int n = static_cast<int>(path.size());
    const float s = static_cast<float>(n) * t;
    int e = static_cast<int>(s);
    const float f = s - std::floor(s);
    if (e > n - 1)
        e = n - 1;
    const Vec3f& a = path[static_cast<size_t>(e)].*field;
    if (e >= n - 1)
        return a;
    const Vec3f& b = path[static_cast<size_t>(e) + 1].*field;
    return a + (b - a) * f;
}

} // namespace

void read_path(std::istream& in, cCameraPath& path) {
    for (cPathKey key;
         read_triple(in, &key.eye) && read_triple(in, &key.interest) && read_triple(in, &key.up);)
        path.push_back(key);
}

bool load_path(const std::string& full_path, cCameraPath& path) {
    std::ifstream in(full_path);
    if (!in)
        return false;
    read_path(in, path);
    return true;
}

Vec3f path_eye(const cCameraPath& path, float t) {
    return sample(path, t, &cPathKey::eye);
}

Vec3f path_interest(const cCameraPath& path, float t) {
    return sample(path, t, &cPathKey::interest);
}

Vec3f path_up(const cCameraPath& path, float t) {
    return sample(path, t, &cPathKey::up);
}
