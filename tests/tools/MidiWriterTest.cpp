// The bake's MIDI writer read back by the demo's own reader: names, tempo and
// times survive, every message is on channel 1, a repeated pitch ends before
// it starts again, and the beats run to the piece's end.
#include "cMidiWriter.h"
#include "support/Capture.h"
#include "timeline/cMECtrlChange.h"
#include "timeline/cMETrigger.h"
#include "timeline/cMidiReader.h"

#include <gtest/gtest.h>

namespace {

Score small_score() {
    Score score;
    score.set_tempo_us(508475); // 118 bpm
    score.track_names = {"tune", "kick", "lights"};
    score.end_tick = 8 * 480;
    return score;
}

struct Read {
    std::vector<const iMidiEvent*> midi; // in timeline order
    std::vector<int32_t> beats;
    std::vector<std::string> names;
    std::vector<int> controllers;
    std::string out;
};

// Keeps the queue alive for the events' lifetime.
Read read(const Score& score, cEventQueue& queue) {
    cCapture capture;
    cMidiReader::read_bytes(cMidiWriter::bytes(score), queue);
    Read r;
    for (size_t i = 0; i < queue.size(); ++i) {
        if (const auto* m = dynamic_cast<const iMidiEvent*>(queue.at(i)))
            r.midi.push_back(m);
        else if (queue.at(i)->type == cEvent::kBeat)
            r.beats.push_back(queue.at(i)->time);
    }
    r.names = queue.track_names;
    r.controllers = queue.controllers;
    r.out = capture.out();
    return r;
}

} // namespace

TEST(MidiWriter, HeaderIsFormatOneWithTheConductorFirst) {
    const std::vector<uint8_t> bytes = cMidiWriter::bytes(small_score());
    const std::vector<uint8_t> header(bytes.begin(), bytes.begin() + 14);
    EXPECT_EQ(header, (std::vector<uint8_t>{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 1, 0xE0}));
    cEventQueue queue;
    const Read r = read(small_score(), queue);
    EXPECT_EQ(r.names, (std::vector<std::string>{"tune", "kick", "lights"}));
    EXPECT_NE(r.out.find("# mid: bpm: 117.99"), std::string::npos) << r.out;
}

// Times as the demo computes them: whole milliseconds at the file's tempo,
// also for deltas that need three bytes.
TEST(MidiWriter, NotesAndControllersKeepTrackAndTime) {
    Score score = small_score();
    score.notes = {{1, 0, 120, 36, 120}, {1, 480 * 100, 120, 36, 90}, {2, 960, 480, 60, 1}};
    score.controls = {{2, 960, 72, 127}};
    score.end_tick = 480 * 101;
    cEventQueue queue;
    const Read r = read(score, queue);
    const struct {
        int kind, track, data1, data2;
        int32_t time;
    } expected[] = {
        {iMidiEvent::kNoteOn, 1, 36, 120, 0},     {iMidiEvent::kNoteOff, 1, 36, 64, 127},
        {iMidiEvent::kControl, 2, 72, 127, 1016}, {iMidiEvent::kNoteOn, 2, 60, 1, 1016},
        {iMidiEvent::kNoteOff, 2, 60, 64, 1525},  {iMidiEvent::kNoteOn, 1, 36, 90, 50847},
        {iMidiEvent::kNoteOff, 1, 36, 64, 50974},
    };
    ASSERT_EQ(r.midi.size(), std::size(expected));
    for (size_t i = 0; i < r.midi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.midi[i]->kind, expected[i].kind);
        EXPECT_EQ(r.midi[i]->track, expected[i].track);
        EXPECT_EQ(r.midi[i]->data1, expected[i].data1);
        EXPECT_EQ(r.midi[i]->data2, expected[i].data2);
        EXPECT_EQ(r.midi[i]->time, expected[i].time);
    }
    EXPECT_EQ(r.controllers, std::vector<int>{72});
}

// Back-to-back notes of one pitch: the first must end before the second
// starts, or a reader would see the second cut short.
TEST(MidiWriter, RepeatedPitchEndsBeforeItStartsAgain) {
    Score score = small_score();
    score.notes = {{1, 480, 480, 36, 100}, {1, 0, 480, 36, 100}};
    cEventQueue queue;
    const Read r = read(score, queue);
    ASSERT_EQ(r.midi.size(), 4u);
    EXPECT_EQ(r.midi[1]->kind, iMidiEvent::kNoteOff);
    EXPECT_EQ(r.midi[2]->kind, iMidiEvent::kNoteOn);
    EXPECT_EQ(r.midi[1]->time, r.midi[2]->time);
}

// The tracks end at the piece's end, not at their last note.
TEST(MidiWriter, BeatsRunToTheEndOfThePiece) {
    Score score = small_score();
    score.notes = {{1, 0, 120, 36, 100}};
    cEventQueue queue;
    const Read r = read(score, queue);
    ASSERT_EQ(r.beats.size(), 9u);
    EXPECT_EQ(r.beats.back(), 4067);
}
