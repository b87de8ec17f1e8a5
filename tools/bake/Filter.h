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
    Outputs process(float in);
    float low(float in) { return process(in).low; }
    float high(float in) { return process(in).high; }
    float band(float in) { return process(in).band; }

private:
    float a1_ = 1.0f, a2_ = 0.0f, a3_ = 0.0f, k_ = 2.0f;
    float ic1_ = 0.0f, ic2_ = 0.0f;
};
