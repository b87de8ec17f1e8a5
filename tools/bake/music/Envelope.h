// An attack-decay-sustain-release envelope stepped once per sample, used for
// both the loudness and the filter cutoff of the tonal voices. The note-off
// comes after a fixed number of held frames.
#pragma once

#include <cstddef>

struct EnvelopeShape {
    float attack = 0.005f; // seconds, linear rise
    float decay = 0.2f;    // seconds, time constant of the fall to sustain
    float sustain = 0.7f;  // level 0..1
    float release = 0.1f;  // seconds, time constant after the note-off
};

class cEnvelope {
public:
    cEnvelope(const EnvelopeShape& shape, size_t hold_frames);

    float next();
    // True once released and below -60 dB: the voice can stop.
    bool done() const { return frame_ > hold_ && level_ < 1e-3f; }
    // Frames until done() at the latest, for sizing a voice's render.
    static size_t ring_frames(const EnvelopeShape& shape, size_t hold_frames);

private:
    EnvelopeShape shape_;
    size_t hold_;
    size_t frame_ = 0;
    float level_ = 0.0f;
    float attack_step_, decay_coef_, release_coef_;
    bool attacking_ = true;
};
