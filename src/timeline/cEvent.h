// A timeline event: a type number and a time in milliseconds of demo time.
// Types 0-12 switch scenes, 13 is reported as unhandled, 16-28 are script
// instrument triggers, 30 MIDI notes and controllers, 31 beats, 32 quit.
#pragma once

#include <cstdint>

class cEvent {
public:
    enum : int32_t {
        kLastScene = 12,
        kNoHandler = 13,
        kFirstTrigger = 16,
        kMidi = 30,
        kBeat = 31,
        kQuit = 32,
    };

    cEvent() = default;
    cEvent(int32_t type_, int32_t time_) : type(type_), time(time_) {}
    virtual ~cEvent() = default;

    int32_t type = 0;
    int32_t time = 0;
};
