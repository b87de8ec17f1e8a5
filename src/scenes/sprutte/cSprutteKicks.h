// What the sprutte scene counts on the tune: the kicks of track 1 (the intro ends at the 38th,
// then they switch camera paths) and the last hit of track 12 (the rings' flash). Lives as
// long as the scene, so the one-time reset of the count and the frozen path parameter hold
// for the whole run.
#pragma once

#include <cstdint>

class cSprutteKicks {
public:
    static constexpr int kKickTrack = 1;
    static constexpr int kFlashTrack = 12;
    static constexpr int kResetAt = 15;     // the count falls back to 0 here, once per run
    static constexpr int kMainFrom = 38;    // the intro ends and the paths start
    static constexpr int kReverseFrom = 70; // paths count down; the rings fly
    static constexpr int kPathCount = 9;
    static constexpr float kPathMs = 1500; // a path's parameter runs 0..1 in this time

    // Scene start: the count and the main part's start time; path, one-shot and flash stay.
    void restart();
    // A note-on of `track` at `event_ms`, handled at `now_ms`. True for a track-1 kick that
    // belongs to the main part.
    bool note_on(int track, int32_t event_ms, int32_t now_ms);
    // The current path's parameter at `now_ms`; on the 68th kick and from the 98th on it
    // keeps its last value, so the camera stands still.
    float path_parameter(int32_t now_ms);

    int kickcount = 0;
    int path = 0;
    bool intro = true;
    int32_t path_start_ms = 0;
    int32_t main_start_ms = -10000;
    int32_t flash_ms = -1000000; // the last track-12 hit

private:
    void next_path(int32_t now_ms);

    bool reset_pending_ = true;
    float parameter_ = 0;
};
