// The tonal parts of "pulse55" as note patterns over a range of bars, all
// following one chord progression (cPulseHarmony). The stabs also draw the
// light automation: controller 72 on the stab track, one value per beat.
#pragma once

#include "cPulseHarmony.h"
#include "cScorePen.h"

enum eBassStyle { kHeldBass, kOffbeatBass, kDrivingBass };
enum eMelody { kHookMelody, kDriveMelody };

class cPulseTones {
public:
    cPulseTones(Score& score, eProgression progression) : pen_(score), harmony_(progression) {}

    void bass(int bar, int bars, eBassStyle style);
    void pad(int bar, int bars, int velocity);
    void arp(int bar, int bars, int velocity_from, int velocity_to);
    void lead(int bar, int bars, eMelody melody);
    void pluck(int bar, int bars, int velocity);
    // Off-beat stabs whose loudness follows the light level, which ramps
    // from `light_from` to `light_to` (0..127) over the bars.
    void stabs(int bar, int bars, int light_from, int light_to);
    // Bell notes at the given beats of every bar (beats within 0..4).
    void accents(int bar, int bars, std::initializer_list<double> beats);
    void final_chord(int bar, int beats);

private:
    cScorePen pen_;
    cPulseHarmony harmony_;
};
