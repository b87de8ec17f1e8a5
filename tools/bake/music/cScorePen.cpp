#include "cScorePen.h"

#include <algorithm>
#include <cmath>

int64_t cScorePen::tick(double beat) const {
    return int64_t(std::llround(beat * score_.ticks_per_beat));
}

void cScorePen::note(int track, double beat, double beats, int pitch, int velocity) {
    ScoreNote n;
    n.track = track;
    n.start = tick(beat);
    n.length = std::max<int64_t>(1, tick(beat + beats) - n.start);
    n.pitch = std::clamp(pitch, 0, 127);
    n.velocity = std::clamp(velocity, 1, 127); // 0 would read as a note-off
    score_.notes.push_back(n);
}

void cScorePen::control(int track, double beat, int controller, int value) {
    score_.controls.push_back({track, tick(beat), controller, std::clamp(value, 0, 127)});
}
