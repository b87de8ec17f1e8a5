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
    Shapes next();
    float next_sine();

private:
    float blep(float t) const;
    void advance();

    float phase_;
    float inc_ = 0.0f;
};
