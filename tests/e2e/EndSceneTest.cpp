// The real demo switched to its last scene by the event script: the baked logo fills the
// picture, framed on the screen as the desktop's size and the start-up answer say, with
// black bars where the screen's shape differs from the picture's.
#include "support/ChildProcess.h"
#include "support/ScreenGrab.h"
#include "support/TestAudio.h"
#include "support/XvfbScreen.h"

#include <IL/il.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int kLogoWidth = 1024, kLogoHeight = 640;

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
        rgb.assign(ilGetData(), ilGetData() + kLogoWidth * kLogoHeight * 3);
    ilDeleteImages(1, &image);
    return rgb;
}

// One channel of the screen read between pixel centres (x, y in rows from the top).
float sample(const sScreenGrab& screen, float x, float y, int c) {
    const int x0 = std::clamp(int(std::floor(x)), 0, screen.width - 2);
    const int y0 = std::clamp(int(std::floor(y)), 0, screen.height - 2);
    const float fx = std::clamp(x - float(x0), 0.0f, 1.0f),
                fy = std::clamp(y - float(y0), 0.0f, 1.0f);
    const auto at = [&](int dx, int dy) { return float(screen.at(x0 + dx, y0 + dy)[c]); };
    return (at(0, 0) * (1 - fx) + at(1, 0) * fx) * (1 - fy) +
           (at(0, 1) * (1 - fx) + at(1, 1) * fx) * fy;
}

struct sFraming {
    int x, y, width, height; // the picture on the screen, GL's origin bottom left
};

struct sComparison {
    double mean = 0;   // mean difference to the logo, in 8-bit steps
    long over_one = 0; // channels more than one step off
    long bar_lit = 0;  // pixels outside the picture that are not black
};

// The screen read at the logo's texel centres, as the picture scaled to its place.
sComparison compare(const sScreenGrab& screen, const sFraming& f,
                    const std::vector<uint8_t>& logo) {
    sComparison r;
    const float sx = float(f.width) / kLogoWidth, sy = float(f.height) / kLogoHeight;
    for (int row = 0; row < kLogoHeight; ++row)
        for (int x = 0; x < kLogoWidth; ++x) {
            const float gx = float(f.x) + (float(x) + 0.5f) * sx - 0.5f;
            const float gy = float(screen.height) - 0.5f - (float(f.y) + (float(row) + 0.5f) * sy);
            for (int c = 0; c < 3; ++c) {
                const double d = std::abs(sample(screen, gx, gy, c) -
                                          float(logo[(size_t(row) * kLogoWidth + x) * 3 + c]));
                r.mean += d;
                r.over_one += d > 1.0;
            }
        }
    r.mean /= 3.0 * kLogoWidth * kLogoHeight;
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) {
            const int gl_y = screen.height - 1 - y;
            const bool inside =
                x >= f.x && x < f.x + f.width && gl_y >= f.y && gl_y < f.y + f.height;
            const uint8_t* seen = screen.at(x, y);
            r.bar_lit += !inside && (seen[0] || seen[1] || seen[2]);
        }
    return r;
}

// Runs the end scene on the given display (empty: the tests' own) and grabs the screen.
sScreenGrab end_scene_screen(const std::string& display, const std::string& answer) {
    TempDir dir;
    make_demo_tree(dir.path(""), kProjectRoot.string());
    write_test_mp3(dir, "data/music/pulse55.mp3", 20 * kTestRate);
    write_bytes(dir.path("data/script/markers.txt"), "s06 0:0:0,100\nquit 0:0:8,000\n");
    std::vector<std::string> env;
    if (!display.empty())
        env.push_back("DISPLAY=" + display);
    cChildProcess demo(DEMO_BINARY, dir.path("bin"), answer, env);
    if (!demo.wait_for_out("# fmod starting playback...\n", 90)) {
        ADD_FAILURE() << demo.err();
        return {};
    }
    std::this_thread::sleep_for(std::chrono::seconds(3));
    sScreenGrab screen = grab_screen(display.empty() ? nullptr : display.c_str());
    EXPECT_EQ(demo.wait_exit(30), 0) << demo.err(); // the script's quit event
    return screen;
}

} // namespace

// On the tests' 4:3 screen the logo lands texel for texel between bars above and below; on a
// 16:9 desktop the demo opens at the desktop's size and the picture is the same logo scaled,
// between bars left and right (No) or filling the screen (Yes).
TEST(EndSceneTest, TheLogoFillsThePictureFramedForTheScreen) {
    ASSERT_TRUE(fs::exists(kLogo)) << kLogo << " is made by the bake_data target";
    const std::vector<uint8_t> logo = decoded_logo();
    ASSERT_EQ(logo.size(), size_t(kLogoWidth) * kLogoHeight * 3);
    const struct {
        int width, height;
        const char* answer;
        sFraming picture;
        double mean; // the most a scaled drawing may differ on average
    } cases[] = {{1024, 768, "n\n", {0, 64, 1024, 640}, 0.0},
                 {1920, 1080, "n\n", {96, 0, 1728, 1080}, 1.5},
                 {1920, 1080, "y\n", {0, 0, 1920, 1080}, 1.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " " + c.answer);
        std::unique_ptr<cXvfbScreen> own;
        if (c.width != 1024) {
            own = std::make_unique<cXvfbScreen>(c.width, c.height);
            ASSERT_FALSE(own->name().empty()) << "Xvfb did not start";
        }
        const sScreenGrab screen = end_scene_screen(own ? own->name() : "", c.answer);
        ASSERT_EQ(screen.width, c.width) << "run under xvfb-run -s \"-screen 0 1024x768x24\"";
        ASSERT_EQ(screen.height, c.height);
        const sComparison seen = compare(screen, c.picture, logo);
        EXPECT_EQ(seen.bar_lit, 0) << "the bars stay black";
        if (c.mean == 0.0)
            EXPECT_EQ(seen.over_one, 0) << "the picture is the logo, texel for texel";
        else
            EXPECT_LE(seen.mean, c.mean) << "the picture is the logo, scaled";
        std::printf("# %dx%d %c: mean difference %.3f\n", c.width, c.height, c.answer[0],
                    seen.mean);
    }
}
