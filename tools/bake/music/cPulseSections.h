// The arrangement of "pulse55", one call per section of the demo's timeline.
// Each writes its bars of every part; the bar numbers fix how many kicks,
// beats and accents each scene hears, so they move only with the script.
#pragma once

#include "Score.h"

class cPulseSections {
public:
    static void attractor_intro(Score& score, int bar);  // 4 bars
    static void solar_flare(Score& score, int bar);      // 20 bars
    static void attractor_return(Score& score, int bar); // 12 bars
    static void sprutte(Score& score, int bar);          // 32 bars
    static void scrub(Score& score, int bar);            // 24 bars
    static void credits_room(Score& score, int bar);     // 16 bars
    static void credits_sun(Score& score, int bar);      // 20 bars
    static void ending(Score& score, int bar);           // 4 bars, then the final chord
};
