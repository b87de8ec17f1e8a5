#include "PulseTune.h"

#include "PulseParts.h"
#include "PulseTracks.h"

namespace {
constexpr int kIntroBar = 0, kBuildBar = 8, kDropBar = 16, kOutroBar = 32, kEndBar = 36;
constexpr int kRingBeats = 6; // the final hit rings for a bar and a half
} // namespace

Score cPulseTune::empty_score() {
    Score score;
    score.bpm = kBpm;
    score.track_names = {"kick",  "snare", "clap", "hat", "open hat", "crash",
                         "riser", "bass",  "pad",  "arp", "lead"};
    const auto bar = [&](int b) { return b * score.ticks_per_bar(); };
    score.markers = {{bar(kIntroBar), "intro"},
                     {bar(kBuildBar), "build"},
                     {bar(kDropBar), "drop"},
                     {bar(kOutroBar), "outro"},
                     {bar(kEndBar), "ending"}};
    score.end_tick = bar(kEndBar) + kRingBeats * score.ticks_per_beat;
    return score;
}

Score cPulseTune::compose() {
    Score score = empty_score();
    intro(score, kIntroBar);
    build(score, kBuildBar);
    drop(score, kDropBar);
    outro(score, kOutroBar);
    cPulseParts(score).final_hit(kEndBar);
    return score;
}

// Pad and a dark arpeggio, then the beat and a held bass come in.
void cPulseTune::intro(Score& score, int bar) {
    cPulseParts p(score);
    p.pad(bar, 8, 90);
    p.arp(bar, 8, 45, 70);
    p.kick(bar + 4, 4);
    p.hats(bar + 4, 4, false);
    p.bass(bar + 4, 4, false);
}

// A lighter groove than the drop's while the arpeggio opens up; then a roll
// and a riser take over and the kick drops out for the last two bars.
void cPulseTune::build(Score& score, int bar) {
    cPulseParts p(score);
    p.pad(bar, 8, 80);
    p.arp(bar, 8, 70, 120);
    p.kick(bar, 6);
    p.hats(bar, 6, false);
    p.bass(bar, 6, true);
    p.snare_roll(bar + 4, 4);
    p.riser(bar + 4, 4);
}

void cPulseTune::drop(Score& score, int bar) {
    cPulseParts p(score);
    p.crash(bar);
    p.crash(bar + 8);
    p.kick(bar, 16);
    p.backbeat(bar, 16, true);
    p.hats(bar, 16, true);
    p.open_hats(bar, 16);
    p.bass(bar, 16, true);
    p.pad(bar, 16, 95);
    p.arp(bar, 16, 95, 95);
    p.lead(bar, 16);
    p.fill(bar + 7);
}

// The beat thins out and the arpeggio closes again towards the final hit.
void cPulseTune::outro(Score& score, int bar) {
    cPulseParts p(score);
    p.kick(bar, 4);
    p.backbeat(bar, 2, false);
    p.hats(bar, 4, false);
    p.bass(bar, 4, false);
    p.pad(bar, 4, 80);
    p.arp(bar, 4, 90, 40);
}
