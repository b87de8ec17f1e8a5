// Each post effect on known pictures, read back from the window or its destination: what the
// effect must do to the picture, so that a program replaced by a plain copy fails here.
#include "ShaderFixture.h"

#include "render/ScreenHelpers.h"
#include "render/cBorderedPicture.h"
#include "render/cRenderTargetManager.h"
#include "render/post/LevelsCurve.h"
#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"
#include "shaders/cShdBase.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <utility>

namespace {

// Every channel varies over the picture, and no two channels alike.
tRgba ramp(int x, int y) {
    return rgb(x % 256, y % 256, (x / 4 + y * 3) % 256);
}

// Largest difference over the colour channels of two pictures.
int difference(const tPixels& a, const tPixels& b) {
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (i % 4 != 3)
            worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}

// Largest difference over the colour channels of the view and the picture f.
int off_by(const tPicture& f) {
    return difference(read_view(), picture(kViewWidth, kViewHeight, f));
}

// The ramp with each channel through its own curve.
tPicture ramp_through(const std::function<int(int, int)>& curve) {
    return [curve](int x, int y) {
        const tRgba in = ramp(x, y);
        return rgb(curve(0, in[0]), curve(1, in[1]), curve(2, in[2]));
    };
}

// The blur as it was drawn before its reads were paired: fifteen taps on texel centres.
class cShdCentreTapBlur : public cShdBase {
public:
    cShdCentreTapBlur(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment)
        : cShdBase(vertex_profile, manager, fragment) {
        const std::string file = ::testing::TempDir() + "centre_tap_blur.glsl";
        std::ofstream(file) << R"(#version 120
#extension GL_ARB_texture_rectangle : enable
uniform sampler2DRect image0;
uniform vec2 sampledir;
const float weight[8] = float[8](0.1345983, 0.1273246, 0.1077779, 0.0816380, 0.0553350,
                                 0.0335624, 0.0182159, 0.0088470);
void main() {
    vec2 at = gl_TexCoord[0].xy;
    vec4 sum = texture2DRect(image0, at) * weight[0];
    for (int i = 1; i < 8; ++i) {
        vec2 step = sampledir * float(i);
        sum += (texture2DRect(image0, at + step) + texture2DRect(image0, at - step)) * weight[i];
    }
    gl_FragColor = sum;
})";
        uniform(FRAGMENT, "sampledir", direction_, 2);
        load_from_files("cg_blurtex_vert.cg", file);
    }

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, direction_, 2); }
    float direction_[2] = {1, 0};
};

// A bright block with sharp edges and a one-texel line on black, above a band of gradients.
tRgba sharp_and_smooth(int x, int y) {
    if (x >= 300 && x < 420 && y >= 200 && y < 330)
        return rgb(255, 240, 190);
    if (x - y == 600 || x == 900)
        return rgb(255, 255, 255);
    return y < 120 ? rgb(x / 4, 255 - x / 4, y * 2) : rgb(0, 0, 0);
}

// A linear read at (u, v) texels of an RGBA picture `width` wide, edges clamped.
double linear_read(const tPixels& p, int width, int height, double u, double v, int c) {
    const auto texel = [&](int x, int y) {
        x = std::clamp(x, 0, width - 1), y = std::clamp(y, 0, height - 1);
        return p[(size_t(y) * width + x) * 4 + c] / 255.0;
    };
    const double fx = u - 0.5, fy = v - 0.5;
    const int x = int(std::floor(fx)), y = int(std::floor(fy));
    const double a = fx - x, b = fy - y;
    return (texel(x, y) * (1 - a) + texel(x + 1, y) * a) * (1 - b) +
           (texel(x, y + 1) * (1 - a) + texel(x + 1, y + 1) * a) * b;
}

// The same read of a picture clamped to a border of transparent black (GL_CLAMP): the point
// clamped into the picture, texels past its edges black and clear.
double border_read(const tPixels& p, int width, int height, double u, double v, int c) {
    const auto texel = [&](int x, int y) {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0.0
                   : p[(size_t(y) * width + x) * 4 + c] / 255.0;
    };
    const double fx = std::clamp(u, 0.0, double(width)) - 0.5;
    const double fy = std::clamp(v, 0.0, double(height)) - 0.5;
    const int x = int(std::floor(fx)), y = int(std::floor(fy));
    const double a = fx - x, b = fy - y;
    return (texel(x, y) * (1 - a) + texel(x + 1, y) * a) * (1 - b) +
           (texel(x, y + 1) * (1 - a) + texel(x + 1, y + 1) * a) * b;
}

