#include "Oscillator.h"

#include "StereoBuffer.h"

#include <cmath>

void cOscillator::set_hz(float hz) {
    inc_ = hz / kSampleRate;
}

float cOscillator::next_sine() {
    const float sine = std::sin(6.2831853f * phase_);
    advance();
    return sine;
}
