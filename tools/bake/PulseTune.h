// Composes "pulse55", the demo's short placeholder tune: 36 bars at 125 bpm
// (intro, build, drop, outro) plus a final hit that rings out, about 72 s.
// The result is plain score data; see PulseTracks.h for the track list.
#pragma once

#include "Score.h"

class cPulseTune {
public:
    static constexpr double kBpm = 125.0;
    static Score compose();

private:
    static Score empty_score();
    static void intro(Score& score, int bar);
    static void build(Score& score, int bar);
    static void drop(Score& score, int bar);
    static void outro(Score& score, int bar);
};
