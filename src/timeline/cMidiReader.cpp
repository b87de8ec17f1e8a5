#include "cMidiReader.h"

#include "base/Messages.h"
#include "base/ProgramExit.h"
#include "cMECtrlChange.h"
#include "cMETrigger.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace {

// A file that is not MIDI: the reading stops, and the caller decides what that means.
[[noreturn]] void reject(const std::string& text) {
    throw std::runtime_error(text);
}

void warn(int track, const std::string& text) {
    msg_err() << "# mid: track " << track << ": " << text << std::endl;
}

uint32_t big_endian(const std::vector<uint8_t>& f, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | f[at + static_cast<size_t>(i)];
    return value;
}

int channel_data_bytes(uint8_t status) {
    switch (status >> 4) {
    case 0xC:
    case 0xD:
        return 1;
    default:
        return 2;
    }
}

std::string format_bpm(double bpm) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", bpm);
    return text;
}

} // namespace

void cMidiReader::read_into_queue(const std::string& name, cEventQueue& queue) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        msg_err() << "# mid: Unable to open file '" << name << "'!" << std::endl;
        return;
    }
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    read_bytes(file, queue);
}

void cMidiReader::read_bytes(const std::vector<uint8_t>& file, cEventQueue& queue) {
    try {
        read_or_throw(file, queue);
    } catch (const std::runtime_error& e) {
        msg_err() << "# mid FATAL ERROR: " << e.what() << std::endl;
        program_exit(1);
    }
}

bool cMidiReader::read_checked(const std::string& name, cEventQueue& queue, std::string* error) {
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return true; // as at the start: a timeline without MIDI events
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    try {
        read_or_throw(file, queue);
    } catch (const std::runtime_error& e) {
        *error = e.what();
        return false;
    }
    return true;
}

void cMidiReader::read_or_throw(const std::vector<uint8_t>& file, cEventQueue& queue) {
    cMidiReader reader(file);
    reader.read_header();
    msg_out() << "# mid: Reading tracks from MIDI file..." << std::endl;
    for (size_t i = 0; i < reader.tracks_.size(); ++i)
        reader.read_track(static_cast<int>(i), reader.tracks_[i]);
    reader.make_events(queue);
    reader.make_beats(queue);
    for (const sTrack& track : reader.tracks_)
        queue.track_names.push_back(track.name);
    queue.sort();
}

void cMidiReader::read_header() {
    if (file_.size() < 14 || std::memcmp(file_.data(), "MThd", 4) != 0)
        reject("This is not a valid MIDI file!");
    const int count = static_cast<int>(big_endian(file_, 10, 2));
    division_ = static_cast<int16_t>(big_endian(file_, 12, 2));
    msg_out() << "# mid: Num tracks: " << count << std::endl;
    if (division_ > 0) {
        tick_seconds_ = 0.5 / division_; // 120 bpm until a tempo event says otherwise
    } else {
        const int code = -static_cast<int8_t>(division_ >> 8);
        const int per_frame = division_ & 0xFF;
        const double fps = code == 29 ? 29.97 : code;
        if ((code != 24 && code != 25 && code != 29 && code != 30) || per_frame == 0)
            reject("Illegal SMPTE frame code");
        tick_seconds_ = 1.0 / (fps * per_frame);
    }
    find_tracks(count);
}

void cMidiReader::find_tracks(int count) {
    size_t at = 14; // the header chunk is read as 6 bytes long
    for (int i = 1; i <= count && at < file_.size(); ++i) {
        if (file_.size() - at < 8) {
            warn(i - 1, "chunk header cut short - no more tracks");
            return;
        }
        if (std::memcmp(&file_[at], "MTrk", 4) != 0) {
            char text[64];
            std::snprintf(text, sizeof text, "Track %d/%d is invalid!", i, count);
            reject(text);
        }
        sTrack track;
        track.pos = at + 8;
        track.end = track.pos + big_endian(file_, at + 4, 4);
        if (track.end > file_.size()) {
            warn(i - 1, "chunk length beyond the end of the file - read to the end");
            track.end = file_.size();
        }
        at = track.end;
        tracks_.push_back(track);
    }
}

void cMidiReader::read_track(int index, sTrack& track) {
    if (track.pos == track.end)
        warn(index, "no data");
    while (track.pos < track.end && read_event(index, track)) {
    }
}

// Reads one event; false (after a warning) when the track is broken and
// ends here.
bool cMidiReader::read_event(int index, sTrack& track) {
    uint32_t delta = 0;
    if (!read_number(track, &delta))
        return warn(index, "broken delta time - track ends here"), false;
    track.tick = delta > UINT32_MAX - track.tick ? UINT32_MAX : track.tick + delta;
    if (track.pos >= track.end)
        return warn(index, "event cut short - track ends here"), false;
    if (file_[track.pos] & 0x80)
        track.running = file_[track.pos++];
    const uint8_t status = track.running;
    if (status < 0x80)
        return warn(index, "data byte without a status - track ends here"), false;
    if (status < 0xF0)
        return read_channel_message(index, track, status);
    if (status == 0xFF)
        return read_meta(index, track);
    if (status == 0xF0 || status == 0xF7) // system exclusive: skipped
        return read_block(index, track, nullptr);
    return warn(index, "unknown status byte - track ends here"), false;
}

