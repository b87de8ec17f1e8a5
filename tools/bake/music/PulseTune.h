// Composes "pulse55", the demo's tune: 132 bars at 118 bpm in sections that
// follow the scenes of the timeline, plus a final chord that rings out, about
// 4:32. The result is plain score data; PulseTracks.h lists the tracks.
#pragma once

#include "Score.h"

class cPulseTune {
public:
    static constexpr double kBpm = 118.0;
    // 118 bpm as a whole number of microseconds per quarter note, the unit
    // of the MIDI file; the audio is rendered at exactly this tempo too.
    static constexpr int kTempoUs = 508475;
    static Score compose();

private:
    static Score empty_score();
};
