// The capture tool run as its own process on a short test timeline: its
// pictures are repeatable, its messages are the demo's, its sheet and video
// come out whole, and bad input leaves nothing behind under the asked name.
#include "support/ChildProcess.h"
#include "support/MidiBuilder.h"
#include "support/TestAudio.h"

#include <IL/il.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();
const std::string kCapture = (kRoot / "bin/capture").string();
// Grey fallback scenes, the end scene's logo from 1 s, quit at 3 s.
const char* const kTimeline = "s09 0:0:0,000\ns06 0:0:1,000\ns09 0:0:2,000\nquit 0:0:3,000\n";

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        make_demo_tree(dir_.path(""), kRoot);
        fs::create_directories(dir_.path("out"));
        write_test_mp3(dir_, "data/music/pulse55.mp3", 5 * kTestRate);
        write_bytes(dir_.path("data/script/markers.txt"), kTimeline);
        cMidiTrack conductor, kick;
        conductor.name(0, "tempo").tempo(0, 500000).end();
        kick.name(0, "kick").event(480, {0x90, 36, 100}).event(240, {0x80, 36, 0}).end();
        const std::vector<uint8_t> midi = midi_file(1, 480, {conductor, kick});
        write_bytes(dir_.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));
    }
    // Runs a program from bin/ with arguments (through a script, since the
    // child process takes none) and waits for its end.
    std::unique_ptr<cChildProcess> run(const std::string& program, const std::string& args,
                                       const std::string& input = "",
                                       const std::vector<std::string>& env = {}) {
        const std::string script = dir_.path("bin/run.sh");
        write_bytes(script, "#!/bin/sh\nexec " + program + " " + args + "\n");
        fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
        auto child = std::make_unique<cChildProcess>(script, dir_.path("bin"), input, env);
        child->wait_exit(120);
        return child;
    }
    std::string out(const std::string& name) const { return dir_.path("out/" + name); }

    TempDir dir_;
};

// The lines without the tool's own, with runs of one line counted once: how
// many frames repeat a warning depends on the clock.
std::vector<std::string> system_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("# capture:", 0) != 0 && (lines.empty() || lines.back() != line))
            lines.push_back(line);
    return lines;
}

// A PNG's width and height from its header.
std::pair<int, int> png_size(const std::string& file) {
    const std::string bytes = read_bytes(file);
    const auto word = [&](size_t at) {
        int v = 0;
        for (size_t i = at; i < at + 4; ++i)
            v = v * 256 + static_cast<uint8_t>(bytes[i]);
        return v;
    };
    return bytes.size() < 24 ? std::make_pair(0, 0) : std::make_pair(word(16), word(20));
}

} // namespace

TEST_F(CaptureTest, TheSameTimesGiveTheSameBytesWhateverWasAskedBefore) {
    auto first = run(kCapture, "--at 500,1500,0:0:2,250 --out ../out");
    ASSERT_EQ(first->wait_exit(0), 0) << first->err();
    fs::rename(out(""), dir_.path("first"));
    fs::create_directories(out(""));
    auto again = run(kCapture, "--at 0:0:2,250,1500,500 --out ../out");
    ASSERT_EQ(again->wait_exit(0), 0) << again->err();
    for (const char* name : {"frame_0000500.png", "frame_0001500.png", "frame_0002250.png"})
        EXPECT_TRUE(read_bytes(out(name)) == read_bytes(dir_.path("first/") + name)) << name;
    auto alone = run(kCapture, "--at 2250 --out ../out/new/alone"); // folders made as needed
    ASSERT_EQ(alone->wait_exit(0), 0) << alone->err();
    EXPECT_TRUE(read_bytes(out("new/alone/frame_0002250.png")) ==
                read_bytes(out("frame_0002250.png")));
    // The logo differs from the grey fallback: the pictures show their scenes.
    EXPECT_FALSE(read_bytes(out("frame_0001500.png")) == read_bytes(out("frame_0002250.png")));
}

TEST_F(CaptureTest, PrintsTheDemosOwnLinesForTheWholeTimeline) {
    auto demo = run(DEMO_BINARY, "", "n\n");
    ASSERT_EQ(demo->wait_exit(0), 0) << demo->err();
    auto capture = run(kCapture, "--letterbox --stats ../out/stats.txt");
    ASSERT_EQ(capture->wait_exit(0), 0) << capture->err();
    EXPECT_EQ(system_lines(capture->out()), system_lines(demo->out()));
    EXPECT_EQ(system_lines(capture->err()), system_lines(demo->err()));
    const std::string stats = read_bytes(out("stats.txt"));
    for (const char* scene : {"\n- ", "\ns06 endscene ", "\ndummy "})
        EXPECT_NE(stats.find(scene), std::string::npos) << scene << " in\n" << stats;
}