bool cMidiReader::read_channel_message(int index, sTrack& track, uint8_t status) {
    const size_t count = channel_data_bytes(status);
    if (track.end - track.pos < count)
        return warn(index, "channel message cut short - track ends here"), false;
    const uint8_t data1 = file_[track.pos];
    const uint8_t data2 = count == 2 ? file_[track.pos + 1] : 0;
    track.pos += count;
    track.records.push_back({track.tick, status, data1, data2});
    return true;
}

bool cMidiReader::read_meta(int index, sTrack& track) {
    if (track.pos >= track.end)
        return warn(index, "meta event cut short - track ends here"), false;
    const uint8_t type = file_[track.pos++];
    std::string data;
    if (!read_block(index, track, &data))
        return false;
    if (type == 0x03)
        track.name = data;
    else if (type == 0x51 && data.size() >= 3)
        set_tempo(static_cast<uint32_t>(static_cast<uint8_t>(data[0]) << 16 |
                                        static_cast<uint8_t>(data[1]) << 8 |
                                        static_cast<uint8_t>(data[2])));
    else if (type == 0x51)
        warn(index, "tempo event without a tempo - ignored");
    return true;
}

// A variable-length quantity of at most four bytes inside the track.
bool cMidiReader::read_number(sTrack& track, uint32_t* value) const {
    *value = 0;
    for (int length = 0; length < 4 && track.pos < track.end; ++length) {
        const uint8_t byte = file_[track.pos++];
        *value = *value << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// A length and that many bytes, kept in `data` unless it is null. The length
// is variable-length for every kind of block, so names of 128 bytes and more
// read correctly too.
bool cMidiReader::read_block(int index, sTrack& track, std::string* data) {
    uint32_t length = 0;
    if (!read_number(track, &length))
        return warn(index, "broken length - track ends here"), false;
    if (length > track.end - track.pos)
        return warn(index, "length beyond the end of the track - track ends here"), false;
    if (data)
        data->assign(file_.begin() + static_cast<long>(track.pos),
                     file_.begin() + static_cast<long>(track.pos + length));
    track.pos += length;
    return true;
}

void cMidiReader::set_tempo(uint32_t microseconds) {
    if (microseconds == 0) {
        msg_err() << "# mid: tempo 0 ignored" << std::endl;
        return;
    }
    const double bpm = 60000000.0 / microseconds;
    msg_out() << "# mid: bpm: " << format_bpm(bpm) << std::endl;
    // Time-code ticks have a fixed length whatever the tempo.
    if (division_ > 0)
        tick_seconds_ = 60.0 / bpm / division_;
}

int32_t cMidiReader::to_ms(double ticks) const {
    const double ms = tick_seconds_ * ticks * 1000.0;
    return ms >= kLongestMs ? kLongestMs : static_cast<int32_t>(ms);
}

void cMidiReader::make_events(cEventQueue& queue) const {
    std::set<int> controllers;
    for (size_t j = 0; j < tracks_.size(); ++j) {
        for (const sRecord& r : tracks_[j].records) {
            iMidiEvent* event = nullptr;
            if (r.status == 0x80)
                event = new cMETrigger(iMidiEvent::kNoteOff, r.data1, r.data2);
            else if (r.status == 0x90 && r.data2 > 0)
                event = new cMETrigger(iMidiEvent::kNoteOn, r.data1, r.data2);
            else if (r.status == 0xB0)
                event = new cMECtrlChange(r.data1, r.data2);
            if (!event)
                continue; // other channels, other messages, note-ons of velocity 0
            if (r.status == 0xB0)
                controllers.insert(r.data1);
            event->track = static_cast<int>(j);
            event->time = to_ms(r.tick);
            queue.add(event);
        }
    }
    queue.controllers.insert(queue.controllers.end(), controllers.begin(), controllers.end());
}

void cMidiReader::make_beats(cEventQueue& queue) const {
    if (division_ <= 0)
        return; // time-code files have no quarter notes
    uint32_t last_tick = 0;
    for (const sTrack& track : tracks_)
        last_tick = std::max(last_tick, track.tick);
    const int32_t end = to_ms(last_tick);
    const double beat = division_ * tick_seconds_ * 1000.0;
    if (beat < kShortestBeatMs) {
        msg_err() << "# mid: beats closer than " << kShortestBeatMs << " ms - none made"
                  << std::endl;
        return;
    }
    for (int k = 0;; ++k) {
        const int32_t time = static_cast<int32_t>(k * beat);
        queue.add(new cEvent(cEvent::kBeat, time));
        if (time >= end)
            break;
    }
}
