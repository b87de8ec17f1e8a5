// Snares, claps, hats and cymbals: band-limited noise with an exponential
// decay, an optional pitched body (the snare's shell), optional repeated bursts
// (the smeared attack of a hand clap) and a top that darkens after the hit.
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
    int bursts = 1;              // clap: several quick hits before the tail
    float burst_spacing = 0.0f;  // seconds between bursts
    float width = 0.0f;          // 0 mono .. 1 independent noise per side
    float lowpass_hz = 0.0f;     // 0: no low-pass; else where the ringing tail's top ends
    float hit_lowpass_hz = 0.0f; // the low-pass at the hit, gliding down to lowpass_hz
    float hit_decay = 0.008f;    // seconds, time constant of that glide
};

class cNoiseDrum : public iInstrument {
public:
    explicit cNoiseDrum(const NoiseDrumShape& shape);
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    float step(size_t frame, float& env) const;
    float lowpass_at(size_t frame) const;

    NoiseDrumShape shape_;
    float burst_step_, tail_step_;
};
