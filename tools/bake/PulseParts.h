// The parts of the "pulse55" piece as note patterns: each call writes one
// instrument's notes over a range of bars into the score, following the
// four-bar chord cycle Am - F - C - G.
#pragma once

#include "Score.h"

class cPulseParts {
public:
    explicit cPulseParts(Score& score) : score_(score) {}

    void kick(int bar, int bars);
    void backbeat(int bar, int bars, bool clap);
    void hats(int bar, int bars, bool sixteenths);
    void open_hats(int bar, int bars);
    void snare_roll(int bar, int bars);
    void fill(int bar); // 16th snares over the bar's second half
    void crash(int bar);
    void riser(int bar, int bars);
    void bass(int bar, int bars, bool rolling);
    void pad(int bar, int bars, int velocity);
    void arp(int bar, int bars, int velocity_from, int velocity_to);
    void lead(int bar, int bars);
    void final_hit(int bar);

private:
    void add(int track, double beat, double beats, int pitch, int velocity);
    static int chord_tone(int bar, int index);
    static int bass_root(int bar);

    Score& score_;
};
