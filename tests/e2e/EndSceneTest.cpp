// The real demo switched to its last scene by the event script: the baked logo fills the
// letterboxed picture exactly, with black bars above and below, as the screen shows it.
#include "support/ChildProcess.h"
#include "support/ScreenGrab.h"
#include "support/TestAudio.h"

#include <IL/il.h>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int kWindowHeight = 768, kViewWidth = 1024, kViewHeight = 640;
constexpr int kBar = (kWindowHeight - kViewHeight) / 2;

const fs::path kProjectRoot = fs::path(DEMO_BINARY).parent_path().parent_path();
const fs::path kLogo = kProjectRoot / "data/textures/mrllogo_full2.jpg";

// The logo as the demo decodes it: RGB rows, bottom first.
std::vector<uint8_t> decoded_logo() {
    ilInit();
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    std::vector<uint8_t> rgb;
    if (ilLoadImage(kLogo.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE))
        rgb.assign(ilGetData(), ilGetData() + kViewWidth * kViewHeight * 3);
    ilDeleteImages(1, &image);
    return rgb;
}

} // namespace

TEST(EndSceneTest, ScriptSwitchToSceneSixShowsTheLogoOverTheWholePicture) {
    ASSERT_TRUE(fs::exists(kLogo)) << kLogo << " is made by the bake_data target";
    TempDir dir;
    make_demo_tree(dir.path(""), kProjectRoot.string());
    write_test_mp3(dir, "data/music/pulse55.mp3", 20 * kTestRate);
    write_bytes(dir.path("data/script/markers.txt"), "s06 0:0:0,100\nquit 0:0:8,000\n");

    cChildProcess demo(DEMO_BINARY, dir.path("bin"), "n\n");
    ASSERT_TRUE(demo.wait_for_out("# fmod starting playback...\n", 60)) << demo.err();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const sScreenGrab screen = grab_screen();
    ASSERT_EQ(screen.height, kWindowHeight) << "run under xvfb-run -s \"-screen 0 1024x768x24\"";
    EXPECT_EQ(demo.wait_exit(30), 0) << demo.err(); // the script's quit event

    const std::vector<uint8_t> logo = decoded_logo();
    ASSERT_EQ(logo.size(), size_t(kViewWidth) * kViewHeight * 3);
    long differing = 0, bar_lit = 0;
    for (int y = 0; y < kWindowHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x) {
            const uint8_t* seen = screen.at(x, y);
            const int row = kViewHeight - 1 - (y - kBar);
            if (row < 0 || row >= kViewHeight) {
                bar_lit += seen[0] || seen[1] || seen[2];
                continue;
            }
            const uint8_t* want = &logo[(size_t(row) * kViewWidth + x) * 3];
            for (int c = 0; c < 3; ++c)
                differing += std::abs(int(seen[c]) - int(want[c])) > 1;
        }
    EXPECT_EQ(differing, 0) << "the picture is the logo, texel for texel";
    EXPECT_EQ(bar_lit, 0) << "the letterbox bars stay black";
}
