#include "PulseParts.h"

#include "PulseTracks.h"

#include <algorithm>
#include <cmath>

namespace {

// Am, F, C, G voiced close around middle C, one bar each.
const int kChords[4][3] = {{57, 60, 64}, {57, 60, 65}, {55, 60, 64}, {55, 59, 62}};
const int kRoots[4] = {33, 29, 36, 31}; // A1 (55 Hz), F1, C2, G1

struct MelodyNote {
    int bar;
    double beat, beats;
    int pitch;
};

// Eight bars over two chord cycles; the second answers the first.
const MelodyNote kMelody[] = {
    {0, 0, 1, 76},    {0, 1, .5, 74},   {0, 1.5, .5, 72}, {0, 2, 1.5, 69},  {0, 3.5, .5, 72},
    {1, 0, 1, 77},    {1, 1, .5, 76},   {1, 1.5, .5, 72}, {1, 2, 1, 69},    {1, 3, .5, 72},
    {1, 3.5, .5, 74}, {2, 0, 1.5, 76},  {2, 1.5, .5, 79}, {2, 2, .5, 76},   {2, 2.5, .5, 74},
    {2, 3, 1, 72},    {3, 0, 1, 74},    {3, 1, .5, 71},   {3, 1.5, .5, 74}, {3, 2, 2, 79},
    {4, 0, 1, 76},    {4, 1, .5, 74},   {4, 1.5, .5, 72}, {4, 2, 1.5, 69},  {4, 3.5, .5, 72},
    {5, 0, 1, 77},    {5, 1, .5, 81},   {5, 1.5, .5, 79}, {5, 2, 1, 77},    {5, 3, 1, 76},
    {6, 0, .5, 76},   {6, .5, .5, 72},  {6, 1, 1, 79},    {6, 2, 1, 76},    {6, 3, 1, 74},
    {7, 0, 1.5, 74},  {7, 1.5, .5, 71}, {7, 2, 1, 71},    {7, 3, 1, 74},
};

// Up through the chord and its octave, then back down, every two beats.
const int kArpSteps[8] = {0, 1, 2, 3, 2, 1, 2, 3};

} // namespace

void cPulseParts::add(int track, double beat, double beats, int pitch, int velocity) {
    const auto ticks = [&](double b) { return int64_t(std::llround(b * score_.ticks_per_beat)); };
    ScoreNote n;
    n.track = track;
    n.start = ticks(beat);
    n.length = std::max<int64_t>(1, ticks(beat + beats) - n.start);
    n.pitch = pitch;
    n.velocity = std::clamp(velocity, 1, 127);
    score_.notes.push_back(n);
}

int cPulseParts::chord_tone(int bar, int index) {
    const int* chord = kChords[bar % 4];
    return index < 3 ? chord[index] : chord[index - 3] + 12;
}

int cPulseParts::bass_root(int bar) {
    return kRoots[bar % 4];
}

void cPulseParts::kick(int bar, int bars) {
    for (int b = 4 * bar; b < 4 * (bar + bars); ++b)
        add(kKickTrack, b, 0.25, kKickPitch, 120);
}

void cPulseParts::backbeat(int bar, int bars, bool clap) {
    for (int b = 4 * bar + 1; b < 4 * (bar + bars); b += 2) {
        add(kSnareTrack, b, 0.25, kSnarePitch, 110);
        if (clap)
            add(kClapTrack, b, 0.25, kClapPitch, 100);
    }
}

void cPulseParts::hats(int bar, int bars, bool sixteenths) {
    const int accents[4] = {60, 35, 95, 40};
    for (int b = 4 * bar; b < 4 * (bar + bars); ++b) {
        if (!sixteenths) {
            add(kHatTrack, b + 0.5, 0.25, kHatPitch, 90);
            continue;
        }
        for (int s = 0; s < 4; ++s)
            add(kHatTrack, b + 0.25 * s, 0.25, kHatPitch, accents[s]);
    }
}

