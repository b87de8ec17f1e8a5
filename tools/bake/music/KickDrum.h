// The bass drum (and, tuned to its notes, toms): a sine sweeping down from a
// punchy start to a low body, exponential decay, gentle saturation, and a
// noise click on the first sample so the onset sits exactly on the note time.
#pragma once

#include "Instrument.h"

struct KickShape {
    float start_hz = 170.0f;
    float end_hz = 48.0f;
    float sweep = 0.035f; // seconds, time constant of the pitch fall
    float decay = 0.2f;   // seconds, time constant of the body
    float click = 0.35f;  // level of the noise transient
    float drive = 1.6f;   // saturation amount, 1 = clean
    int root_pitch = 0;   // 0: every note sounds the same; else notes transpose from this one
};

class cKickDrum : public iInstrument {
public:
    explicit cKickDrum(const KickShape& shape) : shape_(shape) {}
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    KickShape shape_;
};
