// The picture against the sound a listener hears: the real demo plays through a private
// PulseAudio server, the server's monitor is recorded with the server's timing reports, and at
// each Space press the recording is located in the tune. The demo time the demo printed for
// that moment must be the tune's position heard then.
#include "support/ChildProcess.h"
#include "support/MonitorRecorder.h"
#include "support/PulseServer.h"
#include "support/TestAudio.h"
#include "support/XDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

const fs::path kBin = fs::path(DEMO_BINARY).parent_path();

struct Press {
    int32_t demo_ms;
    double seconds; // CLOCK_MONOTONIC
};

struct Key {
    std::string name; // an X key name
    double seconds;   // after playback starts
};

// SYNC_KEYS lists the keys to tap as NAME@SECONDS: the bench presses Space over the whole piece;
// the test a short run with a jump on (Right), a pause (p, p) and a jump back to the start
// (Home) between its presses.
std::vector<Key> key_script() {
    const char* listed = std::getenv("SYNC_KEYS");
    std::istringstream list(listed ? listed
                                   : "space@5,space@10,Right@11,space@15,p@16,p@17,space@19,"
                                     "Home@20,space@23");
    std::vector<Key> keys;
    for (std::string item; std::getline(list, item, ',');) {
        const size_t at = item.find('@');
        keys.push_back({item.substr(0, at), std::stod(item.substr(at + 1))});
    }
    return keys;
}

size_t spaces_in(const std::vector<Key>& keys) {
    size_t count = 0;
    for (const Key& key : keys)
        count += key.name == "space";
    return count;
}

// SYNC_SOUND picks the demo's sound path to the server: "pulse" (its own client), or "alsa"
// (ALSA's default device, which ALSA's PulseAudio plugin takes to the server).
std::string sound_path() {
    return std::getenv("SYNC_SOUND") ? std::getenv("SYNC_SOUND") : "pulse";
}

int starts() {
    return std::getenv("SYNC_STARTS") ? std::atoi(std::getenv("SYNC_STARTS")) : 3;
}

// The lines "# demo time N ms at monotonic T s" that Space prints.
std::vector<Press> presses_in(const std::string& out) {
    std::vector<Press> presses;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        Press press{};
        if (std::sscanf(line.c_str(), "# demo time %d ms at monotonic %lf s", &press.demo_ms,
                        &press.seconds) == 2)
            presses.push_back(press);
    }
    return presses;
}

// One start of the demo with the keys tapped at their moments; the offsets (picture minus sound,
// ms) at each press.
std::vector<double> offsets_of_one_run(const cPulseServer& server,
                                       const std::vector<int16_t>& tune) {
    cMonitorRecorder recorder(server.address(), cPulseServer::kMonitor);
    EXPECT_TRUE(recorder.recording());
    cChildProcess demo(
        DEMO_BINARY, kBin.string(), "n\n",
        {"DEMO_SOUND=" + sound_path(), "PULSE_SERVER=" + server.address(), "SDL_AUDIODRIVER="});
    cXDriver x;
    EXPECT_TRUE(demo.wait_for_out("# fmod starting playback", 180)) << demo.err();
    const auto playing = std::chrono::steady_clock::now();
    EXPECT_TRUE(x.find_window("mirrel OpenGL", 10));
    for (const Key& key : key_script()) {
        std::this_thread::sleep_until(playing + std::chrono::duration<double>(key.seconds));
        x.tap_key(key.name);
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    x.tap_key("Escape");
    EXPECT_EQ(demo.wait_exit(30), 0) << demo.err();
    recorder.stop();
    std::vector<double> offsets;
    for (const Press& press : presses_in(demo.out())) {
        const double heard = recorder.tune_ms_heard_at(press.seconds, tune, press.demo_ms);
        std::printf("# sync: demo time %d ms, tune heard at %.1f ms: picture %+.1f ms\n",
                    press.demo_ms, heard, press.demo_ms - heard);
        offsets.push_back(press.demo_ms - heard);
    }
    return offsets;
}

} // namespace

TEST(SyncTest, ThePictureShowsTheTimeOfTheMusicHeardThroughASoundServer) {
    cPulseServer server;
    ASSERT_TRUE(server.running()) << "no private PulseAudio server";
    const std::vector<int16_t> tune = decode_mp3((kBin / "../data/music/pulse55.mp3").string());
    ASSERT_FALSE(tune.empty());
    // The plugin between ALSA and the server reports a coarser delay than the server itself.
    const double allowed_ms = sound_path() == "alsa" ? 20.0 : 10.0;
    for (int run = 0; run < starts(); ++run) {
        const std::vector<double> offsets = offsets_of_one_run(server, tune);
        EXPECT_EQ(offsets.size(), spaces_in(key_script())) << "a press not seen";
        for (double offset : offsets)
            EXPECT_LE(std::fabs(offset), allowed_ms) << "run " << run; // NaN fails too
        if (!offsets.empty())
            std::printf("# sync: run %d drift from first to last press %+.1f ms\n", run,
                        offsets.back() - offsets.front());
    }
    std::printf("# sync: %d underruns in the server's log\n", server.underruns());
    EXPECT_EQ(server.underruns(), 0);
}
