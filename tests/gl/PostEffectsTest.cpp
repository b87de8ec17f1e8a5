// Each post effect on known pictures, read back from the window or its destination: what the
// effect must do to the picture, so that a program replaced by a plain copy fails here.
#include "ShaderFixture.h"

#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"

#include <cmath>

namespace {

// Every channel varies over the picture, and no two channels alike.
tRgba ramp(int x, int y) {
    return rgb(x % 256, y % 256, (x / 4 + y * 3) % 256);
}

// Largest difference over the colour channels of the view and the picture f.
int off_by(const tPicture& f) {
    const tPixels a = read_view(), b = picture(kViewWidth, kViewHeight, f);
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (i % 4 != 3)
            worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}

// The ramp with each channel through its own curve.
tPicture ramp_through(const std::function<int(int, int)>& curve) {
    return [curve](int x, int y) {
        const tRgba in = ramp(x, y);
        return rgb(curve(0, in[0]), curve(1, in[1]), curve(2, in[2]));
    };
}

using PostEffectsTest = cShaderFixture;

} // namespace

TEST_F(PostEffectsTest, LevelsMapsEachChannelThroughTheCurve) {
    auto source = full(ramp);
    const struct {
        float p[5];
        int (*curve)(int);
    } cases[] = {
        {{64, 192, 1, 0, 255}, [](int v) { return std::clamp((v - 64) * 255 / 128, 0, 255); }},
        {{0, 255, 1, 100, 200}, [](int v) { return 100 + v * 100 / 255; }},
        {{0, 255, 2, 0, 255}, [](int v) { return int(std::lround(255 * std::sqrt(v / 255.0))); }},
    };
    for (const auto& c : cases) {
        levels(*source, c.p[0], c.p[1], c.p[2], c.p[3], c.p[4]);
        EXPECT_LE(off_by(ramp_through([&](int, int v) { return c.curve(v); })), 2) << c.p[0];
    }
}

TEST_F(PostEffectsTest, HsbTurnsHueAndChangesSaturationAndBrightness) {
    auto source = full([](int, int) { return rgb(204, 77, 77); });
    const struct {
        cHsbParams params;
        tRgba want;
    } cases[] = {{{-180, 0, 0}, rgb(35, 162, 162)}, // turned about the grey axis
                 {{120, 0, 0}, rgb(77, 77, 204)},
                 {{0, -100, 0}, rgb(119, 119, 119)},
                 {{0, 0, 20}, rgb(255, 128, 128)}};
    for (const auto& c : cases) {
        hsb(c.params, *source);
        EXPECT_LE(off_by([&](int, int) { return c.want; }), 1)
            << c.params.hue << " " << c.params.saturation << " " << c.params.brightness;
    }
}

TEST_F(PostEffectsTest, BlurSpreadsOneBrightTexelEvenlyAndKeepsItsSum) {
    constexpr int cx = 500, cy = 300;
    auto dot = [](int x, int y) { return x == cx && y == cy ? rgb(255, 255, 255) : rgb(0, 0, 0); };
    auto source = full(dot), apart = full(dot);
    blur(*source, *apart);
    blur(*source, *source); // in place
    for (cRenderTarget_fbo* result : {apart.get(), source.get()}) {
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
    auto source = full([](int x, int y) {
        const int v = x >= 200 && x < 240 ? 250 : x >= 700 && x < 740 ? 150 : 0;
        return y >= 300 && y < 340 ? rgb(v, v, v) : rgb(0, 0, 0);
    });
    auto destination = full(ramp);
    const cCutLevels cut = cut_levels();
    spill_half(cut, *source);
    const tPixels in_view = read_view();
    spill_into(RTT_HALF, *source, cut, *destination);
    for (const tPixels& out : {in_view, read_target(*destination)}) {
        EXPECT_GT(at(out, 246, 320), 20) << "glow beside the bright square";
        EXPECT_GT(at(out, 220, 346), 20) << "and above it";
        EXPECT_EQ(at(out, 220, 320), 255) << "the bright square itself glows out to white";
        EXPECT_EQ(at(out, 746, 320), 0) << "no glow beside the dim square";
        EXPECT_EQ(at(out, 720, 346), 0);
        EXPECT_NEAR(at(out, 720, 320), 150, 1) << "the dim square as it was";
        EXPECT_EQ(at(out, 500, 100), 0);
    }
}

// A table that keeps red, inverts green and halves blue: a swapped or shared channel shows.
TEST_F(PostEffectsTest, ColourCorrectionLooksEachChannelUpInItsOwnColumn) {
    const auto entry = [](int c, int v) { return c == 0 ? v : c == 1 ? 255 - v : v / 2; };
    cColorCorrection correction(lookup_file(
        "grade.png", [&](int v, int) { return rgb(entry(0, v), entry(1, v), entry(2, v)); }));
    ASSERT_EQ(correction.lookup().target, GL_TEXTURE_1D);
    correction.apply(*full(ramp));
    EXPECT_LE(off_by(ramp_through(entry)), 2);
}

TEST_F(PostEffectsTest, RowResampleGivesEachRowItsAverage) {
    // Rows of different averages, none of them met by the texels around the row's middle.
    auto rows = [](int x, int y) {
        const int v = (x * 37 % 256) * (y % 200 + 40) / 255;
        return rgb(v, (x < 512 ? 255 : 0) * (y % 3) / 2, (x % 2) * 255);
    };
    auto destination = full(ramp);
    row_resample(*full(rows), *destination);
    const tPixels out = read_target(*destination);
    for (int y = 0; y < kViewHeight; y += 7)
        for (int c = 0; c < 3; ++c) {
            double mean = 0;
            for (int x = 0; x < kViewWidth; ++x)
                mean += rows(x, y)[c] / double(kViewWidth);
            for (int x : {0, 333, 1023})
                EXPECT_NEAR(at(out, x, y, c), mean, 3) << "row " << y << " channel " << c;
        }
}

TEST_F(PostEffectsTest, GlowLayersZoomTheImageAboutTheCentreEachFainter) {
    // A band 8 texels wide at 5/8 of the width: layer i lands at 1/2 + 1/8 * scale.
    auto source =
        full([](int x, int) { return x >= 636 && x < 644 ? rgb(255, 255, 255) : rgb(0, 0, 0); });
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glow_layers(*source, cGlowParams{4, 1.0f, 0.8f});
    const tPixels out = read_view();
    const float layers[][2] = {{1, 0.8f}, {1.25f, 0.4f}, {1.5f, 0.8f / 3}, {1.75f, 0.2f}};
    for (const auto& [scale, alpha] : layers) {
        const int x = int(kViewWidth * (0.5f + 0.125f * scale));
        EXPECT_NEAR(at(out, x, 320), 255 * alpha, 2) << "scale " << scale;
        EXPECT_EQ(at(out, x + 15, 320), 0) << "nothing between the layers";
    }
    EXPECT_EQ(at(out, 100, 100), 0) << "cleared to black first";
}
