// Each post effect on known pictures, read back from the window or its destination: what the
// effect must do to the picture, so that a program replaced by a plain copy fails here.
#include "PostFixture.h"

#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

using tRgba = std::array<uint8_t, 4>;

tRgba rgb(int r, int g, int b) {
    return {uint8_t(r), uint8_t(g), uint8_t(b), 255};
}

// Every channel varies over the picture, and no two channels alike.
tRgba ramp(int x, int y) {
    return rgb(x % 256, y % 256, (x / 4 + y * 3) % 256);
}

// Largest difference over the colour channels of two equally sized pictures.
int max_difference(const tPixels& a, const tPixels& b) {
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (i % 4 != 3)
            worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}

tPixels picture(const std::function<tRgba(int, int)>& f) {
    tPixels p;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x) {
            const tRgba c = f(x, y);
            p.insert(p.end(), c.begin(), c.end());
        }
    return p;
}

class PostEffectsTest : public cPostFixture {};

} // namespace

TEST_F(PostEffectsTest, LevelsMapsEachChannelThroughTheCurve) {
    auto source = full(ramp);
    const struct {
        float points[5];
        int (*curve)(int);
    } cases[] = {
        {{0, 255, 1, 0, 255}, [](int v) { return v; }},
        {{64, 192, 1, 0, 255}, [](int v) { return std::clamp((v - 64) * 255 / 128, 0, 255); }},
        {{0, 255, 1, 100, 200}, [](int v) { return 100 + v * 100 / 255; }},
        {{0, 255, 2, 0, 255}, [](int v) { return int(std::lround(255 * std::sqrt(v / 255.0))); }},
    };
    for (const auto& c : cases) {
        const float* p = c.points;
        levels(*source, p[0], p[1], p[2], p[3], p[4]);
        const tPixels want = picture([&](int x, int y) {
            const tRgba in = ramp(x, y);
            return rgb(c.curve(in[0]), c.curve(in[1]), c.curve(in[2]));
        });
        EXPECT_LE(max_difference(read_view(), want), 2) << p[0] << " " << p[1] << " " << p[2];
    }
}

TEST_F(PostEffectsTest, HsbKeepsThePictureAtZeroAndTurnsHueToTheComplementAt180) {
    auto red = [](int x, int) { return x < 512 ? rgb(204, 77, 77) : rgb(77, 204, 204); };
    auto cyan = [](int x, int) { return x < 512 ? rgb(77, 204, 204) : rgb(204, 77, 77); };
    auto source = full(red);
    const struct {
        cHsbParams params;
        tRgba (*want)(int, int);
    } cases[] = {{{0, 0, 0}, red}, {{180, 0, 0}, cyan}};
    for (const auto& c : cases) {
        hsb(c.params, *source);
        EXPECT_LE(max_difference(read_view(), picture(c.want)), 2) << c.params.hue;
    }
}

TEST_F(PostEffectsTest, BlurSpreadsOneBrightTexelEvenlyAndKeepsItsSum) {
    constexpr int cx = 500, cy = 300;
    auto dot = [](int x, int y) { return x == cx && y == cy ? rgb(255, 255, 255) : rgb(0, 0, 0); };
    auto source = full(dot);
    auto apart = full(dot);
    blur(*source, *apart);
    blur(*source, *source); // in place
    for (iRenderTarget* result :
         {static_cast<iRenderTarget*>(apart.get()), static_cast<iRenderTarget*>(source.get())}) {
        const tPixels out = read_target(*result);
        long sum = 0;
        for (size_t i = 0; i < out.size(); i += 4)
            sum += out[i];
        EXPECT_NEAR(sum, 255, 40);
        EXPECT_LT(at(out, cx, cy), 32) << "spread over many texels";
        EXPECT_GT(at(out, cx + 3, cy + 3), 0) << "in both directions";
        for (int d = 1; d < 10; ++d) {
            EXPECT_EQ(at(out, cx + d, cy), at(out, cx - d, cy)) << d;
            EXPECT_EQ(at(out, cx, cy + d), at(out, cx, cy - d)) << d;
            EXPECT_EQ(at(out, cx + d, cy), at(out, cx, cy + d)) << d;
        }
    }
}

