// The drum and effect parts of "pulse55" as note patterns: each call writes
// one part over a range of bars (bar numbers from the start of the piece).
// Kick notes are the piece's pulse: they fall exactly on beats or 8ths.
#pragma once

#include "cScorePen.h"

class cPulseDrums {
public:
    explicit cPulseDrums(Score& score) : pen_(score) {}

    void kick(int bar, int bars);
    void kicks(int first_beat, int count); // for bars the kick leaves early
    void kick_roll(int bar);               // eight 8th kicks driving into the next bar
    void backbeat(int bar, int bars);
    void clap_stutter(int bar); // 16th claps over the bar's last beat
    void hats(int bar, int bars, bool sixteenths);
    void open_hats(int bar, int bars);
    void shaker(int bar, int bars);
    void snare_roll(int bar, int bars);
    void fill(int bar); // 16th snares over the bar's second half
    void crash(int bar);
    void splash(double beat);
    void clap_accents(int bar, int bars, double until_beat); // on 2 and 4 of the accent track
    void riser(int bar, int bars);
    void impact(double beat);
    void percussion(int bar, int bars);

private:
    cScorePen pen_;
};
