// Numbers to judge a render without listening: peak and RMS level of a
// stretch of audio in dBFS, and the quietest short window in a stretch (a
// silent gap shows up as a very low figure there).
#pragma once

#include "StereoBuffer.h"

struct Levels {
    double peak_db = -120.0;
    double rms_db = -120.0;
};

struct QuietSpot {
    double seconds = 0.0; // where the window starts
    double rms_db = -120.0;
};

class cLevelMeter {
public:
    explicit cLevelMeter(const StereoBuffer& audio) : audio_(audio) {}
    Levels levels(size_t from, size_t to) const;
    QuietSpot quietest(size_t from, size_t to, size_t window) const;

    static double to_db(double amplitude);

private:
    double energy(size_t from, size_t to) const; // sum of squares, both sides

    const StereoBuffer& audio_;
};
