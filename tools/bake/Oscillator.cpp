#include "Oscillator.h"

#include "StereoBuffer.h"

#include <cmath>

void cOscillator::set_hz(float hz) {
    inc_ = hz / kSampleRate;
}

// Polynomial correction around a unit step at phase 0 (t in [0, 1)).
float cOscillator::blep(float t) const {
    if (t < inc_) {
        t /= inc_;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - inc_) {
        t = (t - 1.0f) / inc_;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

cOscillator::Shapes cOscillator::next() {
    const float t = phase_;
    const float saw = 2.0f * t - 1.0f - blep(t);
    float half = t + 0.5f;
    if (half >= 1.0f)
        half -= 1.0f;
    const float pulse = (t < 0.5f ? 1.0f : -1.0f) + blep(t) - blep(half);
    advance();
    return {saw, pulse};
}

float cOscillator::next_sine() {
    const float sine = std::sin(6.2831853f * phase_);
    advance();
    return sine;
}

void cOscillator::advance() {
    phase_ += inc_;
    if (phase_ >= 1.0f)
        phase_ -= 1.0f;
}
