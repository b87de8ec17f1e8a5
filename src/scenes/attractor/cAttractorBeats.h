// The attractor's response to the tune's beats: the count runs on across both of the scene's
// stretches in the timeline (the scene keeps one for the run), presets switch on every 16th beat,
// then every 8th, 4th and finally every beat, with shorter flashes, and cloud 0 dims while every
// beat switches.
#pragma once

#include <cstdint>

struct cAttractorBeatState {
    int preset = 1;
    int32_t last_switch_ms = -10000;
    int32_t flash_ms = 2000;
    float cloud0_alpha = 1.0f;
};

class cAttractorBeats {
public:
    static constexpr int kBeatEvent = 31;

    // One event of `type` reaching the scene at demo time `now_ms`. True when it switched the
    // preset.
    bool handle(int type, int32_t now_ms, cAttractorBeatState& state);

    int event_count = 0;
    int switch_step = 16;
};
