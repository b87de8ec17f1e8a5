// The real demo program in a tree of its own (bin/ as working directory,
// data/music beside it), answered on standard input and driven through the
// X display like a user would.
#include "support/ChildProcess.h"
#include "support/MidiBuilder.h"
#include "support/TestAudio.h"
#include "support/XDriver.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string kPlaying = "# fmod starting playback...\n";

class DemoRunTest : public ::testing::Test {
protected:
    // The tree has the project's shader sources and baked images and models;
    // the music, the MIDI file and the event script are each test's own.
    void SetUp() override {
        make_demo_tree(dir_.path(""), fs::path(DEMO_BINARY).parent_path().parent_path());
    }
    void add_music(int seconds = 20) {
        write_test_mp3(dir_, "data/music/pulse55.mp3", seconds * kTestRate);
    }
    std::unique_ptr<cChildProcess> start(const std::string& answer,
                                         eChildInput how = eChildInput::script,
                                         const std::vector<std::string>& env = {}) {
        return std::make_unique<cChildProcess>(DEMO_BINARY, dir_.path("bin"), answer, env, how);
    }
    // Starts the demo and waits until its frame loop runs.
    std::unique_ptr<cChildProcess> start_running(const std::string& answer) {
        add_music();
        auto demo = start(answer);
        EXPECT_TRUE(demo->wait_for_out(kPlaying, 60)) << demo->err();
        EXPECT_TRUE(x_.connected()) << "these tests need an X display (run them under xvfb-run)";
        EXPECT_TRUE(x_.find_window("mirrel OpenGL", 10));
        return demo;
    }
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            result.push_back(text.substr(start, end - start));
        return result;
    }
    // The start-up and tear-down lines on standard output, in their order,
    // with "requested exit" the very last.
    void expect_clean_end(cChildProcess& demo, int32_t seconds = 30) {
        ASSERT_EQ(demo.wait_exit(seconds), 0) << demo.err();
        const std::vector<std::string> out = lines(demo.out());
        const char* const expected[] = {
            "# fmod loaded stream \"../data/music/pulse55.mp3\" [length: ",
            "# corrected for audio-latency: 200ms", "# fmod starting playback...",
            "requested exit"};
        size_t next = 0;
        for (const std::string& line : out)
            if (next < std::size(expected) && line.rfind(expected[next], 0) == 0)
                ++next;
        EXPECT_EQ(next, std::size(expected)) << demo.out();
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back(), "requested exit");
    }

    TempDir dir_;
    cXDriver x_;
};

} // namespace

TEST_F(DemoRunTest, CancelEndsAtOnceAndSilently) {
    add_music();
    auto demo = start("c\n");
    EXPECT_EQ(demo->wait_exit(10), 0);
    EXPECT_EQ(demo->out(), "");
    EXPECT_EQ(demo->err(), "");
}

// A desktop launch (no input) and a tool that keeps the input open without a
// word both get the dialog: nothing answers for the user.
TEST_F(DemoRunTest, WithoutAnAnswerOnItsInputTheQuestionIsADialog) {
    auto silent = start("", eChildInput::silent_pipe);
    ASSERT_TRUE(x_.find_window("WIDE-screen pleassure?", 10)) << silent->err();
    x_.tap_key("Escape"); // Cancel
    EXPECT_EQ(silent->wait_exit(10), 0);
    EXPECT_EQ(silent->out() + silent->err(), "");

    auto desktop = start("", eChildInput::dev_null);
    ASSERT_TRUE(x_.find_window("WIDE-screen pleassure?", 10)) << desktop->err();
    x_.tap_key("Return"); // Yes; without music the load phase then ends
    EXPECT_EQ(desktop->wait_exit(60), 1);
    EXPECT_EQ(desktop->err().rfind("widescreen, mmm...\n", 0), 0u) << desktop->err();
}

// Even a scripted run stops at the box: the user must learn why nothing starts.
TEST_F(DemoRunTest, AMissingRequiredExtensionIsShownInADialog) {
    auto demo =
        start("n\n", eChildInput::script, {"MESA_EXTENSION_OVERRIDE=-GL_ARB_vertex_buffer_object"});
    ASSERT_TRUE(x_.find_window("missing gl-extension", 30)) << demo->err();
    x_.tap_key("Return");
    EXPECT_EQ(demo->wait_exit(10), 0);
    EXPECT_NE(demo->err().find("# WARNING: GL_ARB_vertex_buffer_object not supported\n"),
              std::string::npos);
}

TEST_F(DemoRunTest, EscapeEndsWithTheTearDownLines) {
    auto demo = start_running("n\n");
    x_.tap_key("Escape");
    expect_clean_end(*demo);
    EXPECT_EQ(demo->err().find("widescreen"), std::string::npos);
    // Without an event script the timeline is empty: no scene, every frame says so.
    EXPECT_NE(demo->out().find("Error reading file \"../data/script/markers.txt\" in "
                               "cEventQueue_factory::loadFile\n"),
              std::string::npos);
    EXPECT_NE(demo->err().find("# warning, no scene selected in cSceneManager::draw_current\n"),
              std::string::npos);
}

