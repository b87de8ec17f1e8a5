// A state-variable filter (trapezoidal, zero-delay feedback) giving low,
// band and high pass at once. It stays stable while the cutoff moves every
// sample, which the voices need for their filter envelopes and sweeps.
#pragma once

class cFilter {
public:
    struct Outputs {
        float low, band, high;
    };

    // `resonance` 0..1 (1 self-oscillates); the cutoff is clamped below Nyquist.
    void set(float cutoff_hz, float resonance);
    Outputs process(float in) { // inline: it runs once per sample and voice
        const float v3 = in - ic2_;
        const float v1 = a1_ * ic1_ + a2_ * v3;
        const float v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0f * v1 - ic1_;
        ic2_ = 2.0f * v2 - ic2_;
        return {v2, v1, in - k_ * v1 - v2};
    }
    float low(float in) { return process(in).low; }
    float high(float in) { return process(in).high; }
    float band(float in) { return process(in).band; }

private:
    float a1_ = 1.0f, a2_ = 0.0f, a3_ = 0.0f, k_ = 2.0f;
    float ic1_ = 0.0f, ic2_ = 0.0f;
};
