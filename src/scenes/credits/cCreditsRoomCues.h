// What the credits room takes from the tune: camera cuts on every second kick (track 1),
// a light stutter on track 4 and a contrast-and-grey flash on every third note of track 10
// (the 2nd, 5th, 8th ...); each frame it turns them into the light blend and the grade.
#pragma once

#include "render/post/PostParams.h"

#include <cstdint>

// The trigger counts and the time of the first frame: they run for the whole demo, however
// often the scene is entered.
struct cCreditsRoomCounters {
    int track10 = 0;
    int track1 = 0;
    bool started = false;
    int32_t first_update = 0;
};

class cCreditsRoomCues {
public:
    static constexpr int kPaths = 8;
    static constexpr int32_t kPathMs[kPaths] = {1300, 1300, 1200, 1500, 1500, 1500, 1300, 1300};

    explicit cCreditsRoomCues(cCreditsRoomCounters& counters) : counters_(&counters) {}

    void init(int32_t now);
    void note_on(int track, int32_t now);
    // Sets `blend` and writes the flash and the opening fade into the grade.
    void update(int32_t now, cLevelsParams& levels, cHsbParams& hsb);
    // Where on the current path the camera is: 0 at its start, 1 after its duration.
    float path_parameter(int32_t now) const;

    float decay = 1000; // ms the flash takes to fade
    float blend = 1;    // light maps: 0.5 half off, 1 on
    int path = 0;

private:
    cCreditsRoomCounters* counters_;
    int32_t path_start_ = 0;
    int32_t decay_start_ = -10000;
    int32_t blend_start_ = -10000;
};
