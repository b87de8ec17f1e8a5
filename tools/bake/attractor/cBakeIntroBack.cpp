#include "cBakeIntroBack.h"

#include "BakeFile.h"
#include "Noise.h"
#include "cBakeImage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kW = cBakeIntroBack::kWidth, kH = cBakeIntroBack::kHeight;
// The fractal is accumulated at twice the size and averaged down, for clean thin arms.
constexpr int kSuper = 2;
constexpr int kPoints = 6000000;

struct cRgb {
    float r = 0, g = 0, b = 0;
};

// One affine map of the spiral, its share of the chaos game and the colour it pulls toward.
struct cMap {
    float a, b, c, d, e, f, p;
    cRgb colour;
};

const std::array<cMap, 3> kSpiral = {{
    {0.787879f,
     -0.424242f,
     0.242424f,
     0.859848f,
     1.758647f,
     1.408065f,
     0.90f,
     {1.0f, 0.62f, 0.22f}},
    {-0.121212f,
     0.257576f,
     0.151515f,
     0.053030f,
     -6.721654f,
     1.377236f,
     0.05f,
     {0.95f, 0.25f, 0.12f}},
    {0.181818f,
     -0.136364f,
     0.090909f,
     0.181818f,
     6.086107f,
     1.568035f,
     0.05f,
     {0.85f, 0.2f, 0.45f}},
}};

// Smooth value noise on the integer lattice, from a hash: 0..1.
float hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xffffu) / 65535.0f;
}

float value_noise(float x, float y, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const float fx = x - ix, fy = y - iy;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float top = hash(ix, iy, seed) + sx * (hash(ix + 1, iy, seed) - hash(ix, iy, seed));
    const float bottom =
        hash(ix, iy + 1, seed) + sx * (hash(ix + 1, iy + 1, seed) - hash(ix, iy + 1, seed));
    return top + sy * (bottom - top);
}

float fbm(float x, float y, uint32_t seed) {
    float sum = 0, amplitude = 0.5f;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * value_noise(x, y, seed + static_cast<uint32_t>(octave));
        x *= 2.03f, y *= 2.03f, amplitude *= 0.5f;
    }
    return sum;
}

// Deep violet toward the top left, cold blue toward the bottom right, a warped nebula of
// slightly lighter violet over both, and a vignette that sinks the corners to near black.
cRgb ground(float u, float v) {
    const float wx = fbm(u * 3.1f, v * 2.0f, 11), wy = fbm(u * 3.1f + 5.2f, v * 2.0f + 1.3f, 23);
    const float cloud = fbm(u * 2.6f + 1.6f * wx, v * 1.7f + 1.6f * wy, 37);
    const float lift = std::pow(std::clamp(cloud * 1.35f - 0.25f, 0.0f, 1.0f), 1.8f);
    const float dx = (u - 0.5f) * 1.25f, dy = v - 0.5f;
    const float vignette = std::clamp(1.1f - 1.5f * (dx * dx + dy * dy), 0.0f, 1.0f);
    const float mix = std::clamp(0.5f + 0.6f * (u - v), 0.0f, 1.0f);
    const cRgb violet{0.075f, 0.035f, 0.11f}, blue{0.025f, 0.045f, 0.10f};
    const float base = vignette * (0.45f + 0.9f * lift);
    // A soft rose halo where the emblem turns (right of centre), so its dark solids stand
    // out against something lighter than themselves.
    const float hx = (u - 0.8125f) * 1.6f, hy = v - 0.5f;
    const float halo = 0.07f * std::exp(-(hx * hx + hy * hy) / 0.045f) * (0.8f + 0.4f * cloud);
    return {base * (violet.r + mix * (blue.r - violet.r)) + halo * 1.0f,
            base * (violet.g + mix * (blue.g - violet.g)) + halo * 0.45f,
            base * (violet.b + mix * (blue.b - violet.b)) + halo * 0.75f};
}

struct cHistogram {
    std::vector<float> count, r, g, b;
    cHistogram() : count(size_t(kW * kSuper) * kH * kSuper), r(count), g(count), b(count) {}
};

