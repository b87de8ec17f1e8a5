// The attractor intro as the capture tool renders it on the real timeline: in both of its
// sections warm clouds glow over the violet background (neither black nor burnt white), and
// the preset switch on the 16th beat visibly changes the picture.
#include "support/ChildProcess.h"
#include "support/TestAudio.h"

#include <IL/il.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();

struct cPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

cPicture load_png(const std::string& file) {
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    cPicture p;
    if (ilLoadImage(file.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        p.width = ilGetInteger(IL_IMAGE_WIDTH), p.height = ilGetInteger(IL_IMAGE_HEIGHT);
        p.rgb.assign(ilGetData(), ilGetData() + size_t(p.width) * p.height * 3);
    }
    ilDeleteImages(1, &image);
    return p;
}

// What a viewer judges in the letterboxed picture (rows 64..703 of the window).
struct cLook {
    double black = 0, burnt = 0; // shares of near-black and near-white pixels
    double warm = 0, violet = 0; // shares of bright gold pixels and of violet ground
};

cLook judge(const cPicture& p) {
    cLook look;
    long n = 0;
    for (int y = 64; y < 704; y += 2)
        for (int x = 0; x < p.width; x += 2, ++n) {
            const uint8_t* c = p.at(x, y);
            const int sum = c[0] + c[1] + c[2];
            look.black += sum < 30;
            look.burnt += c[0] > 250 && c[1] > 250 && c[2] > 250;
            look.warm += c[0] > 200 && c[0] > c[1] && c[1] > c[2] + 30;
            look.violet += c[2] > c[1] + 10 && c[0] > c[1] && sum < 450;
        }
    look.black /= n, look.burnt /= n, look.warm /= n, look.violet /= n;
    return look;
}

double difference(const cPicture& a, const cPicture& b) {
    double sum = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i)
        sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum / double(a.rgb.size());
}

} // namespace

TEST(AttractorCaptureTest, WarmCloudsOverTheBackgroundInBothSectionsAndASwitchShows) {
    ASSERT_TRUE(fs::exists(kRoot / "data/models/mirrel_intro/ifs_back2.jpg"))
        << "made by the bake_data target";
    TempDir dir;
    const std::string script = dir.path("run.sh");
    // Two frames a second: 7 s and 7.5 s lie before the 16th beat (7.63 s), 8 s after its
    // switch; 52 s and 62 s in the second section.
    write_bytes(script, "#!/bin/sh\nexec ./capture --letterbox --fps 2 --at "
                        "7000,7500,8000,52000,62000 --out " +
                            dir.path("out") + "\n");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    cChildProcess capture(script, (kRoot / "bin").string(), "");
    ASSERT_EQ(capture.wait_exit(600), 0) << capture.err();

    std::map<int, cPicture> frames;
    for (int t : {7000, 7500, 8000, 52000, 62000}) {
        char name[32];
        std::snprintf(name, sizeof name, "out/frame_%07d.png", t);
        frames[t] = load_png(dir.path(name));
        ASSERT_EQ(frames[t].width, 1024) << name;
        const cLook look = judge(frames[t]);
        EXPECT_LT(look.black, 0.05) << t << " ms: the picture is not black";
        EXPECT_LT(look.burnt, 0.10) << t << " ms: nor burnt out";
        EXPECT_GT(look.violet, 0.3) << t << " ms: the violet ground shows";
        // The switch's flash washes the clouds toward violet white for a moment.
        if (t != 8000) {
            EXPECT_GT(look.warm, 0.01) << t << " ms: gold clouds glow over it";
        }
    }
    const double same_preset = difference(frames[7000], frames[7500]);
    const double across_switch = difference(frames[7500], frames[8000]);
    EXPECT_GT(across_switch, 3 * same_preset) << same_preset << " vs " << across_switch;
}
