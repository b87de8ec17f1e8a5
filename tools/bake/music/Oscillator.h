// A band-limited oscillator (PolyBLEP saw and pulse, or a sine) for the
// tonal voices; the step corrections keep high notes free of the harsh
// aliasing a naive sawtooth would fold back into the audible range.
#pragma once

class cOscillator {
public:
    explicit cOscillator(float phase = 0.0f) : phase_(phase) {}

    void set_hz(float hz);
    // Advances one sample and returns the shapes at the old phase.
    struct Shapes {
        float saw, pulse;
    };
    // Inline, like the helpers below: it runs once per sample and oscillator.
    Shapes next() {
        const float t = phase_;
        const float saw = 2.0f * t - 1.0f - blep(t);
        float half = t + 0.5f;
        if (half >= 1.0f)
            half -= 1.0f;
        const float pulse = (t < 0.5f ? 1.0f : -1.0f) + blep(t) - blep(half);
        advance();
        return {saw, pulse};
    }
    float next_sine();

private:
    // Polynomial correction around a unit step at phase 0 (t in [0, 1)).
    float blep(float t) const {
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
    void advance() {
        phase_ += inc_;
        if (phase_ >= 1.0f)
            phase_ -= 1.0f;
    }

    float phase_;
    float inc_ = 0.0f;
};
