#include "cPulseTones.h"

#include "PulseTracks.h"

#include <iterator>

namespace {

struct MelodyNote {
    int bar;
    double beat, beats;
    int pitch;
};

// Eight bars over Am F C G, twice; the second four answer the first.
const MelodyNote kHook[] = {
    {0, 0, 1, 76},    {0, 1, .5, 74},   {0, 1.5, .5, 72}, {0, 2, 1.5, 69},  {0, 3.5, .5, 72},
    {1, 0, 1, 77},    {1, 1, .5, 76},   {1, 1.5, .5, 72}, {1, 2, 1, 69},    {1, 3, .5, 72},
    {1, 3.5, .5, 74}, {2, 0, 1.5, 76},  {2, 1.5, .5, 79}, {2, 2, .5, 76},   {2, 2.5, .5, 74},
    {2, 3, 1, 72},    {3, 0, 1, 74},    {3, 1, .5, 71},   {3, 1.5, .5, 74}, {3, 2, 2, 79},
    {4, 0, 1, 76},    {4, 1, .5, 74},   {4, 1.5, .5, 72}, {4, 2, 1.5, 69},  {4, 3.5, .5, 72},
    {5, 0, 1, 77},    {5, 1, .5, 81},   {5, 1.5, .5, 79}, {5, 2, 1, 77},    {5, 3, 1, 76},
    {6, 0, .5, 76},   {6, .5, .5, 72},  {6, 1, 1, 79},    {6, 2, 1, 76},    {6, 3, 1, 74},
    {7, 0, 1.5, 74},  {7, 1.5, .5, 71}, {7, 2, 1, 71},    {7, 3, 1, 74},
};

// Eight bars over Am Dm F E: a darker line that leans on the leading tone G#.
const MelodyNote kDrive[] = {
    {0, 0, 1, 69},    {0, 1, .5, 72},   {0, 1.5, .5, 76}, {0, 2, 1, 74}, {0, 3, 1, 72},
    {1, 0, 1.5, 74},  {1, 1.5, .5, 77}, {1, 2, 1, 76},    {1, 3, 1, 74}, {2, 0, 1, 72},
    {2, 1, .5, 69},   {2, 1.5, .5, 72}, {2, 2, 1, 77},    {2, 3, 1, 76}, {3, 0, 1.5, 76},
    {3, 1.5, .5, 74}, {3, 2, 1, 71},    {3, 3, 1, 68},    {4, 0, 1, 69}, {4, 1, .5, 72},
    {4, 1.5, .5, 76}, {4, 2, 1.5, 81},  {4, 3.5, .5, 79}, {5, 0, 1, 77}, {5, 1, .5, 76},
    {5, 1.5, .5, 74}, {5, 2, 2, 77},    {6, 0, 1, 76},    {6, 1, 1, 72}, {6, 2, 1, 69},
    {6, 3, 1, 72},    {7, 0, 1, 68},    {7, 1, 1, 71},    {7, 2, 2, 76},
};

// Up through the chord and its octave, then back down, every two beats.
const int kArpSteps[8] = {0, 1, 2, 3, 2, 1, 2, 3};
// The pluck's 8th-note figure: chord tone and velocity per step.
const int kPluckTones[8] = {3, 2, 4, 2, 5, 4, 2, 1};
const int kPluckAccents[8] = {20, 0, 10, 0, 15, 0, 10, 5};

} // namespace

void cPulseTones::bass(int bar, int bars, eBassStyle style) {
    for (int b = bar; b < bar + bars; ++b) {
        const int root = harmony_.bass_root(b);
        if (style == kHeldBass) {
            pen_.note(kBassTrack, 4.0 * b, 3.9, root, 90);
        } else if (style == kOffbeatBass) {
            for (int q = 0; q < 4; ++q)
                pen_.note(kBassTrack, 4.0 * b + q + 0.5, 0.45, root + (q == 3 ? 12 : 0), 110);
        } else {
            for (int s = 0; s < 16; ++s)
                if (s % 4 != 0) // the kick owns the beat
                    pen_.note(kBassTrack, 4.0 * b + 0.25 * s, 0.2, root + (s % 4 == 2 ? 12 : 0),
                              s % 4 == 2 ? 112 : 92);
        }
    }
}

