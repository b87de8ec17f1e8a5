// Reads the tune's Standard MIDI File into the timeline: note-ons, note-offs
// and controller changes of MIDI channel 1 as MIDI events, plus one beat
// event per quarter note. It never reads past the file or a track's chunk.
#pragma once

#include "cEventQueue.h"

#include <cstdint>
#include <string>
#include <vector>

class cMidiReader {
public:
    // Adds the file's events to `queue` and sorts it; a missing file only
    // prints a message. A file that is not MIDI ends the program (code 1).
    static void read_into_queue(const std::string& name, cEventQueue& queue);
    // The same for a file already in memory.
    static void read_bytes(const std::vector<uint8_t>& file, cEventQueue& queue);
    // The same for a file that may have been broken while the demo runs: false, with the
    // reason in `error` and `queue` to be thrown away, for a file that is not MIDI. A missing
    // file adds nothing, as at the start.
    static bool read_checked(const std::string& name, cEventQueue& queue, std::string* error);

    // No demo runs longer: later times are clamped to it, so a broken file
    // cannot overflow a time or ask for millions of beats.
    static constexpr int32_t kLongestMs = 3600 * 1000;
    // Beats closer than this (a tempo above 6000 bpm) are not made.
    static constexpr double kShortestBeatMs = 10.0;

private:
    struct sRecord {
        uint32_t tick;
        uint8_t status, data1, data2;
    };
    struct sTrack {
        size_t pos = 0, end = 0;
        uint8_t running = 0;
        uint32_t tick = 0;
        std::string name;
        std::vector<sRecord> records;
    };

    explicit cMidiReader(const std::vector<uint8_t>& file) : file_(file) {}
    // Throws std::runtime_error for a file that is not MIDI.
    static void read_or_throw(const std::vector<uint8_t>& file, cEventQueue& queue);
    void read_header();
    void find_tracks(int count);
    void read_track(int index, sTrack& track);
    bool read_event(int index, sTrack& track);
    bool read_channel_message(int index, sTrack& track, uint8_t status);
    bool read_meta(int index, sTrack& track);
    bool read_number(sTrack& track, uint32_t* value) const;
    bool read_block(int index, sTrack& track, std::string* data);
    void set_tempo(uint32_t microseconds);
    void make_events(cEventQueue& queue) const;
    void make_beats(cEventQueue& queue) const;
    int32_t to_ms(double ticks) const;

    const std::vector<uint8_t>& file_;
    int16_t division_ = 0;
    double tick_seconds_ = 0.0;
    std::vector<sTrack> tracks_;
};
