#include "cPulseDrums.h"

#include "PulseTracks.h"

namespace {

struct Hit {
    double beat;
    int pitch, velocity;
};

// A syncopated bar of toms and congas that answers the kick.
const Hit kPercussion[] = {
    {0.75, kHighCongaPitch, 80}, {1.5, kLowCongaPitch, 95}, {2.25, kMidTomPitch, 90},
    {2.75, kHighCongaPitch, 75}, {3.25, kLowTomPitch, 100}, {3.5, kMidTomPitch, 85},
};

} // namespace

void cPulseDrums::kick(int bar, int bars) {
    kicks(4 * bar, 4 * bars);
}

void cPulseDrums::kicks(int first_beat, int count) {
    for (int b = first_beat; b < first_beat + count; ++b)
        pen_.note(kKickTrack, b, 0.25, kKickPitch, b % 4 == 0 ? 124 : 116);
}

void cPulseDrums::kick_roll(int bar) {
    for (int e = 0; e < 8; ++e)
        pen_.note(kKickTrack, 4.0 * bar + 0.5 * e, 0.25, kKickPitch, 96 + 4 * e);
}

void cPulseDrums::backbeat(int bar, int bars) {
    for (int b = 4 * bar + 1; b < 4 * (bar + bars); b += 2)
        pen_.note(kClapTrack, b, 0.25, kClapPitch, 108);
}

void cPulseDrums::clap_stutter(int bar) {
    for (int s = 1; s < 4; ++s)
        pen_.note(kClapTrack, 4.0 * bar + 3.0 + 0.25 * s, 0.2, kClapPitch, 70 + 12 * s);
}

void cPulseDrums::hats(int bar, int bars, bool sixteenths) {
    const int accents[4] = {55, 35, 95, 40};
    for (int b = 4 * bar; b < 4 * (bar + bars); ++b) {
        if (!sixteenths) {
            pen_.note(kHatTrack, b + 0.5, 0.25, kHatPitch, 90);
            continue;
        }
        for (int s = 0; s < 4; ++s)
            pen_.note(kHatTrack, b + 0.25 * s, 0.25, kHatPitch, accents[s]);
    }
}

void cPulseDrums::open_hats(int bar, int bars) {
    for (int b = 4 * bar; b < 4 * (bar + bars); ++b)
        pen_.note(kOpenHatTrack, b + 0.5, 0.5, kOpenHatPitch, 80);
}

void cPulseDrums::shaker(int bar, int bars) {
    for (int s = 16 * bar; s < 16 * (bar + bars); ++s)
        pen_.note(kShakerTrack, 0.25 * s, 0.2, kShakerPitch, s % 2 ? 60 : 85);
}

// Quarters, then eighths, then sixteenths, getting louder towards the drop.
void cPulseDrums::snare_roll(int bar, int bars) {
    const double total = 4.0 * bars;
    for (int i = 0; i < bars; ++i) {
        const int per_beat = 4 * i < bars ? 1 : 2 * i < bars ? 2 : 4;
        for (int s = 0; s < 4 * per_beat; ++s) {
            const double beat = 4.0 * (bar + i) + double(s) / per_beat;
            const double progress = (beat - 4.0 * bar) / total;
            pen_.note(kSnareTrack, beat, 0.2, kSnarePitch, int(40 + 85 * progress));
        }
    }
}

void cPulseDrums::fill(int bar) {
    for (int s = 0; s < 8; ++s)
        pen_.note(kSnareTrack, 4.0 * bar + 2.0 + 0.25 * s, 0.2, kSnarePitch, 60 + 8 * s);
}

void cPulseDrums::crash(int bar) {
    pen_.note(kCrashTrack, 4.0 * bar, 1.0, kCrashPitch, 112);
}

void cPulseDrums::splash(double beat) {
    pen_.note(kCrashTrack, beat, 0.5, kSplashPitch, 92);
}

void cPulseDrums::clap_accents(int bar, int bars, double until_beat) {
    for (int b = 4 * bar + 1; b < 4 * (bar + bars) && b <= until_beat; b += 2)
        pen_.note(kCrashTrack, b, 0.25, kClapPitch, 100);
}

void cPulseDrums::riser(int bar, int bars) {
    pen_.note(kRiserTrack, 4.0 * bar, 4.0 * bars, 60, 110);
}

void cPulseDrums::impact(double beat) {
    pen_.note(kImpactTrack, beat, 2.0, kImpactPitch, 127);
}

void cPulseDrums::percussion(int bar, int bars) {
    for (int b = bar; b < bar + bars; ++b)
        for (const Hit& h : kPercussion)
            pen_.note(kPercTrack, 4.0 * b + h.beat, 0.25, h.pitch, h.velocity);
}
