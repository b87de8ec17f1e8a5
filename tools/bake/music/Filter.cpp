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