// The zoom glow of a quarter-size picture as the effect defines it, in floating point: at
// each full-size pixel the sum of its layers, each a linear read (edges clamped) of the
// picture zoomed about the centre and weighed by its alpha and multiplier / (n + 1), clamped
// once. Returns the largest and the mean difference of `drawn` to it, over every channel.
std::pair<int, double> glow_error(const tPixels& quarter, const tPixels& drawn,
                                  const cGlowParams& params) {
    const int w = kViewWidth / 4, h = kViewHeight / 4;
    const auto linear = [&](double u, double v, int c) {
        return linear_read(quarter, w, h, u, v, c);
    };
    const double step = params.distance / params.layers;
    int worst = 0;
    double total = 0;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x) {
            const double u = (x + 0.5) / 4, v = (y + 0.5) / 4;
            double sum[3] = {0, 0, 0};
            for (int i = 0; i < params.layers; ++i) {
                const double s = 1 + i * step;
                const double lu = w / 2.0 + (u - w / 2.0) / s, lv = h / 2.0 + (v - h / 2.0) / s;
                const double weight = linear(lu, lv, 3) * params.multiplier / (i + 1);
                for (int c = 0; c < 3; ++c)
                    sum[c] += linear(lu, lv, c) * weight;
            }
            for (int c = 0; c < 3; ++c) {
                const int error = std::abs(int(std::round(std::min(sum[c], 1.0) * 255)) -
                                           int(drawn[(size_t(y) * kViewWidth + x) * 4 + c]));
                worst = std::max(worst, error), total += error;
            }
        }
    return {worst, total / (3.0 * kViewWidth * kViewHeight)};
}

// The common blur's taps, one texel apart from -7 to 7.
constexpr double kBlurTaps[15] = {0.0088470, 0.0182159, 0.0335624, 0.0553350, 0.0816380,
                                  0.1077779, 0.1273246, 0.1345983, 0.1273246, 0.1077779,
                                  0.0816380, 0.0553350, 0.0335624, 0.0182159, 0.0088470};

// The spill's glow at half the picture's size as the effect defines it, in floating point:
// the levels cut of the picture read at each half-size texel's centre (the mean of the 2 x 2
// under it), then three passes of the common blur along both axes, edges clamped.
std::vector<double> spill_glow(const tPicture& f, float pre_cut) {
    const int w = kViewWidth / 2, h = kViewHeight / 2;
    std::vector<double> glow(size_t(w) * h * 3), pass(glow.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k) {
                const double mean = (f(2 * x, 2 * y)[k] + f(2 * x + 1, 2 * y)[k] +
                                     f(2 * x, 2 * y + 1)[k] + f(2 * x + 1, 2 * y + 1)[k]) /
                                    4.0;
                glow[(size_t(y) * w + x) * 3 + k] =
                    std::clamp((mean - pre_cut) / (255 - pre_cut), 0.0, 1.0);
            }
    for (int blurs = 0; blurs < 6; ++blurs) {
        const bool rows = blurs % 2 == 1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int k = 0; k < 3; ++k) {
                    double sum = 0;
                    for (int t = -7; t <= 7; ++t) {
                        const int u = std::clamp(x + (rows ? t : 0), 0, w - 1);
                        const int v = std::clamp(y + (rows ? 0 : t), 0, h - 1);
                        sum += kBlurTaps[t + 7] * glow[(size_t(v) * w + u) * 3 + k];
                    }
                    pass[(size_t(y) * w + x) * 3 + k] = sum;
                }
        std::swap(glow, pass);
    }
    return glow;
}