TEST_F(PostEffectsTest, SpillAddsGlowAroundWhatLiesAboveTheCutOnly) {
    // A bright square above the pre cut and a dim one below it, far apart.
    auto squares = [](int x, int y) {
        const bool inside_y = y >= 300 && y < 340;
        if (inside_y && x >= 200 && x < 240)
            return rgb(250, 250, 250);
        if (inside_y && x >= 700 && x < 740)
            return rgb(150, 150, 150);
        return rgb(0, 0, 0);
    };
    auto source = full(squares);
    auto destination = full(ramp);
    const cCutLevels cut = cut_levels();
    const std::function<tPixels()> runs[] = {
        [&] {
            spill_half(cut, *source);
            return read_view();
        },
        [&] {
            spill_into(RTT_HALF, *source, cut, *destination);
            return read_target(*destination);
        },
    };
    for (const auto& run : runs) {
        const tPixels out = run();
        EXPECT_GT(at(out, 246, 320), 20) << "glow beside the bright square";
        EXPECT_GT(at(out, 220, 346), 20) << "and above it";
        EXPECT_EQ(at(out, 220, 320), 255) << "the bright square itself glows out to white";
        EXPECT_EQ(at(out, 746, 320), 0) << "no glow beside the dim square";
        EXPECT_EQ(at(out, 720, 346), 0);
        EXPECT_NEAR(at(out, 720, 320), 150, 1) << "the dim square as it was";
        EXPECT_EQ(at(out, 500, 100), 0);
    }
}

TEST_F(PostEffectsTest, ColourCorrectionLooksEveryChannelUpInTheTable) {
    auto source = full(ramp);
    const struct {
        const char* file;
        int (*entry)(int);
    } cases[] = {
        {"identity.png", [](int v) { return v; }},
        {"inverse.png", [](int v) { return 255 - v; }},
    };
    for (const auto& c : cases) {
        cColorCorrection correction(lookup_file(c.file, c.entry));
        ASSERT_EQ(correction.lookup().target, GL_TEXTURE_1D);
        correction.apply(*source);
        const tPixels want = picture([&](int x, int y) {
            const tRgba in = ramp(x, y);
            return rgb(c.entry(in[0]), c.entry(in[1]), c.entry(in[2]));
        });
        EXPECT_LE(max_difference(read_view(), want), 2) << c.file;
    }
}

TEST_F(PostEffectsTest, RowResampleGivesEachRowItsAverage) {
    // Rows of different averages, none of them met by the texels around the row's middle.
    auto rows = [](int x, int y) {
        const int v = (x * 37 % 256) * (y % 200 + 40) / 255;
        return rgb(v, (x < 512 ? 255 : 0) * (y % 3) / 2, (x % 2) * 255);
    };
    auto source = full(rows);
    auto destination = full(ramp);
    row_resample(*source, *destination);
    const tPixels out = read_target(*destination);
    for (int y = 0; y < kViewHeight; y += 7) {
        double mean[3] = {0, 0, 0};
        for (int x = 0; x < kViewWidth; ++x)
            for (int c = 0; c < 3; ++c)
                mean[c] += rows(x, y)[c] / double(kViewWidth);
        for (int x : {0, 333, 1023})
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(at(out, x, y, c), mean[c], 3) << "row " << y << " channel " << c;
    }
}

TEST_F(PostEffectsTest, RowResampleRefusesATargetItCannotNarrowToAColumn) {
    auto source = full(ramp);
    auto eighth = target(kViewWidth / 8, kViewHeight / 8, ramp);
    cCapture capture;
    row_resample(*source, *eighth);
    EXPECT_EQ(capture.err(),
              "## ERROR in row_resample: destination of type RTT_EIGHTH not supported\n");
}

TEST_F(PostEffectsTest, GlowLayersZoomTheImageAboutTheCentreEachFainter) {
    // A band 8 texels wide at 5/8 of the width: layer i lands at 1/2 + 1/8 * scale.
    auto band = [](int x, int) { return x >= 636 && x < 644 ? rgb(255, 255, 255) : rgb(0, 0, 0); };
    auto source = full(band);
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glow_layers(*source, cGlowParams{4, 1.0f, 0.8f});
    const tPixels out = read_view();
    const struct {
        float scale, alpha;
    } layers[] = {{1, 0.8f}, {1.25f, 0.4f}, {1.5f, 0.8f / 3}, {1.75f, 0.2f}};
    for (const auto& layer : layers) {
        const int x = int(kViewWidth * (0.5f + 0.125f * layer.scale));
        EXPECT_NEAR(at(out, x, 320), 255 * layer.alpha, 2) << "scale " << layer.scale;
        EXPECT_EQ(at(out, x + 15, 320), 0) << "nothing between the layers";
    }
    EXPECT_EQ(at(out, 100, 100), 0) << "cleared to black first";
    glow_layers(*source, cGlowParams{0, 1.0f, 0.8f});
    EXPECT_LE(max_difference(read_view(), picture([](int, int) { return rgb(0, 0, 0); })), 0);
}
