// What the credits sun takes from the tune: beats and track-17 notes move the camera between
// a slow drift and four long paths (zooming in on each change, later played backwards),
// track 9 and controller 72 flash the lights, the kick pulses the black point, the picture
// brightens.
#pragma once

#include "render/post/PostParams.h"

#include <cstdint>

// The times that hold for the whole run, however often the scene is entered: its first
// frame, the span from there to the next scene, and the first update that sized the sun.
struct cCreditsSunCounters {
    bool started = false;
    int32_t first_update = 0;
    int32_t span = -1;
    bool sun_started = false;
    int32_t sun_start = 0;
};

class cCreditsSunCues {
public:
    static constexpr int kPaths = 4;
    static constexpr int32_t kPathMs[kPaths] = {3500, 4000, 5500, 3000};
    static constexpr int32_t kSlowMs = 14000;
    static constexpr int kLightController = 72;

    explicit cCreditsSunCues(cCreditsSunCounters& counters) : counters_(&counters) {}

    void init(int32_t now);
    // One quarter-note beat: the 32nd ends the slow drift; the 32nd, 33rd and 64th cut.
    void beat(int32_t now);
    // A note-on of `track` sounding at `time`, handled at `now`.
    void note_on(int track, int32_t time, int32_t now);
    void controller(int number, int value);

    bool started() const { return counters_->started; }
    // The run's first frame at `now`; `next_switch` is the next scene's start (-1: none).
    void start(int32_t now, int32_t next_switch);
    // Sets `blend` and `particle_alpha` and writes the brightening and the kick into `levels`.
    void update(int32_t now, cLevelsParams& levels);

    // Where on the current path the camera is: 0 at its start, 1 after its duration, and
    // from 0.98 downward when playing backwards.
    float path_parameter(int32_t now) const;
    // 85 degrees, widened to 127.5 at a cut and settling back over 500 ms.
    float fov(int32_t now) const;
    // The sun's size: nothing for 5 s after it was first asked for, then growing to 5 over 15 s.
    float sun_scale(int32_t now);
    // Milliseconds since the run's first frame.
    int32_t since_start(int32_t now) const { return now - counters_->first_update; }

    float blend = 0.1f;           // light maps: 0 off, 1 on
    float light_int = 0;          // controller 72, 0..1
    float particle_alpha = 0.02f; // the sun's points
    bool slow_camera = true;
    int path = 1;
    bool reverse = false;
    int beats = 0;
    int track17 = 0;

private:
    void advance(int32_t now);

    cCreditsSunCounters* counters_;
    int32_t path_start_ = 0;
    int32_t zoom_start_ = -100000;
    int32_t kick_time_ = -100000;
    int32_t flash_time_ = -100000;
};
