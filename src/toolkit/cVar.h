// The variable of one member type: int, unsigned, float or Vec3f. It reads
// and writes the member through the pointer it was made with, so what the
// owner writes is what the list shows on its next draw.
#pragma once

#include "geometry/Vec3.h"
#include "toolkit/ValueText.h"
#include "toolkit/iVar.h"

#include <cmath>
#include <limits>
#include <utility>

namespace var_detail {

// Float to integer by truncation toward zero, held inside the integer's
// range so an extreme slider value cannot overflow the conversion.
template <class I> I truncate(float value) {
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(static_cast<double>(value));
    const double lo = static_cast<double>(std::numeric_limits<I>::min());
    const double hi = static_cast<double>(std::numeric_limits<I>::max());
    return static_cast<I>(t < lo ? lo : t > hi ? hi : t);
}

inline int components(const Vec3f*) {
    return 3;
}
template <class T> int components(const T*) {
    return 1;
}

inline float get(const Vec3f& v, int index) {
    return v[index];
}
template <class T> float get(const T& v, int) {
    return static_cast<float>(v);
}

inline void set(Vec3f& v, int index, float value) {
    v[index] = value;
}
inline void set(float& v, int, float value) {
    v = value;
}
template <class I> void set(I& v, int, float value) {
    v = truncate<I>(value);
}

} // namespace var_detail

template <class T> class cVar : public iVar {
public:
    cVar(std::string name, T* target) : name_(std::move(name)), target_(target) {}

    std::string get_name() const override { return name_; }
    std::string get_value_text() const override { return value_text(*target_); }

    int components() const override { return var_detail::components(target_); }
    float get_component(int index) const override { return var_detail::get(*target_, index); }
    void set_component(int index, float value) override { var_detail::set(*target_, index, value); }

    T* target() const { return target_; }

private:
    std::string name_;
    T* target_;
};
