#include "cBakeCameraPath.h"

#include "base/Smoothstep.h"

#include <stdexcept>
#include <utility>

cBakeCameraPath::cBakeCameraPath(cBakeSpline eye, cBakeSpline interest)
    : eye_(std::move(eye)), interest_(std::move(interest)) {}

cBakeCameraPath& cBakeCameraPath::set_up(const Vec3f& up) {
    up_ = up.normalized();
    up_spline_.reset();
    return *this;
}

cBakeCameraPath& cBakeCameraPath::set_up(cBakeSpline up) {
    up_spline_ = std::move(up);
    return *this;
}

cBakeCameraPath& cBakeCameraPath::set_even_speed(bool even) {
    even_ = even;
    eased_ = eased_ && !even;
    return *this;
}

cBakeCameraPath& cBakeCameraPath::set_eased(bool eased) {
    eased_ = eased;
    even_ = even_ && !eased;
    return *this;
}

std::vector<cBakePathKey> cBakeCameraPath::keys(int count) const {
    if (count < 1)
        throw std::invalid_argument("a camera path needs at least one key");
    std::vector<float> steps;
    if (even_)
        steps = eye_.even_steps(count);
    else
        for (int k = 0; k < count; ++k) {
            const float u = count == 1 ? 0.0f : float(k) / float(count - 1);
            steps.push_back(eased_ ? smoothstep(u) : u);
        }
    std::vector<cBakePathKey> keys;
    for (float u : steps) {
        const Vec3f up = up_spline_ ? up_spline_->at(u).normalized() : up_;
        keys.push_back({eye_.at(u), interest_.at(u), up});
    }
    return keys;
}

void cBakeCameraPath::write(int count, const std::string& path) const {
    cBakePathWriter::write(keys(count), path);
}