// The chaos game: points hop between the spiral's maps; each carries a colour that drifts
// halfway toward the colour of every map it passes through.
cHistogram chaos_game() {
    cHistogram h;
    cNoise rng(1993);
    const int w = kW * kSuper, ht = kH * kSuper;
    // The spiral spans about x -6.7..6.7, y 0..10: fitted into the left two thirds of the
    // picture, tilted so its arms sweep across the frame.
    const float scale = 0.058f * ht, turn = 0.45f, cx = 0.40f * w, cy = 0.47f * ht;
    const float ct = std::cos(turn), st = std::sin(turn);
    float x = 0, y = 0;
    cRgb c{1, 0.6f, 0.2f};
    for (int i = 0; i < kPoints; ++i) {
        const float pick = 0.5f * (rng.next() + 1);
        const cMap& m = pick < kSpiral[0].p                  ? kSpiral[0]
                        : pick < kSpiral[0].p + kSpiral[1].p ? kSpiral[1]
                                                             : kSpiral[2];
        const float nx = m.a * x + m.b * y + m.e, ny = m.c * x + m.d * y + m.f;
        x = nx, y = ny;
        c = {0.5f * (c.r + m.colour.r), 0.5f * (c.g + m.colour.g), 0.5f * (c.b + m.colour.b)};
        if (i < 100)
            continue; // the orbit settles onto the attractor first
        const float px = x - 0.0f, py = y - 5.0f;
        const int sx = static_cast<int>(cx + scale * (ct * px - st * py));
        const int sy = static_cast<int>(cy + scale * (st * px + ct * py));
        if (sx < 0 || sy < 0 || sx >= w || sy >= ht)
            continue;
        const size_t at = size_t(sy) * w + sx;
        h.count[at] += 1, h.r[at] += c.r, h.g[at] += c.g, h.b[at] += c.b;
    }
    return h;
}

// Log density, so the sparse outer arms still show beside the dense core.
cRgb fractal(const cHistogram& h, int x, int y, float log_peak) {
    cRgb sum;
    float weight = 0;
    for (int j = 0; j < kSuper; ++j)
        for (int i = 0; i < kSuper; ++i) {
            const size_t at = size_t(y * kSuper + j) * (kW * kSuper) + (x * kSuper + i);
            const float n = h.count[at];
            if (n <= 0)
                continue;
            const float level = std::log1p(n) / log_peak;
            sum.r += level * h.r[at] / n, sum.g += level * h.g[at] / n,
                sum.b += level * h.b[at] / n;
            weight += 1;
        }
    const float k = 1.0f / (kSuper * kSuper);
    return {sum.r * k, sum.g * k, sum.b * k};
}

uint8_t to_byte(float linear, float dither) {
    const float v = 255.0f * std::pow(std::clamp(linear, 0.0f, 1.0f), 1 / 2.2f) + dither;
    return static_cast<uint8_t>(std::clamp(v, 0.0f, 255.0f));
}

} // namespace

std::vector<uint8_t> cBakeIntroBack::render() {
    const cHistogram h = chaos_game();
    const float peak = *std::max_element(h.count.begin(), h.count.end());
    const float log_peak = std::log1p(std::max(peak, 1.0f));
    std::vector<uint8_t> rgb(size_t(kW) * kH * 3);
    cNoise grain(77);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const cRgb g = ground((x + 0.5f) / kW, (y + 0.5f) / kH);
            const cRgb f = fractal(h, x, y, log_peak);
            // Faint: the arms peak near a third of full brightness, for the dodge to lift.
            const float amount = 0.16f;
            const float curve[3] = {g.r + amount * f.r, g.g + amount * f.g, g.b + amount * f.b};
            uint8_t* out = &rgb[(size_t(y) * kW + x) * 3];
            for (int ch = 0; ch < 3; ++ch)
                out[ch] = to_byte(curve[ch], 0.5f + 0.9f * (grain.next() + grain.next()) * 0.5f);
        }
    return rgb;
}

void cBakeIntroBack::bake(const std::string& data_dir) {
    const cBakeFile out(data_dir, kFile);
    cBakeImage::save_jpeg(out.path(), kWidth, kHeight, render(), 92);
    out.report();
}
