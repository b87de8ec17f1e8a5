// The bake's MIDI writer read back by the demo's own reader: names, tempo and
// times survive, every message is on channel 1, a repeated pitch ends before
// it starts again, and the beats run to the piece's end.
#include "cMidiWriter.h"
#include "support/MidiBuilder.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

Score small_score() {
    Score score;
    score.set_tempo_us(508475); // 118 bpm
    score.track_names = {"tune", "kick", "lights"};
    score.end_tick = 8 * 480;
    return score;
}

} // namespace

// Times as the demo computes them: whole milliseconds at the file's tempo,
// also for deltas that need three bytes.
TEST(MidiWriter, NotesAndControllersKeepTrackAndTime) {
    Score score = small_score();
    score.notes = {{1, 0, 120, 36, 120}, {1, 480 * 100, 120, 36, 90}, {2, 960, 480, 60, 1}};
    score.controls = {{2, 960, 72, 127}};
    score.end_tick = 480 * 101;
    const sMidiRead r = read_midi(cMidiWriter::bytes(score));
    EXPECT_EQ(r.events,
              (Strings{"0:1:on:36:120", "127:1:off:36:64", "1016:2:cc:72:127", "1016:2:on:60:1",
                       "1525:2:off:60:64", "50847:1:on:36:90", "50974:1:off:36:64"}));
    EXPECT_EQ(r.controllers, std::vector<int>{72});
}

// Back-to-back notes of one pitch: the first must end before the second
// starts, or a reader would see the second cut short.
TEST(MidiWriter, RepeatedPitchEndsBeforeItStartsAgain) {
    Score score = small_score();
    score.notes = {{1, 480, 480, 36, 100}, {1, 0, 480, 36, 100}};
    EXPECT_EQ(read_midi(cMidiWriter::bytes(score)).events,
              (Strings{"0:1:on:36:100", "508:1:off:36:64", "508:1:on:36:100", "1016:1:off:36:64"}));
}

// The tracks end at the piece's end, not at their last note.
TEST(MidiWriter, BeatsRunToTheEndOfThePiece) {
    Score score = small_score();
    score.notes = {{1, 0, 120, 36, 100}};
    const sMidiRead r = read_midi(cMidiWriter::bytes(score));
    ASSERT_EQ(r.beats.size(), 9u);
    EXPECT_EQ(r.beats.back(), 4067);
}
