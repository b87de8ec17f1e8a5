// Writes a Score as a Standard MIDI File, format 1: track 0 is the conductor
// (piece name, tempo, time signature), track i holds score track i under its
// name. Every channel message is on MIDI channel 1 with its full status byte.
#pragma once

#include "Score.h"

#include <cstdint>
#include <string>
#include <vector>

class cMidiWriter {
public:
    // The whole file. Every track ends at the score's end tick, so a reader
    // sees the piece's full length even where the last note ends earlier.
    static std::vector<uint8_t> bytes(const Score& score);
    // False (with `error` filled) when the file cannot be written.
    static bool write(const std::string& path, const Score& score, std::string* error);

private:
    struct Message {
        int64_t tick;
        int order; // at one tick: note-offs, then controllers, then note-ons
        uint8_t status, data1, data2;
    };

    static std::vector<Message> messages(const Score& score, int track);
    static std::vector<uint8_t> track_chunk(const Score& score, int track);
    static void conductor(const Score& score, std::vector<uint8_t>& out);
    static void meta(std::vector<uint8_t>& out, uint8_t type, const std::vector<uint8_t>& data);
    static void number(std::vector<uint8_t>& out, uint32_t value);
    static void big_endian(std::vector<uint8_t>& out, uint32_t value, int bytes);
};
