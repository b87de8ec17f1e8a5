#include "Envelope.h"

#include "StereoBuffer.h"

#include <cmath>

namespace {
float coefficient(float seconds) {
    return std::exp(-1.0f / (seconds * kSampleRate + 1.0f));
}
} // namespace

cEnvelope::cEnvelope(const EnvelopeShape& shape, size_t hold_frames)
    : shape_(shape), hold_(hold_frames), attack_step_(1.0f / (shape.attack * kSampleRate + 1.0f)),
      decay_coef_(coefficient(shape.decay)), release_coef_(coefficient(shape.release)) {}

float cEnvelope::next() {
    const float out = level_;
    if (frame_ >= hold_) {
        level_ *= release_coef_;
    } else if (attacking_) {
        level_ += attack_step_;
        if (level_ >= 1.0f) {
            level_ = 1.0f;
            attacking_ = false;
        }
    } else {
        level_ = shape_.sustain + (level_ - shape_.sustain) * decay_coef_;
    }
    ++frame_;
    return out;
}

size_t cEnvelope::ring_frames(const EnvelopeShape& shape, size_t hold_frames) {
    // 7 time constants take a full-scale level below 1e-3.
    return hold_frames + size_t(7.0f * shape.release * kSampleRate) + 1;
}
