// The sprutte scene through the capture tool on a short timeline of its own: the intro looks
// down the tube into a white fog wall that recedes, and once the 38th counted kick (the 53rd,
// after the one-time reset at 15) starts the main part, a camera path shows the dark cage.
#include "support/ChildProcess.h"
#include "support/MidiBuilder.h"
#include "support/TestAudio.h"

#include <IL/il.h>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();

// RGB rows of a PNG, bottom first; empty if it cannot be read.
std::vector<uint8_t> load_rgb(const std::string& file, int* width, int* height) {
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    std::vector<uint8_t> rgb;
    if (ilLoadImage(file.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        *width = ilGetInteger(IL_IMAGE_WIDTH);
        *height = ilGetInteger(IL_IMAGE_HEIGHT);
        rgb.assign(ilGetData(), ilGetData() + size_t(*width) * *height * 3);
    }
    ilDeleteImages(1, &image);
    return rgb;
}

struct sShares {
    double fog = 0;  // the graded white of the fog
    double dark = 0; // the cage's shadowed bars
};

// Shares of the letterboxed picture (rows 64..703 of the 1024 x 768 window).
sShares shares(const std::string& file) {
    int w = 0, h = 0;
    const std::vector<uint8_t> rgb = load_rgb(file, &w, &h);
    sShares s;
    if (rgb.empty())
        return s;
    long count = 0;
    for (int y = 64; y < h - 64; ++y)
        for (int x = 0; x < w; ++x, ++count) {
            const uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
            const double l = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
            s.fog += p[0] > 235 && p[1] > 205;
            s.dark += l < 70;
        }
    s.fog /= double(count);
    s.dark /= double(count);
    return s;
}

} // namespace

TEST(SprutteCaptureTest, FogWallRecedesInTheIntroAndThePathsShowTheCage) {
    TempDir dir;
    make_demo_tree(dir.path(""), kRoot);
    ASSERT_TRUE(fs::exists(kRoot / "data/models/sprutte/path09.pth")) << "made by bake_data";
    fs::create_directories(dir.path("out"));
    write_test_mp3(dir, "data/music/pulse55.mp3", 12 * kTestRate);
    write_bytes(dir.path("data/script/markers.txt"), "s01 0:0:0,000\nquit 0:0:9,000\n");
    // Track 1 kicks every 125 ms from 125 ms: the 53rd, at 6.625 s, ends the intro.
    std::vector<cMidiTrack> tracks(2);
    tracks[0].name(0, "tempo").tempo(0, 500000).end();
    tracks[1].name(0, "kick");
    for (int k = 0; k < 64; ++k)
        tracks[1].event(k == 0 ? 120 : 60, {0x90, 36, 100}).event(60, {0x80, 36, 0});
    tracks[1].end();
    const std::vector<uint8_t> midi = midi_file(1, 480, tracks);
    write_bytes(dir.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));

    const std::string script = dir.path("bin/run.sh");
    write_bytes(script, "#!/bin/sh\nexec " + (kRoot / "bin/capture").string() +
                            " --letterbox --fps 10 --to 8000 --at 300,4000,7800 --out ../out\n");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    cChildProcess capture(script, dir.path("bin"), "", {});
    ASSERT_EQ(capture.wait_exit(300), 0) << capture.err();

    const sShares start = shares(dir.path("out/frame_0000300.png"));
    const sShares later = shares(dir.path("out/frame_0004000.png"));
    const sShares main = shares(dir.path("out/frame_0007800.png"));
    EXPECT_GT(start.fog, 0.15) << "the fog wall fills the tube 2600 units ahead";
    EXPECT_LT(later.fog, start.fog * 0.7) << "four seconds later it stands 10000 units away";
    EXPECT_LT(start.dark, 0.002) << "looking away from the cage";
    EXPECT_GT(main.dark, 0.005) << "a path frames the cage's dark bars";
}
