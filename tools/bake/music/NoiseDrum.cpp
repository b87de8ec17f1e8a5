#include "NoiseDrum.h"

#include "Filter.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

cNoiseDrum::cNoiseDrum(const NoiseDrumShape& shape)
    : shape_(shape), burst_step_(std::exp(-1.0f / (0.004f * kSampleRate))),
      tail_step_(std::exp(-1.0f / (shape.noise_decay * kSampleRate))) {}

// Each burst restarts `env` at 1 with a fast decay; the last one carries into
// the long tail. Returns the factor that steps `env` to the next frame.
float cNoiseDrum::step(size_t frame, float& env) const {
    const size_t spacing = size_t(shape_.burst_spacing * kSampleRate);
    const size_t tail_start = size_t(shape_.bursts - 1) * spacing;
    if (spacing > 0 && frame <= tail_start && frame % spacing == 0)
        env = 1.0f;
    return frame < tail_start ? burst_step_ : tail_step_;
}

// Sticks and real cymbals sound brightest at the hit and lose their highest
// partials first; the glide keeps that click while the hiss of the tail stays low.
float cNoiseDrum::lowpass_at(size_t frame) const {
    if (shape_.hit_lowpass_hz <= shape_.lowpass_hz)
        return shape_.lowpass_hz;
    const float glide = std::exp(-float(frame) / (shape_.hit_decay * kSampleRate));
    return shape_.lowpass_hz + (shape_.hit_lowpass_hz - shape_.lowpass_hz) * glide;
}

void cNoiseDrum::play(const VoiceNote& note, StereoBuffer& out, size_t start) {
    if (start >= out.frames())
        return;
    const float ring = (shape_.bursts - 1) * shape_.burst_spacing +
                       7.0f * std::max(shape_.noise_decay, shape_.tone_decay);
    const size_t length = std::min(size_t(ring * kSampleRate), out.frames() - start);
    const size_t tone_length = size_t(7.0f * shape_.tone_decay * kSampleRate);
    const float tone_step = std::exp(-1.0f / (shape_.tone_decay * kSampleRate));
    cNoise noise_l(note.seed), noise_r(note.seed + 7919u);
    cFilter hp[2], bp[2], lp[2];
    for (int c = 0; c < 2; ++c) {
        hp[c].set(shape_.highpass_hz, 0.0f);
        bp[c].set(shape_.bandpass_hz, shape_.band_resonance);
    }
    const size_t glide_end = size_t(7.0f * shape_.hit_decay * kSampleRate);
    float env = 1.0f, tone_level = shape_.tone_level * note.velocity;
    for (size_t i = 0; i < length; ++i) {
        const float l = noise_l.next();
        const float r = l + shape_.width * (noise_r.next() - l);
        float side[2] = {hp[0].high(l), hp[1].high(r)};
        if (shape_.bandpass_hz > 0.0f)
            for (int c = 0; c < 2; ++c)
                side[c] = bp[c].band(side[c]) * 2.0f;
        if (shape_.lowpass_hz > 0.0f) {
            if (i % 16 == 0 && (i == 0 || i < glide_end))
                for (cFilter& f : lp)
                    f.set(lowpass_at(i), 0.3f); // a flat corner, no bump
            for (int c = 0; c < 2; ++c)
                side[c] = lp[c].low(side[c]);
        }
        const float mul = step(i, env);
        const float level = env * note.velocity;
        float tone = 0.0f;
        if (tone_level > 0.0f && i < tone_length) {
            tone = tone_level * std::sin(6.2831853f * shape_.tone_hz * i / kSampleRate);
            tone_level *= tone_step;
        }
        out.left[start + i] += side[0] * level + tone;
        out.right[start + i] += side[1] * level + tone;
        env *= mul;
    }
}
