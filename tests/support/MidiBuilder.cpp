#include "support/MidiBuilder.h"

#include "support/Capture.h"
#include "timeline/cMidiReader.h"
#include "timeline/iMidiEvent.h"

static std::vector<uint8_t> vlq(uint32_t value) {
    std::vector<uint8_t> out{static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

cMidiTrack& cMidiTrack::raw(std::initializer_list<uint8_t> more) {
    bytes.insert(bytes.end(), more);
    return *this;
}

cMidiTrack& cMidiTrack::event(uint32_t delta, std::initializer_list<uint8_t> more) {
    const std::vector<uint8_t> d = vlq(delta);
    bytes.insert(bytes.end(), d.begin(), d.end());
    return raw(more);
}

cMidiTrack& cMidiTrack::name(uint32_t delta, const std::string& text) {
    event(delta, {0xFF, 0x03});
    const std::vector<uint8_t> length = vlq(static_cast<uint32_t>(text.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
}

cMidiTrack& cMidiTrack::tempo(uint32_t delta, uint32_t us) {
    return event(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(us >> 16),
                         static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)});
}

namespace {
void put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}
void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, static_cast<int>(value >> 16));
    put16(out, static_cast<int>(value & 0xFFFF));
}
} // namespace

std::vector<uint8_t> midi_header(int format, int tracks, int16_t division) {
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    put32(out, 6);
    put16(out, format);
    put16(out, tracks);
    put16(out, static_cast<uint16_t>(division));
    return out;
}

std::vector<uint8_t> midi_file(int format, int16_t division,
                               const std::vector<cMidiTrack>& tracks) {
    std::vector<uint8_t> out = midi_header(format, static_cast<int>(tracks.size()), division);
    for (const cMidiTrack& track : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, static_cast<uint32_t>(track.bytes.size()));
        out.insert(out.end(), track.bytes.begin(), track.bytes.end());
    }
    return out;
}

sMidiRead read_midi(const std::vector<uint8_t>& file) {
    cEventQueue queue;
    cCapture capture;
    cMidiReader::read_bytes(file, queue);
    sMidiRead r{{}, {}, queue.track_names, queue.controllers, capture.out(), capture.err()};
    static const char* const kKinds[] = {"", "on", "off", "cc"};
    for (size_t i = 0; i < queue.size(); ++i) {
        if (queue.at(i)->type == cEvent::kBeat) {
            r.beats.push_back(queue.at(i)->time);
        } else if (const auto* m = dynamic_cast<const iMidiEvent*>(queue.at(i))) {
            r.events.push_back(std::to_string(m->time) + ":" + std::to_string(m->track) + ":" +
                               kKinds[m->kind] + ":" + std::to_string(m->data1) + ":" +
                               std::to_string(m->data2));
        }
    }
    return r;
}