// A tone that the next chord keeps is held over instead of struck again.
void cPulseTones::pad(int bar, int bars, int velocity) {
    for (int i = 0; i < 3; ++i) {
        for (int b = bar, e = bar; b < bar + bars; b = e) {
            const int pitch = harmony_.chord_tone(b, i);
            while (e < bar + bars && harmony_.chord_tone(e, i) == pitch)
                ++e;
            pen_.note(kPadTrack, 4.0 * b, 4.0 * (e - b), pitch, velocity);
        }
    }
}

void cPulseTones::arp(int bar, int bars, int velocity_from, int velocity_to) {
    const int steps = 16 * bars;
    for (int s = 0; s < steps; ++s) {
        const int b = bar + s / 16;
        const int velocity = velocity_from + (velocity_to - velocity_from) * s / steps;
        const int accent = s % 4 == 0 ? 10 : 0;
        pen_.note(kArpTrack, 4.0 * bar + 0.25 * s, 0.2,
                  harmony_.chord_tone(b, kArpSteps[s % 8]) + 12, velocity + accent);
    }
}

void cPulseTones::lead(int bar, int bars, eMelody melody) {
    const MelodyNote* notes = melody == kHookMelody ? kHook : kDrive;
    const size_t count = melody == kHookMelody ? std::size(kHook) : std::size(kDrive);
    for (int phrase = 0; phrase < bars; phrase += 8)
        for (size_t i = 0; i < count; ++i) {
            const MelodyNote& m = notes[i];
            if (phrase + m.bar < bars)
                pen_.note(kLeadTrack, 4.0 * (bar + phrase + m.bar) + m.beat, m.beats * 0.95,
                          m.pitch, 100);
        }
}

void cPulseTones::pluck(int bar, int bars, int velocity) {
    for (int e = 0; e < 8 * bars; ++e) {
        const int b = bar + e / 8;
        pen_.note(kPluckTrack, 4.0 * bar + 0.5 * e, 0.3,
                  harmony_.chord_tone(b, kPluckTones[e % 8]) + 12, velocity + kPluckAccents[e % 8]);
    }
}

void cPulseTones::stabs(int bar, int bars, int light_from, int light_to) {
    const int beats = 4 * bars;
    for (int q = 0; q < beats; ++q) {
        const int light = light_from + (light_to - light_from) * q / std::max(1, beats - 1);
        const double beat = 4.0 * bar + q;
        pen_.control(kStabTrack, beat, kLightController, light);
        for (int i = 0; i < 3; ++i)
            pen_.note(kStabTrack, beat + 0.5, 0.2, harmony_.chord_tone(bar + q / 4, i + 1),
                      60 + light / 2);
    }
}

void cPulseTones::accents(int bar, int bars, std::initializer_list<double> beats) {
    for (int b = bar; b < bar + bars; ++b) {
        int step = 0;
        for (double beat : beats)
            pen_.note(kAccentTrack, 4.0 * b + beat, 0.25,
                      harmony_.chord_tone(b, 3 + step++ % 3) + 12, 95);
    }
}

// Pad, bass and lead land together on the tonic and ring out.
void cPulseTones::final_chord(int bar, int beats) {
    const double beat = 4.0 * bar;
    pen_.note(kBassTrack, beat, beats - 1.0, harmony_.bass_root(0), 110);
    pen_.note(kLeadTrack, beat, beats - 1.0, 69, 90);
    for (int i = 0; i < 4; ++i)
        pen_.note(kPadTrack, beat, beats - 1.0, harmony_.chord_tone(0, i), 100);
}
