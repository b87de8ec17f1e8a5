// Writes Standard MIDI Files byte by byte for the reader's tests: a header,
// then tracks built from delta times and raw event bytes; a test breaks the
// result on purpose where it needs to.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class cMidiTrack {
public:
    // Appends a delta time as a variable-length quantity, then raw bytes.
    cMidiTrack& event(uint32_t delta, std::initializer_list<uint8_t> bytes);
    cMidiTrack& name(uint32_t delta, const std::string& text);
    cMidiTrack& tempo(uint32_t delta, uint32_t microseconds_per_quarter);
    cMidiTrack& end(uint32_t delta = 0) { return event(delta, {0xFF, 0x2F, 0x00}); }
    cMidiTrack& raw(std::initializer_list<uint8_t> bytes);

    std::vector<uint8_t> bytes;
};

// "MThd", length 6, format, the number of tracks and the division.
std::vector<uint8_t> midi_header(int format, int tracks, int16_t division);
// A whole file from a header and tracks, each as "MTrk", its length, its bytes.
std::vector<uint8_t> midi_file(int format, int16_t division, const std::vector<cMidiTrack>& tracks);

// What the demo's reader makes of a file: its MIDI events as
// "time:track:kind:data1:data2" (kind on, off or cc) and its beat times, in
// timeline order; the track names, the controllers and the lines it printed.
struct sMidiRead {
    std::vector<std::string> events;
    std::vector<int> beats;
    std::vector<std::string> names;
    std::vector<int> controllers;
    std::string out, err;
};
sMidiRead read_midi(const std::vector<uint8_t>& file);
