// The two credits sections through the capture tool on a short timeline of their own: the
// room fades in from white, a clap on track 4 dims its lights for a moment and the second
// splash on track 10 flashes it grey; then the intact room, where the black sun grows out of
// nothing over the ring while the dark smoke rises in the first seconds.
#include "support/CaptureRun.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTicksPerSecond = 960; // 480 a beat at 120 beats a minute

// A track of short notes at the given times in milliseconds.
cMidiTrack notes_at(const char* name, std::initializer_list<int> ms) {
    cMidiTrack track;
    track.name(0, name);
    int at = 0;
    for (int t : ms) {
        const int tick = t * kTicksPerSecond / 1000;
        track.event(uint32_t(tick - at), {0x90, 40, 100}).event(10, {0x80, 40, 0});
        at = tick + 10;
    }
    track.end();
    return track;
}

double mean_light(const sCapturedFrame& f) {
    double sum = 0;
    for (size_t i = 0; i < f.rgb.size(); i += 3)
        sum += (f.rgb[i] + f.rgb[i + 1] + f.rgb[i + 2]) / 3.0;
    return sum / double(f.rgb.size() / 3);
}

// The share of strongly coloured pixels.
double colourful(const sCapturedFrame& f) {
    return f.share([](const uint8_t* p) {
        return std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) > 40;
    });
}

// Red-orange glow: the sun's points after the section's grade.
bool hot(const uint8_t* p) {
    return p[0] > 200 && p[0] - p[2] > 120;
}

// The mean of the brightest channel over the 24 x 24 pixels around the glow's centre.
double core_light(const sCapturedFrame& f) {
    double x = 0, y = 0, n = 0;
    for (int j = 0; j < f.height; ++j)
        for (int i = 0; i < f.width; ++i)
            if (hot(f.at(i, j)))
                x += i, y += j, n += 1;
    if (n == 0)
        return 255;
    double sum = 0;
    for (int j = int(y / n) - 12; j < int(y / n) + 12; ++j)
        for (int i = int(x / n) - 12; i < int(x / n) + 12; ++i)
            sum += std::max({f.at(i, j)[0], f.at(i, j)[1], f.at(i, j)[2]});
    return sum / 576;
}

} // namespace

TEST(CreditsCaptureTest, RoomStuttersAndFlashesThenTheBlackSunGrows) {
    std::vector<cMidiTrack> tracks(11);
    tracks[0].name(0, "tempo").tempo(0, 500000).end();
    for (int i = 1; i < 11; ++i)
        tracks[size_t(i)].name(0, "rest").end();
    tracks[4] = notes_at("claps", {1950});
    tracks[10] = notes_at("splash", {2950, 3950});
    TempDir dir;
    std::string errors;
    ASSERT_EQ(run_capture(dir, "s05 0:0:0,100\ns02 0:0:6,000\nquit 0:0:21,500\n", tracks, 22,
                          "--letterbox --fps 2 --at 500,2000,2500,4000,5500,8000,21000", &errors),
              0)
        << errors;
    std::map<int, sCapturedFrame> f;
    for (int t : {500, 2000, 2500, 4000, 5500, 8000, 21000}) {
        f[t] = captured_frame(dir, t);
        ASSERT_EQ(f[t].rgb.size(), size_t(1024 * 640 * 3)) << t;
    }
    EXPECT_GT(mean_light(f[500]), 180) << "the room fades in from white";
    EXPECT_LT(mean_light(f[2000]), 0.75 * mean_light(f[2500])) << "the clap dims the lamps";
    EXPECT_LT(colourful(f[4000]), 0.05) << "the second splash flashes the picture grey";
    EXPECT_GT(colourful(f[5500]), 0.5) << "and the colour comes back";
    EXPECT_LT(f[8000].share(hot), 0.01) << "no sun in the first five seconds";
    EXPECT_GT(f[21000].share(hot), 0.004) << "the sun's fiery rim 15 s in";
    EXPECT_LT(core_light(f[21000]), 128) << "around a black body";
}
