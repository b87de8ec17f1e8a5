// The real demo program in a tree of its own (bin/ as working directory,
// data/music beside it), answered on standard input and driven through the
// X display like a user would.
#include "support/ChildProcess.h"
#include "support/TestAudio.h"
#include "support/XDriver.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string kPlaying = "# fmod starting playback...\n";

class DemoRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_.path("bin"));
        fs::create_directories(dir_.path("data/music"));
    }
    void add_music(int seconds = 20) {
        write_test_mp3(dir_, "data/music/pulse55.mp3", seconds * kTestRate);
    }
    std::unique_ptr<cChildProcess> start(const std::string& answer) {
        return std::make_unique<cChildProcess>(DEMO_BINARY, dir_.path("bin"), answer);
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
    void expect_clean_end(cChildProcess& demo) {
        ASSERT_EQ(demo.wait_exit(30), 0) << demo.err();
        const std::vector<std::string> out = lines(demo.out());
        ASSERT_EQ(out.size(), 4u) << demo.out();
        EXPECT_EQ(out[0].rfind("# fmod loaded stream \"../data/music/pulse55.mp3\" [length: ", 0),
                  0u);
        EXPECT_EQ(out[1], "# corrected for audio-latency: 200ms");
        EXPECT_EQ(out[2], "# fmod starting playback...");
        EXPECT_EQ(out[3], "requested exit");
        EXPECT_NE(demo.err().find("# warning, no scene selected in cSceneManager::draw_current\n"),
                  std::string::npos);
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

TEST_F(DemoRunTest, EscapeEndsWithTheTearDownLines) {
    auto demo = start_running("n\n");
    x_.tap_key("Escape");
    expect_clean_end(*demo);
    EXPECT_EQ(demo->err().find("widescreen"), std::string::npos);
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

TEST_F(DemoRunTest, MusicThatIsMissingOrNotMpegEndsTheLoadPhase) {
    {
        auto demo = start("n\n");
        EXPECT_EQ(demo->wait_exit(60), 1);
        EXPECT_NE(demo->err().find("## ERROR: File not found"), std::string::npos);
        EXPECT_EQ(demo->out().find("# fmod loaded stream"), std::string::npos);
    }
    write_bytes(dir_.path("data/music/pulse55.mp3"), "ID3 but not really\nplain text\n");
    auto demo = start("n\n");
    EXPECT_EQ(demo->wait_exit(60), 1);
    EXPECT_NE(demo->err().find("## ERROR: Unknown file format"), std::string::npos);
}