// The finishing steps as the effects define them, in floating point, on one colour: the glow
// added and clamped, each channel read linearly between the table's entries, the hue turned
// about the grey axis with saturation scaled and brightness added, then levels.
std::array<double, 3> graded(std::array<double, 3> c, const std::array<double, 3>& glow,
                             const tPixels& table, const cHsbParams& hsb,
                             const cLevelsParams& levels) {
    for (int k = 0; k < 3; ++k) {
        const double x = std::min(c[k] + glow[k], 1.0) * 255;
        const int i = std::min(int(x), 254);
        c[k] = (table[i * 4 + k] * (i + 1 - x) + table[(i + 1) * 4 + k] * (x - i)) / 255;
    }
    const double h = hsb.hue / -180.0 * M_PI, s = hsb.saturation / 100.0 + 1;
    const double grey = (c[0] + c[1] + c[2]) / 3, r3 = 1 / std::sqrt(3.0);
    const double across[3] = {(c[2] - c[1]) * r3, (c[0] - c[2]) * r3, (c[1] - c[0]) * r3};
    std::array<double, 3> out;
    for (int k = 0; k < 3; ++k) {
        const double turned = (c[k] - grey) * std::cos(h) + across[k] * std::sin(h);
        const double v = std::clamp(grey + turned * s + hsb.brightness / 100.0, 0.0, 1.0);
        const double x =
            std::clamp((v * 255 - levels.inBlack) / (levels.inWhite - levels.inBlack), 0.0, 1.0);
        out[k] = (levels.outBlack +
                  std::pow(x, 1 / levels.Gamma) * (levels.outWhite - levels.outBlack)) /
                 255;
    }
    return out;
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
        // A gamma the sum of powers stands for, and one past it that the pow draws.
        {{0, 255, 1.3f, 0, 255},
         [](int v) { return int(std::lround(255 * std::pow(v / 255.0, 1 / 1.3))); }},
        {{0, 255, 3, 0, 255}, [](int v) { return int(std::lround(255 * std::cbrt(v / 255.0))); }},
    };
    for (const auto& c : cases) {
        levels(*source, {c.p[0], c.p[1], c.p[2], c.p[3], c.p[4]});
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

// The glow asked for at half the picture's size is made at a quarter, in one blur as wide as
// the three, and read stretched: against the three blurs at half size in floating point, on
// sharp edges, a one-texel line and gradients that run into the picture's edges.
TEST_F(PostEffectsTest, SpillGlowMatchesThreeBlursInFloatingPoint) {
    const cCutLevels cut{150, 128};
    auto source = full(sharp_and_smooth);
    cTmpRenderTarget made;
    spill_bright(*source, made, RTT_HALF, cut);
    auto bright = target(kViewWidth / 2, kViewHeight / 2, ramp);
    bright->begin();
    draw_through(*made.get(), nullptr);
    bright->end();
    render_target_manager().release(made);
    const tPixels drawn = read_target(*bright);
    const std::vector<double> want = spill_glow(sharp_and_smooth, cut.pre_cut);
    int worst = 0;
    double total = 0;
    for (size_t i = 0; i < want.size(); ++i) {
        const int error = std::abs(int(std::lround(want[i] * 255)) - drawn[i / 3 * 4 + i % 3]);
        worst = std::max(worst, error), total += error;
    }
    EXPECT_LE(worst, 3);
    EXPECT_LE(total / double(want.size()), 0.5);
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

// The one-pass grade against its steps in floating point, with first levels, a half-size glow,
// a picture to multiply in and a quarter-size overlay, each stretched over the picture: a step
// out of order, a picture read at the frame's texels or a table read at the wrong place shows
// here.
TEST_F(PostEffectsTest, GradeMatchesItsStepsInFloatingPoint) {
    const auto curve = [](int c, int v) { return c == 0 ? v : c == 1 ? 255 - v : v * v / 255; };
    const tPicture entry = [&](int v, int) { return rgb(curve(0, v), curve(1, v), curve(2, v)); };
    cColorCorrection correction(lookup_file("steps.png", entry));
    // Smooth: the GL's linear reads come back in 8 bits, which the levels' steep black end
    // would magnify on a picture with steps between neighbouring texels.
    const tPicture glow_picture = [](int x, int y) { return rgb(x / 5, y / 4, 40); };
    const tPicture times_picture = [](int x, int y) { return rgb(255 - x / 2, 200 + y / 4, 90); };
    const tPicture over_picture = [](int x, int y) {
        return tRgba{200, uint8_t(y), 50, uint8_t(x)};
    };
    constexpr int gw = kViewWidth / 2, gh = kViewHeight / 2, tw = 300, th = 200;
    constexpr int ow = kViewWidth / 4, oh = kViewHeight / 4;
    auto source = full(ramp);
    auto glow = target(gw, gh, glow_picture);
    auto times = target(tw, th, times_picture);
    auto over = target(ow, oh, over_picture);
    const cTextureDesc times_texture{GL_TEXTURE_RECTANGLE_ARB, GLint(times->texture()), tw, th};
    const cHsbParams hsb{40, -25, 4};
    const cLevelsParams levels{16, 235, 1.25f, 8, 247}, first{10, 240, 1, 5, 250};
    grade(*source, {glow.get(), &correction.lookup(), &hsb, &levels, over.get(), 0.75f,
                    &times_texture, &first});
    const tPixels drawn = read_view(), table = picture(256, 1, entry);
    const tPixels glows = picture(gw, gh, glow_picture), overs = picture(ow, oh, over_picture);
    const tPixels multiplied = picture(tw, th, times_picture);
    int worst = 0;
    double total = 0;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x) {
            const tRgba in = ramp(x, y);
            const auto read = [&](const tPixels& p, int w, int h, int k) {
                return linear_read(p, w, h, (x + 0.5) * w / kViewWidth, (y + 0.5) * h / kViewHeight,
                                   k);
            };
            std::array<double, 3> c, g;
            for (int k = 0; k < 3; ++k)
                c[k] = levels_value(first, in[k]) / 255.0, g[k] = read(glows, gw, gh, k) * 0.75;
            const auto graded_colour = graded(c, g, table, hsb, levels);
            const double alpha = read(overs, ow, oh, 3);
            for (int k = 0; k < 3; ++k) {
                const double laid = read(overs, ow, oh, k) * alpha +
                                    graded_colour[k] * read(multiplied, tw, th, k) * (1 - alpha);
                const int error = std::abs(int(std::lround(laid * 255)) - at(drawn, x, y, k));
                worst = std::max(worst, error), total += error;
            }
        }
    EXPECT_LE(worst, 3);
    EXPECT_LE(total / (3.0 * kViewWidth * kViewHeight), 0.5);
}

// Twenty-five faded copies of a picture with its own alpha, shifted both ways past the view's
// edges, laid over a background: against blending them one after another in floating point.
// A copy read past its own width, a shift of the wrong sign or scale, or copies composed in the
// wrong order shows here.
TEST_F(PostEffectsTest, EchoMatchesItsCopiesBlendedInFloatingPoint) {
    constexpr int w = 200, h = 160;
    const tPicture head = [](int x, int y) {
        return tRgba{uint8_t(x), uint8_t(255 - y), 120, uint8_t(std::min(255, x + y))};
    };
    auto picture = target(w, h, head);
    const cTextureDesc texture{GL_TEXTURE_RECTANGLE_ARB, GLint(picture->texture()), w, h};
    const tPixels heads = ::picture(w, h, head);
    // The picture read clamped to its edge, and its copy ringed by a clear border, read as the
    // picture clamped to that border would be.
    const cBorderedPicture bordered(texture);
    const struct {
        const cTextureDesc& texture;
        int border;
        double (*read)(const tPixels&, int, int, double, double, int);
    } pictures[] = {{texture, 0, linear_read}, {bordered.texture(), 1, border_read}};
    // Spread copies, and copies all in one place (drawn from one read in closed form).
    tEchoShifts spread, together;
    for (size_t i = 0; i < spread.size(); ++i)
        spread[i] = 0.3f * std::sin(float(i) * 1.7f), together[i] = 0.2f;
    for (const auto& drawn_from : pictures)
        for (const tEchoShifts& shifts : {spread, together}) {
            constexpr float fade = 0.06f;
            draw_target(*full(ramp));
            begin_ortho_white();
            echo(drawn_from.texture, shifts, fade, drawn_from.border);
            end_ortho();
            const tPixels drawn = read_view();
            int worst = 0;
            double total = 0;
            for (int y = 0; y < kViewHeight; ++y)
                for (int x = 0; x < kViewWidth; ++x) {
                    std::array<double, 3> c;
                    for (int k = 0; k < 3; ++k)
                        c[k] = ramp(x, y)[k] / 255.0;
                    for (float shift : shifts) {
                        const double s = ((x + 0.5) / kViewWidth - shift) * w;
                        if (s < 0 || s >= w)
                            continue;
                        const double t = (y + 0.5) / kViewHeight * h;
                        const double a = drawn_from.read(heads, w, h, s, t, 3) * fade;
                        for (int k = 0; k < 3; ++k)
                            c[k] = c[k] * (1 - a) + drawn_from.read(heads, w, h, s, t, k) * a;
                    }
                    for (int k = 0; k < 3; ++k) {
                        const int error =
                            std::abs(int(std::lround(c[k] * 255)) - at(drawn, x, y, k));
                        worst = std::max(worst, error), total += error;
                    }
                }
            EXPECT_LE(worst, 4) << drawn_from.border << " " << shifts[1];
            EXPECT_LE(total / (3.0 * kViewWidth * kViewHeight), 0.5)
                << drawn_from.border << " " << shifts[1];
        }
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

// The glow against its definition in floating point. The sum of the layers drawn at full
// size is the definition; the glow sums them at the blurred quarter's size and magnifies,
// which stays within 4 of 255 at the solar flare's own multiplier. At a multiplier that
// clamps much of the picture it departs by up to 16 at the sharp block's edge, where the
// quarter cannot hold the zoomed edges finely enough; the layers added one by one into an
// 8-bit picture departed by 20 and 25, and by 2.0 and 1.1 on the mean.
TEST_F(PostEffectsTest, GlowMatchesItsFloatReference) {
    auto source = full(sharp_and_smooth);
    auto quarter = target(kViewWidth / 4, kViewHeight / 4, ramp);
    blur(*source, *quarter);
    const tPixels blurred = read_target(*quarter);
    const cGlowParams flare{105, 2.0f, 0.07f}, strong{105, 1.5f, 0.6f};
    auto drawn = full(ramp);
    drawn->begin();
    glow_layers(*quarter, strong);
    drawn->end();
    EXPECT_LE(glow_error(blurred, read_target(*drawn), strong).first, 1) << "full size";
    auto black = full([](int, int) { return rgb(0, 0, 0); });
    for (const auto& [params, most] : {std::pair{flare, 4}, std::pair{strong, 18}}) {
        glow(*drawn, *source, params);
        const auto [worst, mean] = glow_error(blurred, read_target(*drawn), params);
        EXPECT_LE(worst, most) << "multiplier " << params.multiplier;
        EXPECT_LE(mean, 0.5) << "multiplier " << params.multiplier;
        // The quarter-size sum read by the grade's glow step with its gain, over black.
        cTmpRenderTarget summed;
        cGradeSteps steps{nullptr};
        steps.glow_gain = static_cast<float>(glow_quarter(summed, *source, params));
        steps.glow = summed.get();
        grade(*black, steps);
        render_target_manager().release(summed);
        const auto [graded_worst, graded_mean] = glow_error(blurred, read_view(), params);
        EXPECT_LE(graded_worst, most) << "graded, multiplier " << params.multiplier;
        EXPECT_LE(graded_mean, 0.5) << "graded, multiplier " << params.multiplier;
    }
}

// The paired blur reads and the spills built on them against the reads on texel centres, on one
// picture: no channel of any pixel may differ by more than 2 of 255.
TEST_F(PostEffectsTest, PairedBlurReadsDrawTheSamePictures) {
    auto source = full(sharp_and_smooth);
    const auto draw_all = [&] {
        std::vector<tPixels> drawn;
        auto into = full(ramp);
        auto quarter = target(kViewWidth / 4, kViewHeight / 4, ramp);
        blur(*source, *into);
        blur(*source, *quarter); // as the glow does: four source texels a target texel
        drawn.push_back(read_target(*into));
        drawn.push_back(read_target(*quarter));
        spill_half(cCutLevels{200, 128}, *source);
        drawn.push_back(read_view());
        spill_into(RTT_QUATER, *source, cCutLevels{64, 255}, *into);
        drawn.push_back(read_target(*into));
        return drawn;
    };
    const std::vector<tPixels> now = draw_all();
    cSingleton<cShaderManager_CG>::destroy();
    shader_manager().init();
    shader_manager().register_shader<cShdCentreTapBlur>("blur_shader");
    const std::vector<tPixels> before = draw_all();
    const char* names[] = {"blur", "blur to a quarter", "spill_half", "spill_into"};
    for (size_t i = 0; i < now.size(); ++i)
        EXPECT_LE(difference(now[i], before[i]), 2) << names[i];
}
