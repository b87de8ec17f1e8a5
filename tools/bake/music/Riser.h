// The build-up effect: noise through a band-pass whose centre sweeps up
// exponentially while the level swells over the whole held note, then cuts
// off with a short release right at the drop.
#pragma once

#include "Instrument.h"

struct RiserShape {
    float from_hz = 300.0f;
    float to_hz = 9000.0f;
    float resonance = 0.6f;
    float release = 0.03f; // seconds
};

class cRiser : public iInstrument {
public:
    explicit cRiser(const RiserShape& shape) : shape_(shape) {}
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    RiserShape shape_;
};
