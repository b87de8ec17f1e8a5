// The demo binary as a viewer starts it: from any folder, with the options a demo binary has,
// and in a loop that plays again and again without growing.
#include "support/ChildProcess.h"
#include "support/TestAudio.h"
#include "support/XDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::string kPlaying = "# fmod starting playback...\n";

size_t count_of(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The process's resident size in kB, from the kernel's account.
long resident_kb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Waits until standard output holds `text` `times` times.
bool wait_for_count(cChildProcess& demo, const std::string& text, size_t times, double seconds) {
    for (double waited = 0; waited < seconds; waited += 0.05) {
        if (count_of(demo.out(), text) >= times)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

} // namespace

// Started from the root folder it finds its data beside its program and plays; the options
// answer before anything opens, and a bad one is one line with exit code 2.
TEST(CommandLineRunTest, PlaysFromAnyFolderAndAnswersItsOptions) {
    cChildProcess help(DEMO_BINARY, "/", "", {}, eChildInput::dev_null, {"--help"});
    EXPECT_EQ(help.wait_exit(10), 0);
    EXPECT_NE(help.out().find("--window=WxH"), std::string::npos) << help.out();
    cChildProcess bad(DEMO_BINARY, "/", "", {}, eChildInput::dev_null, {"--loop", "--fast"});
    EXPECT_EQ(bad.wait_exit(10), 2);
    EXPECT_EQ(bad.err(), "mirrel: unknown option \"--fast\"; allowed: --help, --version, "
                         "--window[=WxH], --wide, --no-wide, --loop, --no-vsync\n");

    // No question on standard input: --no-wide answers it.
    cChildProcess demo(DEMO_BINARY, "/", "", {}, eChildInput::dev_null, {"--no-wide"});
    ASSERT_TRUE(demo.wait_for_out(kPlaying, 120)) << demo.err();
    cXDriver x;
    ASSERT_TRUE(x.find_window("mirrel OpenGL", 10));
    x.tap_key("Escape");
    EXPECT_EQ(demo.wait_exit(30), 0) << demo.err();
    EXPECT_NE(demo.out().find("# fmod loaded stream \"../data/music/pulse55.mp3\""),
              std::string::npos);
}

// The render-target pool's count of targets it made, which it prints at exit.
std::string targets_made(const std::string& out) {
    const std::string label = "# rrt-manager: number of tmp-rt allocated: ";
    const size_t at = out.find(label);
    return at == std::string::npos ? "none" : out.substr(at, out.find('\n', at) - at);
}

// A short timeline played over and over in a window: after the tenth pass the pool has made no
// more render targets than in two passes, and the process holds no more memory than after the
// second beyond what the allocators' own churn moves (about 2 MB either way from pass to pass).
TEST(CommandLineRunTest, ALoopPlaysAgainFromTheStartWithoutGrowing) {
    TempDir dir;
    make_demo_tree(dir.path(""), fs::path(DEMO_BINARY).parent_path().parent_path().string());
    write_test_mp3(dir, "data/music/pulse55.mp3", 20 * kTestRate);
    write_bytes(dir.path("data/script/markers.txt"), "s06 0:0:0,100\nquit 0:0:1,500\n");
    const std::string again = "# the end: playing again from the start\n";
    std::string made_in_two;
    long second = 0, tenth = 0;
    for (size_t passes : {2, 10}) {
        cChildProcess demo(DEMO_BINARY, dir.path("bin"), "", {}, eChildInput::dev_null,
                           {"--loop", "--window=640x400", "--no-wide"});
        ASSERT_TRUE(wait_for_count(demo, again, 2, 120)) << demo.err();
        second = resident_kb(demo.pid());
        ASSERT_TRUE(wait_for_count(demo, again, passes, 60)) << demo.out();
        tenth = resident_kb(demo.pid());
        cXDriver x;
        ASSERT_TRUE(x.find_window("mirrel OpenGL", 10));
        x.tap_key("Escape");
        EXPECT_EQ(demo.wait_exit(30), 0);
        if (passes == 2)
            made_in_two = targets_made(demo.out());
        else
            EXPECT_EQ(targets_made(demo.out()), made_in_two);
    }
    std::printf("# loop: resident %ld kB after the second pass, %ld kB after the tenth\n", second,
                tenth);
    EXPECT_LE(tenth, second + 4096) << "grew by more than 4 MB over eight passes";
}
