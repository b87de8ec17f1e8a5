// Writes notes and controller changes into a Score at positions in beats,
// so the parts are composed in musical time. Ticks are rounded once here;
// velocities and controller values are kept inside 1..127 and 0..127.
#pragma once

#include "Score.h"

class cScorePen {
public:
    explicit cScorePen(Score& score) : score_(score) {}

    void note(int track, double beat, double beats, int pitch, int velocity);
    void control(int track, double beat, int controller, int value);

private:
    int64_t tick(double beat) const;

    Score& score_;
};
