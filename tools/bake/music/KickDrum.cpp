#include "KickDrum.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {
// Pade approximation of tanh, exact enough for saturation and much cheaper.
float soft_saturate(float x) {
    if (x > 3.0f)
        return 1.0f;
    if (x < -3.0f)
        return -1.0f;
    return x * (27.0f + x * x) / (27.0f + 9.0f * x * x);
}
// sin(2 pi t) for t in [0, 1) from a refined parabola, within 0.1 %: the
// kick's body needs no more, and the library sine dominated its cost.
float sine_of_phase(float t) {
    const float v = 2.0f * t - 1.0f; // sin(2 pi t) = -sin(pi v)
    const float y = 4.0f * v * (1.0f - std::fabs(v));
    return -(0.225f * (y * std::fabs(y) - y) + y);
}
} // namespace

// The decays are stepped by multiplication.
void cKickDrum::play(const VoiceNote& note, StereoBuffer& out, size_t start) {
    if (start >= out.frames())
        return;
    const size_t length = std::min(size_t(5.0f * shape_.decay * kSampleRate), out.frames() - start);
    const size_t click_length = size_t(0.015f * kSampleRate);
    const float dt = 1.0f / kSampleRate;
    const float body_step = std::exp(-dt / shape_.decay);
    const float sweep_step = std::exp(-dt / shape_.sweep);
    const float click_step = std::exp(-dt / 0.0015f);
    const float norm = note.velocity / soft_saturate(shape_.drive);
    const float tune = shape_.root_pitch > 0
                           ? note_hz(float(note.pitch)) / note_hz(float(shape_.root_pitch))
                           : 1.0f;
    const float low = shape_.end_hz * tune, span = (shape_.start_hz - shape_.end_hz) * tune;
    cNoise noise(note.seed);
    float phase = 0.0f, body = 1.0f, sweep = 1.0f, click = shape_.click;
    for (size_t i = 0; i < length; ++i) {
        float x = sine_of_phase(phase) * body;
        if (i < click_length)
            x += noise.next() * click;
        const float s = soft_saturate(shape_.drive * x) * norm;
        out.left[start + i] += s;
        out.right[start + i] += s;
        phase += (low + span * sweep) * dt;
        phase -= std::floor(phase);
        body *= body_step;
        sweep *= sweep_step;
        click *= click_step;
    }
}
