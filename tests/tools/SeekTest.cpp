// The capture tool on the demo's real timeline, music and MIDI file: frames reached by seeking
// (the frames before them only updated, never drawn) or after a jump back are byte for byte
// those of a run that draws every frame, and each scene entered straight after the scene before it
// draws what it draws when it is the first scene of the run.
#include "support/ChildProcess.h"
#include "support/TestAudio.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();
constexpr int kFps = 2, kStepMs = 1000 / kFps;

struct sSection {
    std::string keyword; // "s03"
    int entry_ms = 0, end_ms = 0;
    int early_ms = 0, middle_ms = 0; // two frames of its first stretch, on the 2 fps grid
};

int on_grid(int ms) {
    return (ms + kStepMs - 1) / kStepMs * kStepMs;
}

// Every scene's first stretch in the script: from its switch to the next switch or the end.
std::vector<sSection> first_sections(const std::string& script) {
    std::vector<sSection> all;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        int h = 0, m = 0, s = 0, ms = 0;
        char key[16] = {};
        const bool scene = line.size() > 1 && line[0] == 's' && std::isdigit(line[1]);
        if ((!scene && line.rfind("quit", 0) != 0) ||
            std::sscanf(line.c_str(), "%15s %d:%d:%d,%d", key, &h, &m, &s, &ms) != 5)
            continue;
        const int t = ((h * 60 + m) * 60 + s) * 1000 + ms;
        if (!all.empty())
            all.back().end_ms = t;
        all.push_back({key, t, t, 0, 0});
    }
    std::vector<sSection> first;
    for (sSection& s : all) {
        const bool seen = std::any_of(first.begin(), first.end(),
                                      [&](const sSection& f) { return f.keyword == s.keyword; });
        if (s.keyword == "quit" || seen)
            continue;
        s.early_ms = on_grid(s.entry_ms + 1500);
        s.middle_ms = on_grid((s.entry_ms + s.end_ms) / 2);
        first.push_back(s);
    }
    return first;
}

// The script without the scene switches before `entry_ms`: that scene starts the run.
std::string cold_script(const std::string& script, int entry_ms) {
    std::istringstream in(script);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        int h = 0, m = 0, s = 0, ms = 0;
        char key[16] = {};
        const bool is_switch =
            line.size() > 1 && line[0] == 's' && std::isdigit(line[1]) &&
            std::sscanf(line.c_str(), "%15s %d:%d:%d,%d", key, &h, &m, &s, &ms) == 5;
        if (!is_switch || ((h * 60 + m) * 60 + s) * 1000 + ms >= entry_ms)
            out += line + "\n";
    }
    return out;
}

// A demo tree with the real music and MIDI file and the given script; capture runs in it.
class cRealTree {
public:
    explicit cRealTree(const std::string& script) {
        make_demo_tree(dir_.path(""), kRoot.string());
        for (const char* file : {"data/music/pulse55.mp3", "data/music/pulse55.mid"})
            fs::create_symlink(kRoot / file, dir_.path(file));
        write_bytes(dir_.path("data/script/markers.txt"), script);
    }
    // Exit code; `out` is the folder the pictures go to, below the tree.
    int capture(const std::string& options, const std::string& out) {
        const std::string script = dir_.path("bin/run.sh");
        write_bytes(script, "#!/bin/sh\nexec " + (kRoot / "bin/capture").string() + " --fps " +
                                std::to_string(kFps) + " " + options + " --out ../" + out + "\n");
        fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
        cChildProcess run(script, dir_.path("bin"), "");
        const int code = run.wait_exit(540);
        errors_ = run.err();
        return code;
    }
    std::string frame(const std::string& out, int ms) const {
        char name[32];
        std::snprintf(name, sizeof name, "/frame_%07d.png", ms);
        return read_bytes(dir_.path(out + name));
    }
    const std::string& errors() const { return errors_; }

private:
    TempDir dir_;
    std::string errors_;
};

std::string real_script() {
    return read_bytes((kRoot / "data/script/markers.txt").string());
}

std::string times(const std::vector<sSection>& sections, bool both) {
    std::string list;
    for (const sSection& s : sections)
        list += (list.empty() ? "" : ",") + std::to_string(s.early_ms) +
                (both ? "," + std::to_string(s.middle_ms) : "");
    return list;
}

} // namespace

// The jump back comes from the middle of the last scene before the end, when every other
// scene has played and the random table's cursor stands where that scene left it.
TEST(SeekTest, FramesReachedBySeekingOrByAJumpBackAreTheFramesOfARunThatDrawsEveryFrame) {
    const std::vector<sSection> sections = first_sections(real_script());
    ASSERT_EQ(sections.size(), 7u) << "seven scenes in the script";
    cRealTree tree(real_script());
    const std::string at = "--at " + times(sections, true);
    ASSERT_EQ(tree.capture(at, "seek"), 0) << tree.errors();
    ASSERT_EQ(tree.capture(at + " --stats ../stats.txt", "full"), 0) << tree.errors();
    const std::string back = " --back-from " + std::to_string(sections[5].middle_ms);
    ASSERT_EQ(tree.capture(at + back, "back"), 0) << tree.errors();
    for (const sSection& s : sections)
        for (int ms : {s.early_ms, s.middle_ms}) {
            SCOPED_TRACE(s.keyword + " at " + std::to_string(ms));
            const std::string seek = tree.frame("seek", ms);
            EXPECT_FALSE(seek.empty());
            EXPECT_TRUE(seek == tree.frame("full", ms)) << "the frame differs from a full run";
            EXPECT_TRUE(seek == tree.frame("back", ms)) << "a jump back shows another frame";
        }
}

TEST(SeekTest, EachSceneDrawsTheSameEnteredAfterTheSceneBeforeItOrCold) {
    const std::string script = real_script();
    const std::vector<sSection> sections = first_sections(script);
    cRealTree real(script);
    ASSERT_EQ(real.capture("--at " + times(sections, false), "real"), 0) << real.errors();
    for (const sSection& s : sections) {
        if (s.entry_ms == 0)
            continue; // the opening scene is always entered cold
        SCOPED_TRACE(s.keyword);
        cRealTree cold(cold_script(script, s.entry_ms));
        ASSERT_EQ(cold.capture("--at " + std::to_string(s.early_ms), "cold"), 0) << cold.errors();
        const std::string frame = cold.frame("cold", s.early_ms);
        EXPECT_FALSE(frame.empty());
        EXPECT_TRUE(frame == real.frame("real", s.early_ms)) << "the road to the scene shows";
    }
}
