#include "support/MidiBuilder.h"
#include "support/TestAudio.h"
#include "timeline/cMidiReader.h"

#include <gtest/gtest.h>

namespace {
using Strings = std::vector<std::string>;
} // namespace

TEST(MidiReader, KeepsChannelOneNotesAndControllersOnly) {
    cMidiTrack track;
    track.name(0, "kick")
        .event(0, {0x90, 36, 100})  // note-on
        .event(240, {36, 0})        // running status, velocity 0: dropped
        .event(0, {0x91, 40, 90})   // channel 2: dropped
        .event(240, {0x80, 36, 64}) // note-off
        .event(0, {0xB0, 72, 33})   // controller
        .event(0, {74, 10})         // running status controller
        .event(0, {0xB0, 72, 34})
        .event(0, {0xC0, 5})                // program change: one data byte, dropped
        .event(0, {0xE0, 0, 64})            // pitch bend: dropped
        .event(0, {0xF0, 0x02, 0x01, 0xF7}) // system exclusive skipped
        .end();
    const sMidiRead r = read_midi(midi_file(0, 480, {track}));
    EXPECT_EQ(r.events, (Strings{"0:0:on:36:100", "500:0:off:36:64", "500:0:cc:72:33",
                                 "500:0:cc:74:10", "500:0:cc:72:34"}));
    EXPECT_EQ(r.controllers, (std::vector<int>{72, 74}));
    EXPECT_EQ(r.names, (Strings{"kick"}));
    EXPECT_EQ(r.err, "");
}

TEST(MidiReader, BeatsFollowTheDivisionUpToTheLongestTrack) {
    cMidiTrack conductor, notes;
    conductor.name(0, "song").end(480);                             // 500 ms
    notes.event(0, {0x90, 60, 1}).event(1200, {0x80, 60, 0}).end(); // ends at 1250 ms
    const sMidiRead r = read_midi(midi_file(1, 480, {conductor, notes}));
    EXPECT_EQ(r.beats, (std::vector<int>{0, 500, 1000, 1500})); // the first at or after the end
    EXPECT_EQ(r.names, (Strings{"song", ""}));
    EXPECT_EQ(r.events, (Strings{"0:1:on:60:1", "1250:1:off:60:0"}));
}

TEST(MidiReader, TheLastTempoReadConvertsEveryTrack) {
    cMidiTrack conductor, notes;
    conductor.tempo(0, 1000000).tempo(960, 250000).end(); // 60 bpm, then 240 bpm
    notes.event(960, {0x90, 60, 1}).end();
    const sMidiRead r = read_midi(midi_file(1, 480, {conductor, notes}));
    EXPECT_EQ(r.events, (Strings{"500:1:on:60:1"})); // 2 quarters at 240 bpm
    EXPECT_EQ(r.beats, (std::vector<int>{0, 250, 500}));
    EXPECT_NE(r.out.find("# mid: bpm: 60.000000\n# mid: bpm: 240.000000\n"), std::string::npos);
}

TEST(MidiReader, NamesOfAnyLengthAndTempoZeroAreSafe) {
    cMidiTrack track;
    const std::string long_name(200, 'n');
    track.name(0, long_name).tempo(0, 0).event(480, {0x90, 1, 1}).end();
    const sMidiRead r = read_midi(midi_file(0, 480, {track}));
    EXPECT_EQ(r.names, (Strings{long_name}));
    EXPECT_EQ(r.events, (Strings{"500:0:on:1:1"})); // the tempo of 0 was ignored
    EXPECT_NE(r.err.find("# mid: tempo 0 ignored"), std::string::npos);
}

TEST(MidiReader, BrokenTracksEndWithAWarningAndKeepWhatWasRead) {
    const cMidiTrack good = cMidiTrack().event(0, {0x90, 60, 1});
    const struct {
        const char* what;
        cMidiTrack track;
        const char* warning;
        size_t kept;
    } cases[] = {
        {"delta time", cMidiTrack(good).raw({0x81, 0x80}), "broken delta time", 1},
        {"long delta", cMidiTrack(good).raw({0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), "broken delta time",
         1},
        {"channel data", cMidiTrack(good).raw({0x00, 0x90, 0x3C}), "channel message cut short", 1},
        {"meta length", cMidiTrack(good).raw({0x00, 0xFF, 0x03, 0x20, 'a'}),
         "length beyond the end of the track", 1},
        {"sysex length", cMidiTrack(good).raw({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F}),
         "length beyond the end of the track", 1},
        {"no status", cMidiTrack().raw({0x00, 0x3C, 0x40}), "data byte without a status", 0},
        {"empty", cMidiTrack(), "no data", 0},
    };
    for (const auto& c : cases) {
        const sMidiRead r = read_midi(midi_file(0, 480, {c.track}));
        EXPECT_NE(r.err.find(std::string("# mid: track 0: ") + c.warning), std::string::npos)
            << c.what << ": " << r.err;
        EXPECT_EQ(r.events.size(), c.kept) << c.what;
    }
}

TEST(MidiReader, AChunkReachingPastTheFileIsCut) {
    std::vector<uint8_t> file = midi_file(0, 480, {cMidiTrack().event(0, {0x90, 60, 1})});
    file[14 + 5] = 0x10; // the track's length: a megabyte more than the file holds
    const sMidiRead r = read_midi(file);
    EXPECT_EQ(r.events.size(), 1u);
    EXPECT_NE(r.err.find("chunk length beyond the end of the file"), std::string::npos);
}

// At the start such a file ends the program; read again while the demo runs it is refused
// with the reason, and a file that is missing adds nothing, as at the start.
TEST(MidiReader, FilesThatAreNotMidiEndTheProgramOrAreRefusedOnAReload) {
    const cMidiTrack track = cMidiTrack().end();
    std::vector<uint8_t> bad_track = midi_file(0, 480, {track, track});
    bad_track[14 + 8 + 4 + 3] = 'X'; // the second chunk's magic
    const std::vector<uint8_t> cases[] = {
        {'M', 'T', 'h', 'd', 0, 0},
        midi_file(0, 0, {track}),                            // short; division 0
        midi_file(0, static_cast<int16_t>(0xE428), {track}), // a frame code of 28
        bad_track};
    for (const auto& file : cases) {
        cEventQueue queue;
        EXPECT_EXIT(cMidiReader::read_bytes(file, queue), ::testing::ExitedWithCode(1),
                    "# mid FATAL ERROR: ")
            << file.size();
        TempDir dir;
        write_bytes(dir.path("tune.mid"), std::string(file.begin(), file.end()));
        std::string error;
        EXPECT_FALSE(cMidiReader::read_checked(dir.path("tune.mid"), queue, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(cMidiReader::read_checked(dir.path("none.mid"), queue, &error));
    }
}