void cPulseParts::open_hats(int bar, int bars) {
    for (int b = 4 * bar; b < 4 * (bar + bars); ++b)
        add(kOpenHatTrack, b + 0.5, 0.5, kOpenHatPitch, 85);
}

// Quarters, then eighths, then sixteenths, getting louder towards the drop.
void cPulseParts::snare_roll(int bar, int bars) {
    const double total = 4.0 * bars;
    for (int i = 0; i < bars; ++i) {
        const int per_beat = 4 * i < bars ? 1 : 2 * i < bars ? 2 : 4;
        for (int s = 0; s < 4 * per_beat; ++s) {
            const double beat = 4.0 * (bar + i) + double(s) / per_beat;
            const double progress = (beat - 4.0 * bar) / total;
            add(kSnareTrack, beat, 0.2, kSnarePitch, int(45 + 80 * progress));
        }
    }
}

void cPulseParts::fill(int bar) {
    for (int s = 0; s < 8; ++s)
        add(kSnareTrack, 4.0 * bar + 2.0 + 0.25 * s, 0.2, kSnarePitch, 60 + 8 * s);
}

void cPulseParts::crash(int bar) {
    add(kCrashTrack, 4.0 * bar, 1.0, kCrashPitch, 110);
}

void cPulseParts::riser(int bar, int bars) {
    add(kRiserTrack, 4.0 * bar, 4.0 * bars, 60, 110);
}

// Rolling: off-beat eighths with an octave jump closing each bar; otherwise
// one held root per bar.
void cPulseParts::bass(int bar, int bars, bool rolling) {
    for (int b = bar; b < bar + bars; ++b) {
        if (!rolling) {
            add(kBassTrack, 4.0 * b, 3.9, bass_root(b), 90);
            continue;
        }
        for (int q = 0; q < 4; ++q) {
            const int pitch = bass_root(b) + (q == 3 ? 12 : 0);
            add(kBassTrack, 4.0 * b + q + 0.5, 0.45, pitch, 110);
        }
    }
}

void cPulseParts::pad(int bar, int bars, int velocity) {
    for (int b = bar; b < bar + bars; ++b)
        for (int i = 0; i < 3; ++i)
            add(kPadTrack, 4.0 * b, 4.0, chord_tone(b, i), velocity);
}

void cPulseParts::arp(int bar, int bars, int velocity_from, int velocity_to) {
    const int steps = 16 * bars;
    for (int s = 0; s < steps; ++s) {
        const int b = bar + s / 16;
        const int velocity = velocity_from + (velocity_to - velocity_from) * s / steps;
        const int accent = s % 4 == 0 ? 10 : 0;
        add(kArpTrack, 4.0 * bar + 0.25 * s, 0.2, chord_tone(b, kArpSteps[s % 8]) + 12,
            velocity + accent);
    }
}

void cPulseParts::lead(int bar, int bars) {
    for (int phrase = 0; phrase < bars; phrase += 8)
        for (const MelodyNote& m : kMelody)
            if (phrase + m.bar < bars)
                add(kLeadTrack, 4.0 * (bar + phrase + m.bar) + m.beat, m.beats * 0.95, m.pitch,
                    100);
}

// Everything lands together on the tonic and rings out.
void cPulseParts::final_hit(int bar) {
    const double beat = 4.0 * bar;
    add(kKickTrack, beat, 0.25, kKickPitch, 127);
    add(kClapTrack, beat, 0.25, kClapPitch, 110);
    add(kCrashTrack, beat, 1.0, kCrashPitch, 120);
    add(kBassTrack, beat, 3.0, bass_root(0), 110);
    add(kLeadTrack, beat, 3.0, 69, 90);
    for (int i = 0; i < 4; ++i)
        add(kPadTrack, beat, 3.0, chord_tone(0, i), 100);
}
