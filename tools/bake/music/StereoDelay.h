// A ping-pong echo for the send bus: the mono sum enters on the left, each
// repeat crosses to the other side and loses some treble, which widens the
// arpeggio and lead without smearing the low end.
#pragma once

#include "Filter.h"
#include "StereoBuffer.h"

#include <vector>

struct DelaySettings {
    double seconds = 0.36;
    float feedback = 0.45;
    float damping_hz = 4500.0f; // low-pass in the feedback path
};

class cStereoDelay {
public:
    explicit cStereoDelay(const DelaySettings& settings);
    // Replaces the send signal in `io` with the echoes (the wet signal only).
    void process(StereoBuffer& io);

private:
    DelaySettings settings_;
    std::vector<float> line_l_, line_r_;
    cFilter damp_l_, damp_r_;
};
