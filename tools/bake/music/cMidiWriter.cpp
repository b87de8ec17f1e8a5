#include "cMidiWriter.h"

#include <algorithm>
#include <fstream>

namespace {
constexpr uint8_t kNoteOff = 0x80, kNoteOn = 0x90, kController = 0xB0; // channel 1
constexpr uint8_t kTrackName = 0x03, kEndOfTrack = 0x2F, kTempo = 0x51, kTimeSignature = 0x58;

uint8_t data_byte(int value) {
    return uint8_t(std::clamp(value, 0, 127));
}
} // namespace

std::vector<uint8_t> cMidiWriter::bytes(const Score& score) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    big_endian(out, 6, 4);
    big_endian(out, 1, 2); // format 1: simultaneous tracks
    big_endian(out, uint32_t(score.track_names.size()), 2);
    big_endian(out, uint32_t(score.ticks_per_beat), 2);
    for (size_t t = 0; t < score.track_names.size(); ++t) {
        const std::vector<uint8_t> chunk = track_chunk(score, int(t));
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        big_endian(out, uint32_t(chunk.size()), 4);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

bool cMidiWriter::write(const std::string& path, const Score& score, std::string* error) {
    const std::vector<uint8_t> data = bytes(score);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (file.good())
        return true;
    if (error)
        *error = "cannot write " + path;
    return false;
}

// A repeated pitch ends before it starts again, and a controller set on a
// note's tick is already in place when the note sounds.
std::vector<cMidiWriter::Message> cMidiWriter::messages(const Score& score, int track) {
    std::vector<Message> list;
    for (const ScoreNote& n : score.notes) {
        if (n.track != track)
            continue;
        list.push_back({n.start, 2, kNoteOn, data_byte(n.pitch), data_byte(n.velocity)});
        list.push_back({n.start + n.length, 0, kNoteOff, data_byte(n.pitch), 64});
    }
    for (const ScoreControl& c : score.controls)
        if (c.track == track)
            list.push_back({c.tick, 1, kController, data_byte(c.controller), data_byte(c.value)});
    std::stable_sort(list.begin(), list.end(), [](const Message& a, const Message& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    return list;
}

std::vector<uint8_t> cMidiWriter::track_chunk(const Score& score, int track) {
    std::vector<uint8_t> out;
    const std::string& name = score.track_names[size_t(track)];
    number(out, 0);
    meta(out, kTrackName, std::vector<uint8_t>(name.begin(), name.end()));
    if (track == 0)
        conductor(score, out);
    int64_t last = 0;
    for (const Message& m : messages(score, track)) {
        number(out, uint32_t(m.tick - last));
        out.insert(out.end(), {m.status, m.data1, m.data2});
        last = m.tick;
    }
    number(out, uint32_t(std::max<int64_t>(0, score.end_tick - last)));
    meta(out, kEndOfTrack, {});
    return out;
}

// Tempo and a 4/4 time signature (24 clocks per click, 8 32nds per quarter).
void cMidiWriter::conductor(const Score& score, std::vector<uint8_t>& out) {
    const uint32_t us = uint32_t(score.tempo_us);
    number(out, 0);
    meta(out, kTempo, {uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
    number(out, 0);
    meta(out, kTimeSignature, {uint8_t(score.beats_per_bar), 2, 24, 8});
}

void cMidiWriter::meta(std::vector<uint8_t>& out, uint8_t type, const std::vector<uint8_t>& data) {
    out.push_back(0xFF);
    out.push_back(type);
    number(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

// A variable-length quantity: 7 bits a byte, most significant first, the
// high bit set on every byte but the last.
void cMidiWriter::number(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n-- > 0)
        out.push_back(uint8_t(groups[n] | (n > 0 ? 0x80 : 0)));
}

void cMidiWriter::big_endian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(uint8_t(value >> (8 * i)));
}