TEST_F(CaptureTest, MakesASheetAndAVideoOfTheAskedStretch) {
    auto capture = run(kCapture, "--sheet ../out/sheet.png --every 500 --video ../out/v.mp4 "
                                 "--from 500 --to 0:0:2,500 --fps 30 --stats ../out/range.txt");
    ASSERT_EQ(capture->wait_exit(0), 0) << capture->err();
    // The statistics cover the same stretch: none of the frames before the music starts.
    const std::string stats = read_bytes(out("range.txt"));
    EXPECT_EQ(stats.find("\n- "), std::string::npos) << stats;
    EXPECT_NE(stats.find("\ns06 endscene "), std::string::npos) << stats;
    // Four tiles of a quarter of 1024 x 768 over their labels, in one row.
    EXPECT_EQ(png_size(out("sheet.png")), std::make_pair(4 * 258 + 2, 192 + 20 + 4));
    auto probe = run("ffprobe", "-v error -select_streams v:0 -count_frames -show_entries "
                                "stream=nb_read_frames,duration -of csv=p=0 ../out/v.mp4");
    ASSERT_EQ(probe->wait_exit(0), 0) << probe->err();
    EXPECT_EQ(probe->out(), "2.000000,60\n");
    auto audio = run("ffprobe", "-v error -select_streams a:0 -show_entries stream=codec_name "
                                "-of csv=p=0 ../out/v.mp4");
    EXPECT_EQ(audio->out(), "aac\n");
}

// A size other than the screen's: the frame has that size and frames the picture as the demo
// frames a screen of that size, the end scene's logo between black bars left and right.
TEST_F(CaptureTest, ASizeGivesFramesOfThatSizeFramedAsOnSuchAScreen) {
    auto capture = run(kCapture, "--size 1280x720 --at 1500 --out ../out");
    ASSERT_EQ(capture->wait_exit(0), 0) << capture->err();
    const std::string frame = out("frame_0001500.png");
    ASSERT_EQ(png_size(frame), std::make_pair(1280, 720));
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    ASSERT_TRUE(ilLoadImage(frame.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE));
    const ILubyte* rgb = ilGetData();
    long bar_lit = 0, picture_lit = 0;
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 1280; ++x) {
            const ILubyte* p = rgb + (size_t(y) * 1280 + x) * 3;
            const bool lit = p[0] + p[1] + p[2] > 0;
            (x < 64 || x >= 1216 ? bar_lit : picture_lit) += lit;
        }
    ilDeleteImages(1, &image);
    EXPECT_EQ(bar_lit, 0);
    EXPECT_GT(picture_lit, 1152 * 720 / 2);
}

TEST_F(CaptureTest, BadInputEndsWithOneLineAndLeavesNothingBehind) {
    const struct {
        const char* args;
        std::vector<std::string> env;
        const char* says;
    } cases[] = {
        {"--at 500 --bogus 1", {}, "unknown option \"--bogus\""},
        {"--at 0:0:3,000 --out ../out/new/deeper", {}, "--at 00:00:03,000 lies outside"},
        {"--at -5 --out ../out", {}, "bad time \"-5\""},
        {"--at 500 --size 1279x720", {}, "--size wants even sides"},
        {"--sheet ../no/such/dir/sheet.png", {}, "cannot write ../no/such/dir/sheet.png"},
        {"--video ../out/v.mp4", {"PATH=/nonexistent"}, "ffmpeg not found"},
    };
    for (const auto& c : cases) {
        auto capture = run(kCapture, c.args, "", c.env);
        EXPECT_EQ(capture->wait_exit(0), 1) << c.args;
        const std::string err = capture->err();
        const size_t at = err.find("## ERROR: capture: ");
        ASSERT_NE(at, std::string::npos) << c.args << "\n" << err;
        EXPECT_NE(err.find(c.says, at), std::string::npos) << err.substr(at);
        EXPECT_EQ(err.find('\n', at), err.size() - 1) << "one line, the last: " << err.substr(at);
        EXPECT_TRUE(fs::is_empty(out(""))) << c.args; // made folders too are taken away
    }
}
