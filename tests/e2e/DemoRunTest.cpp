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
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string kPlaying = "# fmod starting playback...\n";
const std::string kQuestion = "WIDE-screen pleassure?";
const std::string kWidescreen = "widescreen, mmm...\n";

class DemoRunTest : public ::testing::Test {
protected:
    // The tree has the project's shader sources and baked images and models;
    // the music, the MIDI file and the event script are each test's own.
    void SetUp() override {
        make_demo_tree(dir_.path(""), fs::path(DEMO_BINARY).parent_path().parent_path());
    }
    void add_music() { write_test_mp3(dir_, "data/music/pulse55.mp3", 20 * kTestRate); }
    std::unique_ptr<cChildProcess> start(const std::string& answer,
                                         eChildInput how = eChildInput::script,
                                         const std::vector<std::string>& env = {}) {
        return std::make_unique<cChildProcess>(DEMO_BINARY, dir_.path("bin"), answer, env, how);
    }
    // The start-up and tear-down lines on standard output, in their order,
    // with "requested exit" the very last.
    static void expect_clean_end(cChildProcess& demo, int32_t seconds = 30) {
        ASSERT_EQ(demo.wait_exit(seconds), 0) << demo.err();
        const std::string out = demo.out();
        size_t at = 0;
        for (const char* line : {"# fmod loaded stream \"../data/music/pulse55.mp3\" [length: ",
                                 "\n# corrected for audio-latency: 200ms\n", kPlaying.c_str()})
            EXPECT_NE(at = out.find(line, at), std::string::npos) << line << "\n" << out;
        EXPECT_EQ(out.rfind("\nrequested exit\n"), out.size() - 16) << out;
    }

    TempDir dir_;
    cXDriver x_;
};

} // namespace

// A desktop launch (no input) and a tool that keeps the input open without a
// word both get the dialog: nothing answers for the user.
TEST_F(DemoRunTest, WithoutAnAnswerOnItsInputTheQuestionIsADialog) {
    auto silent = start("", eChildInput::silent_pipe);
    ASSERT_TRUE(x_.find_window(kQuestion, 10)) << silent->err();
    x_.tap_key("Escape"); // Cancel
    EXPECT_EQ(silent->wait_exit(10), 0);
    EXPECT_EQ(silent->out() + silent->err(), "");

    auto desktop = start("", eChildInput::dev_null);
    ASSERT_TRUE(x_.find_window(kQuestion, 10)) << desktop->err();
    x_.tap_key("Return"); // Yes; without music the load phase then ends
    EXPECT_EQ(desktop->wait_exit(60), 1);
    EXPECT_EQ(desktop->err().rfind(kWidescreen, 0), 0u) << desktop->err();
}

// Even a scripted run stops at the box: the user must learn why nothing starts.
TEST_F(DemoRunTest, AMissingRequiredExtensionIsShownInADialog) {
    auto demo =
        start("n\n", eChildInput::script, {"MESA_EXTENSION_OVERRIDE=-GL_ARB_vertex_buffer_object"});
    ASSERT_TRUE(x_.find_window("missing gl-extension", 30)) << demo->err();
    x_.tap_key("Return");
    EXPECT_EQ(demo->wait_exit(10), 0);
}

// The load screen holds 5 s and fades for 1.5 s before the music starts; then
// Escape, q and the window's close button each end with the tear-down lines.
// Without an event script the timeline is empty and the demo still runs.
TEST_F(DemoRunTest, EscapeQAndTheCloseButtonEndWithTheTearDownLines) {
    ASSERT_TRUE(x_.connected()) << "these tests need an X display (run them under xvfb-run)";
    add_music();
    const struct {
        const char* answer;
        const char* key; // none: the close button
        bool widescreen;
    } cases[] = {{"n\n", "Escape", false}, {"y\n", "q", true}, {"\n", nullptr, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        const auto started = std::chrono::steady_clock::now();
        auto demo = start(c.answer);
        ASSERT_TRUE(demo->wait_for_out(kPlaying, 90)) << demo->err();
        EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(6500));
        ASSERT_TRUE(x_.find_window("mirrel OpenGL", 10));
        c.key ? x_.tap_key(c.key) : x_.close_window();
        expect_clean_end(*demo);
        EXPECT_EQ(demo->err().find(kWidescreen), c.widescreen ? 0u : std::string::npos);
    }
}

// Every demo time Space has printed so far, in ms.
std::vector<int> printed_times(const std::string& err) {
    std::vector<int> times;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        int h = 0, m = 0, s = 0, ms = 0;
        if (line.size() == 12 && std::sscanf(line.c_str(), "%d:%d:%d,%d", &h, &m, &s, &ms) == 4)
            times.push_back(((h * 60 + m) * 60 + s) * 1000 + ms);
    }
    return times;
}

