// The subtractive voice behind bass, pad, arpeggio and lead: a few detuned
// band-limited oscillators spread across the stereo field, a resonant
// low-pass per side with its own envelope, an amplitude envelope and vibrato.
#pragma once

#include "Envelope.h"
#include "Instrument.h"

struct ToneShape {
    float saw = 1.0f;          // oscillator mix
    float pulse = 0.0f;        //
    float sub = 0.0f;          // sine one octave below
    int unison = 1;            // oscillators per note
    float detune_cents = 0.0f; // spread between the outermost oscillators
    float width = 0.0f;        // 0 mono .. 1 outermost oscillators hard left/right
    float cutoff_hz = 2000.0f;
    float velocity_cutoff_hz = 0.0f; // added at full velocity
    float envelope_cutoff_hz = 0.0f; // added at the filter envelope's peak
    float resonance = 0.2f;
    float vibrato_cents = 0.0f;
    float vibrato_hz = 5.0f;
    float vibrato_delay = 0.2f; // seconds before the vibrato fades in
    EnvelopeShape amp;
    EnvelopeShape filter;
};

class cToneVoice : public iInstrument {
public:
    explicit cToneVoice(const ToneShape& shape) : shape_(shape) {}
    void play(const VoiceNote& note, StereoBuffer& out, size_t start) override;

private:
    float vibrato(size_t frame) const;

    ToneShape shape_;
};
