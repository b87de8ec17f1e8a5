// Snares, claps, hats and cymbals: filtered noise with an exponential decay,
// an optional pitched body (the snare's shell) and optional repeated bursts
// (the smeared attack of a hand clap).
#pragma once

#include "Instrument.h"

struct NoiseDrumShape {
    float noise_decay = 0.15f; // seconds
    float highpass_hz = 1000.0f;
    float bandpass_hz = 0.0f; // 0: no band-pass stage
    float band_resonance = 0.3f;
    float tone_hz = 0.0f; // 0: no pitched body
    float tone_decay = 0.06f;
    float tone_level = 0.0f;
    int bursts = 1;             // clap: several quick hits before the tail
    float burst_spacing = 0.0f; // seconds between bursts
    float width = 0.0f;         // 0 mono .. 1 independent noise per side
};

class cNoiseDrum : public iInstrument {
public:
    explicit cNoiseDrum(const NoiseDrumShape& shape);
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    float step(size_t frame, float& env) const;

    NoiseDrumShape shape_;
    float burst_step_, tail_step_;
};