TEST_F(DemoRunTest, QEndsWithTheTearDownLines) {
    auto demo = start_running("y\n");
    x_.tap_key("q");
    expect_clean_end(*demo);
    EXPECT_EQ(demo->err().rfind("widescreen, mmm...\n", 0), 0u); // the first line of all
}

TEST_F(DemoRunTest, ClosingTheWindowEndsWithTheTearDownLines) {
    auto demo = start_running("\n"); // an empty answer is the default, Yes
    x_.close_window();
    expect_clean_end(*demo);
}

TEST_F(DemoRunTest, ReportsTheMusicLengthInWholeMilliseconds) {
    auto demo = start_running("n\n");
    x_.tap_key("Escape");
    ASSERT_EQ(demo->wait_exit(30), 0);
    EXPECT_NE(demo->out().find("[length: 20000ms]\n"), std::string::npos) << demo->out();
}

TEST_F(DemoRunTest, MusicThatCannotPlayEndsTheLoadPhase) {
    {
        auto demo = start("n\n");
        EXPECT_EQ(demo->wait_exit(60), 1);
        EXPECT_NE(demo->err().find("## ERROR: File not found"), std::string::npos);
        EXPECT_EQ(demo->out().find("# fmod loaded stream"), std::string::npos);
    }
    {
        write_bytes(dir_.path("data/music/pulse55.mp3"), "ID3 but not really\nplain text\n");
        auto demo = start("n\n");
        EXPECT_EQ(demo->wait_exit(60), 1);
        EXPECT_NE(demo->err().find("## ERROR: Unknown file format"), std::string::npos);
    }
    // An audio driver SDL does not know is a sound device that is not there.
    add_music();
    auto demo = start("n\n", eChildInput::script, {"SDL_AUDIODRIVER=no-such-driver"});
    EXPECT_EQ(demo->wait_exit(60), 1);
    EXPECT_NE(demo->err().find("Error initializing output device."), std::string::npos)
        << demo->err();
}

TEST_F(DemoRunTest, TheTimelineSwitchesScenesReportsAndQuits) {
    add_music();
    fs::create_directories(dir_.path("data/script"));
    write_bytes(dir_.path("data/script/markers.txt"),
                "# test timeline\ns03 0:0:0,300\ns09 0:0:0,450\ns100 0:0:0,600\nquit 0:0:1,500\n");
    cMidiTrack conductor, kick;
    conductor.name(0, "tempo").tempo(0, 500000).end();
    kick.name(0, "kick").event(480, {0x90, 36, 100}).event(240, {0x80, 36, 0}).end();
    const std::vector<uint8_t> midi = midi_file(1, 480, {conductor, kick});
    write_bytes(dir_.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));

    auto demo = start("n\n");
    expect_clean_end(*demo, 60); // the quit event ends it
    const std::string err = demo->err();
    // There is no scene 9: the grey fallback takes its place and reports the
    // kick's note and the beats it is handed.
    EXPECT_NE(err.find("## ERROR: tried to switch to scene9, but it's not added. In "
                       "cSceneManager::switch_scene\n"),
              std::string::npos);
    EXPECT_NE(err.find("unhandled demo_event: 13\n"), std::string::npos);
    EXPECT_NE(err.find("dummy-scene recieved event: 30\n"), std::string::npos);
    EXPECT_NE(err.find("dummy-scene recieved event: 31\n"), std::string::npos);
    const std::string out = demo->out();
    EXPECT_NE(out.find("# mid: Num tracks: 2\n# mid: Reading tracks from MIDI file...\n"
                       "# mid: bpm: 120.000000\n"),
              std::string::npos);
    // The kick's note-on asked for the lights: this machine has none, said once.
    EXPECT_EQ(out.find("xps not detected\n"), out.rfind("xps not detected\n"));
    EXPECT_NE(out.find("xps not detected\n"), std::string::npos);
}

TEST_F(DemoRunTest, TheLoadScreenHoldsAndFadesBeforeTheMusicStarts) {
    add_music();
    const auto started = std::chrono::steady_clock::now();
    auto demo = start("n\n");
    ASSERT_TRUE(demo->wait_for_out(kPlaying, 90)) << demo->err();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GE(seconds, 6.5); // 5 s on show at the least, then 1.5 s of fade
    ASSERT_TRUE(x_.find_window("mirrel OpenGL", 10));
    x_.tap_key("space");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    x_.tap_key("Escape");
    ASSERT_EQ(demo->wait_exit(30), 0);
    // Space: a line holding "-", then the demo time.
    EXPECT_TRUE(std::regex_search(demo->err(), std::regex("\n-\n-?\\d\\d:\\d\\d:\\d\\d,\\d{3}\n")))
        << demo->err().substr(0, 2000);
}