// Right jumps 5 s on, Home back to the start, Page Down 30 s (no further than the music), and
// p holds the demo time until it is pressed again; Space reports where the run stands.
TEST_F(DemoRunTest, SeekKeysJumpTheRunAndPHoldsIt) {
    add_music(); // 20 s
    auto demo = start("n\n");
    ASSERT_TRUE(demo->wait_for_out(kPlaying, 90)) << demo->err();
    ASSERT_TRUE(x_.find_window("mirrel OpenGL", 10));
    const auto press = [&](const char* key) {
        x_.tap_key(key);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    };
    for (const char* key : {"Right", "space", "Home", "space", "Next", "space", "p", "space"})
        press(key);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    for (const char* key : {"space", "p", "q"})
        press(key);
    expect_clean_end(*demo);
    const std::vector<int> t = printed_times(demo->err());
    ASSERT_EQ(t.size(), 5u) << demo->err();
    EXPECT_GE(t[0], 4800);
    EXPECT_LT(t[0], 7500) << "5 s on from the start";
    EXPECT_LT(t[1], 1500) << "back at the start";
    EXPECT_GE(t[2], 19000) << "at the music's end";
    EXPECT_EQ(t[3], t[4]) << "paused for a second";
}

// Waits until the demo's error stream holds `text`.
bool wait_for_err(cChildProcess& demo, const std::string& text, double seconds) {
    for (double waited = 0; waited < seconds; waited += 0.1) {
        if (demo.err().find(text) != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// A program file saved while the demo runs is compiled again, a picture baked again is
// decoded again, and a broken edit warns and keeps the demo running until Escape.
TEST_F(DemoRunTest, EditedProgramsAndPicturesReloadWhileItRuns) {
    add_music();
    const fs::path root = fs::path(DEMO_BINARY).parent_path().parent_path();
    for (const char* own : {"src", "data/textures"}) { // copies the test may write into
        fs::remove(dir_.path(own));
        fs::create_directories(dir_.path(own));
    }
    fs::copy(root / "src/shaders", dir_.path("src/shaders"), fs::copy_options::recursive);
    fs::copy(root / "data/textures", dir_.path("data/textures"), fs::copy_options::recursive);
    for (const char* morph : {"cg_morphDS_vert.cg", "cg_morphDS_frag.cg"})
        fs::copy(root / "src" / morph, dir_.path(std::string("src/") + morph));
    write_bytes(dir_.path("data/script/markers.txt"), "s06 0:0:0,100\n");
    auto demo = start("n\n");
    ASSERT_TRUE(demo->wait_for_out(kPlaying, 90)) << demo->err();

    const std::string program = dir_.path("src/shaders/cg_xray_frag.cg");
    const std::string source = read_bytes(program);
    write_bytes(program, source + "// tuned\n");
    EXPECT_TRUE(demo->wait_for_out("# reloaded shader \"xray_shader\"\n", 10)) << demo->out();
    const std::string logo = dir_.path("data/textures/mrllogo_full2.jpg");
    write_bytes(logo, read_bytes(logo));
    EXPECT_TRUE(demo->wait_for_out("# reloaded texture \"mrllogo_full2.jpg\"\n", 10));
    write_bytes(program, source + "this is not GLSL\n");
    EXPECT_TRUE(wait_for_err(*demo, "# warning: The compile returned an error", 10)) << demo->err();
    EXPECT_TRUE(wait_for_err(*demo, "# warning: shader \"xray_shader\" kept its old programs", 5));
    ASSERT_TRUE(x_.find_window("mirrel OpenGL", 10));
    x_.tap_key("Escape");
    expect_clean_end(*demo);
}

// Every scene Space has named so far.
std::vector<std::string> printed_scenes(const std::string& out) {
    std::vector<std::string> scenes;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("# scene \"", 0) == 0)
            scenes.push_back(line.substr(9, line.size() - 10));
    return scenes;
}

// A scene switch moved in the script under the running demo moves on screen: the timeline is
// rebuilt and the run played again up to where it stood. The MIDI file and the music written
// again are read again; a broken script or music warns, and the old ones play on until Escape.
TEST_F(DemoRunTest, TheScriptTheMidiFileAndTheMusicReloadWhileItRuns) {
    add_music(); // 20 s
    const std::string script = dir_.path("data/script/markers.txt");
    write_bytes(script, "s06 0:0:0,100\ns03 0:0:15,000\n");
    cMidiTrack conductor;
    conductor.name(0, "tempo").tempo(0, 500000).end();
    const std::vector<uint8_t> midi = midi_file(1, 480, {conductor});
    write_bytes(dir_.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));
    auto demo = start("n\n");
    ASSERT_TRUE(demo->wait_for_out(kPlaying, 90)) << demo->err();
    ASSERT_TRUE(x_.find_window("mirrel OpenGL", 10));
    write_bytes(script, "s06 0:0:0,100\ns03 0:0:2,500\n");
    ASSERT_TRUE(demo->wait_for_out("# reloaded script \"markers.txt\"\n", 10)) << demo->err();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    x_.tap_key("space");
    for (const char* file : {"data/music/pulse55.mid", "data/music/pulse55.mp3"})
        write_bytes(dir_.path(file), read_bytes(dir_.path(file)));
    EXPECT_TRUE(demo->wait_for_out("# reloaded midi \"pulse55.mid\"\n", 10)) << demo->err();
    EXPECT_TRUE(demo->wait_for_out("# reloaded music \"pulse55.mp3\"\n", 10)) << demo->err();
    write_bytes(script, "s06 0:0:0,100\nbogus 0:0:1,000\ns03 0:0:9,000\n");
    EXPECT_TRUE(wait_for_err(*demo, "# warning, \"markers.txt\" line 2: unknown token bogus", 10));
    write_bytes(dir_.path("data/music/pulse55.mp3"), "not music\n");
    EXPECT_TRUE(wait_for_err(*demo, "cannot be played", 10)) << demo->err();
    x_.tap_key("space");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    x_.tap_key("Escape");
    expect_clean_end(*demo);
    const std::vector<int> t = printed_times(demo->err());
    const std::vector<std::string> scenes = printed_scenes(demo->out());
    ASSERT_EQ(t.size(), 2u) << demo->err();
    ASSERT_EQ(scenes.size(), 2u) << demo->out();
    EXPECT_GT(t[0], 2500) << "the run went on from where it stood";
    EXPECT_EQ(scenes[0], "animated attractors") << "the switch moved to 2.5 s";
    EXPECT_GT(t[1], t[0]);
    EXPECT_EQ(scenes[1], "animated attractors") << "the broken script left the timeline as it was";
}

TEST_F(DemoRunTest, MusicThatCannotPlayEndsTheLoadPhase) {
    auto missing = start("n\n");
    EXPECT_EQ(missing->wait_exit(60), 1);
    EXPECT_NE(missing->err().find("## ERROR: File not found"), std::string::npos);
    EXPECT_EQ(missing->out().find("# fmod loaded stream"), std::string::npos);

    write_bytes(dir_.path("data/music/pulse55.mp3"), "ID3 but not really\nplain text\n");
    auto text = start("n\n");
    EXPECT_EQ(text->wait_exit(60), 1);
    EXPECT_NE(text->err().find("## ERROR: Unknown file format"), std::string::npos);
}

TEST_F(DemoRunTest, TheTimelineSwitchesScenesReportsAndQuits) {
    add_music();
    write_bytes(dir_.path("data/script/markers.txt"),
                "# test timeline\ns03 0:0:0,300\ns09 0:0:0,450\ns100 0:0:0,600\nquit 0:0:1,500\n");
    cMidiTrack conductor, kick;
    conductor.name(0, "tempo").tempo(0, 500000).end();
    kick.name(0, "kick").event(480, {0x90, 36, 100}).event(240, {0x80, 36, 0}).end();
    const std::vector<uint8_t> midi = midi_file(1, 480, {conductor, kick});
    write_bytes(dir_.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));

    auto demo = start("n\n");
    expect_clean_end(*demo, 60); // the quit event ends it
    // There is no scene 9: the grey fallback takes its place and reports the
    // kick's note and the beats it is handed.
    const std::string err = demo->err();
    for (const char* line :
         {"## ERROR: tried to switch to scene9, but it's not added.", "unhandled demo_event: 13\n",
          "dummy-scene recieved event: 30\n", "dummy-scene recieved event: 31\n"})
        EXPECT_NE(err.find(line), std::string::npos) << line;
    const std::string out = demo->out();
    EXPECT_NE(out.find("# mid: bpm: 120.000000\n"), std::string::npos);
    // The kick's note-on asked for the lights: this machine has none, said once.
    EXPECT_NE(out.find("xps not detected\n"), std::string::npos);
    EXPECT_EQ(out.find("xps not detected\n"), out.rfind("xps not detected\n"));
}
