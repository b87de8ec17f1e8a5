// The bass drum: a sine whose pitch sweeps down from a punchy start to a low
// body, with an exponential decay, a short noise click on the first sample
// (so the onset sits exactly on the note time) and gentle saturation.
#pragma once

#include "Instrument.h"

struct KickShape {
    float start_hz = 170.0f;
    float end_hz = 48.0f;
    float sweep = 0.035f; // seconds, time constant of the pitch fall
    float decay = 0.2f;   // seconds, time constant of the body
    float click = 0.35f;  // level of the noise transient
    float drive = 1.6f;   // saturation amount, 1 = clean
};

class cKickDrum : public iInstrument {
public:
    explicit cKickDrum(const KickShape& shape) : shape_(shape) {}
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    KickShape shape_;
};
