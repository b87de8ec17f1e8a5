#include "Filter.h"

#include "StereoBuffer.h"

#include <algorithm>
#include <cmath>

void cFilter::set(float cutoff_hz, float resonance) {
    const float nyquist_safe = 0.45f * kSampleRate;
    const float fc = std::clamp(cutoff_hz, 10.0f, nyquist_safe);
    const float g = std::tan(3.14159265f * fc / kSampleRate);
    k_ = 2.0f - 2.0f * std::clamp(resonance, 0.0f, 0.98f);
    a1_ = 1.0f / (1.0f + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

cFilter::Outputs cFilter::process(float in) {
    const float v3 = in - ic2_;
    const float v1 = a1_ * ic1_ + a2_ * v3;
    const float v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0f * v1 - ic1_;
    ic2_ = 2.0f * v2 - ic2_;
    return {v2, v1, in - k_ * v1 - v2};
}
