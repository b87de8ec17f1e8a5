// The interface of one synthesiser voice type (kick, hat, bass, pad ...).
// An instrument adds one note at a time into a stereo buffer; notes may ring
// on past their held length, and are clipped at the end of the buffer.
#pragma once

#include "StereoBuffer.h"

#include <cmath>
#include <cstdint>

struct VoiceNote {
    int pitch = 60;
    float velocity = 1.0f; // 0..1
    size_t hold = 0;       // frames the note is held before its release
    uint32_t seed = 1;     // fixed per note, so noise does not depend on render order
};

class iInstrument {
public:
    virtual ~iInstrument() = default;
    virtual void play(const VoiceNote& note, StereoBuffer& out, size_t start) = 0;
};

// Frequency in Hz of a MIDI note number (A4 = 69 = 440 Hz).
inline float note_hz(float pitch) {
    return 440.0f * std::exp2((pitch - 69.0f) / 12.0f);
}
