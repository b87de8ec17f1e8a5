#include "PulseTune.h"

#include "PulseTracks.h"
#include "cPulseSections.h"

namespace {

struct Section {
    const char* name;
    int bar;
    void (*compose)(Score&, int);
};

// In the timeline's scene order; the event script switches scenes on these bars.
const Section kSections[] = {
    {"attract", 0, cPulseSections::attractor_intro},
    {"flare", 4, cPulseSections::solar_flare},
    {"attract", 24, cPulseSections::attractor_return},
    {"sprutte", 36, cPulseSections::sprutte},
    {"scrub", 68, cPulseSections::scrub},
    {"room", 92, cPulseSections::credits_room},
    {"sun", 108, cPulseSections::credits_sun},
    {"end", 128, cPulseSections::ending},
};
constexpr int kFinalBar = 132;
constexpr int kRingBeats = 6; // the final chord rings for a bar and a half

} // namespace

Score cPulseTune::empty_score() {
    Score score;
    score.set_tempo_us(kTempoUs);
    score.track_names = {"pulse55",    "kick",   "bass",  "hat",    "clap",  "open hat",
                         "riser",      "impact", "snare", "stabs",  "crash", "pad",
                         "percussion", "arp",    "lead",  "shaker", "pluck", "accents"};
    for (const Section& s : kSections)
        score.markers.push_back({s.bar * score.ticks_per_bar(), s.name});
    score.end_tick = kFinalBar * score.ticks_per_bar() + kRingBeats * score.ticks_per_beat;
    return score;
}

Score cPulseTune::compose() {
    Score score = empty_score();
    for (const Section& s : kSections)
        s.compose(score, s.bar);
    return score;
}
