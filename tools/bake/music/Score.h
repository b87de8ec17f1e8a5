// A piece of music as plain note data: tracks are instruments, times are
// MIDI-style ticks at one fixed tempo. The synthesiser renders it and the
// same notes and controllers are written out as a Standard MIDI File.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScoreNote {
    int track = 0;      // index into Score::track_names, one instrument each
    int64_t start = 0;  // ticks from the start of the piece
    int64_t length = 0; // ticks the note is held
    int pitch = 60;     // MIDI note number; drums use the General MIDI drum map
    int velocity = 100; // 1..127
};

// A controller change (automation), written to the MIDI file like the notes.
struct ScoreControl {
    int track = 0;
    int64_t tick = 0;
    int controller = 0; // MIDI controller number 0..127
    int value = 0;      // 0..127
};

// A named point in the piece (section starts), like a MIDI marker.
struct ScoreMarker {
    int64_t tick = 0;
    std::string name;
};

struct Score {
    int ticks_per_beat = 480;
    int tempo_us = 500000; // microseconds per quarter note, as the MIDI file stores it
    double bpm = 120.0;    // 60e6 / tempo_us, kept in step so audio and MIDI agree
    int beats_per_bar = 4;
    int64_t end_tick = 0; // where the piece (including its last ringing notes) ends
    std::vector<std::string> track_names;
    std::vector<ScoreNote> notes;
    std::vector<ScoreControl> controls;
    std::vector<ScoreMarker> markers;

    void set_tempo_us(int microseconds) {
        tempo_us = microseconds;
        bpm = 60e6 / microseconds;
    }
    double seconds_at(int64_t tick) const { return tick * 60.0 / (bpm * ticks_per_beat); }
    int64_t ticks_per_bar() const { return int64_t(ticks_per_beat) * beats_per_bar; }
};
