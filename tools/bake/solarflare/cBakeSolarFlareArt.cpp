#include "cBakeSolarFlareArt.h"

#include "BakeFile.h"
#include "PaintMath.h"
#include "base/Pi.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cPaintNoise.h"

#include <algorithm>
#include <cmath>

namespace {

// Every picture's dither: half an 8-bit step either way, so slow gradients do not band.
constexpr float kDither = 1 / 255.0f;

// The point of the unit sphere at map coordinates (u, v), matching the sun mesh.
Vec3f on_sphere(float u, float v) {
    const float lat = kPi * (v - 0.5f), angle = 2 * kPi * u;
    return {std::cos(lat) * std::cos(angle), std::sin(lat), -std::cos(lat) * std::sin(angle)};
}

// Sunspots as (direction, radius in radians): a few groups in the warm belts.
struct sSpot {
    Vec3f at;
    float radius;
};

std::vector<sSpot> spots() {
    const float where[][3] = {{0.08f, 0.30f, 0.09f},   {0.125f, 0.28f, 0.05f},
                              {0.41f, 0.68f, 0.075f},  {0.445f, 0.705f, 0.04f},
                              {0.63f, 0.36f, 0.06f},   {0.86f, 0.64f, 0.085f},
                              {0.90f, 0.615f, 0.035f}, {0.27f, 0.58f, 0.045f}};
    std::vector<sSpot> list;
    for (const auto& w : where)
        list.push_back({on_sphere(w[0], w[1]), w[2]});
    return list;
}

// 0 outside every spot, up to 1 in an umbra; *penumbra is the ring around it.
float spot_cover(const Vec3f& p, const std::vector<sSpot>& list, uint32_t seed, float* penumbra) {
    float umbra = 0, ring = 0;
    for (const sSpot& s : list) {
        const float d = std::acos(std::clamp(p.dot(s.at), -1.0f, 1.0f)) / s.radius;
        const float ragged = d * (1 + 0.25f * cPaintNoise::fbm(p * 40.0f, 3, seed));
        umbra = std::max(umbra, 1 - smoothstep(0.35f, 0.5f, ragged));
        ring = std::max(ring, 1 - smoothstep(0.85f, 1.1f, ragged));
    }
    *penumbra = ring;
    return umbra;
}

sRgb surface_at(const Vec3f& p, uint32_t seed, const std::vector<sSpot>& list) {
    float f1 = 0, f2 = 0;
    cPaintNoise::cells(p * 70.0f + Vec3f(0.3f * cPaintNoise::fbm(p * 9.0f, 3, seed), 0, 0), seed,
                       &f1, &f2);
    const float lane = smoothstep(0.0f, 0.28f, f2 - f1);      // 0 on the dark lanes
    const float cell = 1 - smoothstep(0.0f, 0.75f, f1);       // bright cell centres
    const float mottle = cPaintNoise::fbm(p * 5.0f, 5, seed); // large slow patterns
    float penumbra = 0;
    const float umbra = spot_cover(p, list, seed, &penumbra);
    // Faculae: bright veins in the active belts around the spots.
    const float belt =
        smoothstep(0.15f, 0.55f, std::fabs(p.y)) * (1 - smoothstep(0.6f, 0.85f, std::fabs(p.y)));
    const float veins =
        smoothstep(0.0f, 0.7f, cPaintNoise::fbm(p * 9.0f + Vec3f(3, 1, 7), 5, seed));
    const float faculae = belt * veins * veins * 0.7f;
    // Kept well below white: the spill and the glow add the brightness on top, and the
    // granulation must survive them.
    const float light = 0.45f + 0.22f * lane + 0.16f * cell + 0.2f * mottle;
    sRgb c = mix({0.13f, 0.045f, 0.01f}, {0.46f, 0.29f, 0.11f}, clamp01(light));
    c = mix(c, {0.56f, 0.42f, 0.22f}, faculae);
    const float fibre = 0.5f + 0.5f * cPaintNoise::gradient(p * 160.0f, seed);
    c = mix(c, mix({0.08f, 0.03f, 0.008f}, {0.17f, 0.065f, 0.016f}, fibre), 0.85f * penumbra);
    return mix(c, {0.03f, 0.01f, 0.004f}, umbra);
}

} // namespace

std::vector<uint8_t> cBakeSolarFlareArt::surface() {
    const int w = kSurfaceWidth, h = kSurfaceHeight;
    const uint32_t seed = 1701;
    const std::vector<sSpot> list = spots();
    cCanvas canvas(w, h);
    for (int y = 0; y < h; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < w; ++x) {
            const Vec3f p = on_sphere((x + 0.5f) / w, (y + 0.5f) / h);
            canvas.at(x, h - 1 - y) = surface_at(p, seed, list);
        }
    return canvas.bytes(3, kDither, 1);
}

// Streaks stretched along u, warped so they curl; the alpha dies out at every edge so the
// sheet shows no border and the gas has no hard front while it slides along the band.
std::vector<uint8_t> cBakeSolarFlareArt::gas() {
    const int n = kGasSize;
    const uint32_t seed = 2203;
    cCanvas canvas(n, n);
    for (int y = 0; y < n; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < n; ++x) {
            const float u = (x + 0.5f) / n, v = (y + 0.5f) / n;
            const float warp = cPaintNoise::fbm(Vec3f(u * 3, v * 4, 0.5f), 4, seed);
            const Vec3f q(u * 2.5f, v * 9.0f + 1.2f * warp, 2.0f);
            const float wisps = 0.5f + 0.5f * cPaintNoise::fbm(q, 6, seed);
            const float strands = std::pow(clamp01(wisps * 1.35f - 0.2f), 1.6f);
            const float edge = smoothstep(0.0f, 0.22f, u) * smoothstep(0.0f, 0.22f, 1 - u) *
                               smoothstep(0.0f, 0.3f, v) * smoothstep(0.0f, 0.3f, 1 - v);
            const float alpha = clamp01(strands * edge * 1.25f);
            canvas.at(x, n - 1 - y) = mix({0.95f, 0.62f, 0.36f}, {1.0f, 0.93f, 0.80f}, strands);
            canvas.alpha(x, n - 1 - y) = alpha;
        }
    return canvas.bytes(4, kDither, 1);
}

// White at birth, through yellow and orange to red, then transparent; the band's outer edge
// (top rows) runs a little ahead, cooling first.
std::vector<uint8_t> cBakeSolarFlareArt::gradient() {
    const int w = kGradientWidth, h = kGradientHeight;
    const sRgb stops[] = {{1.0f, 0.97f, 0.90f},
                          {1.0f, 0.86f, 0.42f},
                          {1.0f, 0.55f, 0.16f},
                          {0.86f, 0.20f, 0.06f},
                          {0.45f, 0.06f, 0.04f}};
    cCanvas canvas(w, h);
    for (int y = 0; y < h; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < w; ++x) {
            const float across = (y + 0.5f) / h;
            const float age = clamp01((x + 0.5f) / w + 0.12f * across);
            const float s = age * 4.0f;
            const int i = std::min(3, static_cast<int>(s));
            canvas.at(x, h - 1 - y) = mix(stops[i], stops[i + 1], s - i);
            canvas.alpha(x, h - 1 - y) = 1 - smoothstep(0.62f, 1.0f, age);
        }
    return canvas.bytes(4, kDither, 2);
}

std::vector<uint8_t> cBakeSolarFlareArt::puff() {
    const int n = kPuffSize;
    const uint32_t seed = 3307;
    cCanvas canvas(n, n);
    for (int y = 0; y < n; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < n; ++x) {
            const float dx = (x + 0.5f) / n * 2 - 1, dy = (y + 0.5f) / n * 2 - 1;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float cloud =
                0.6f + 0.4f * cPaintNoise::fbm(Vec3f(dx * 3, dy * 3, 0.7f), 5, seed);
            const float alpha = clamp01((1 - smoothstep(0.0f, 1.0f, r)) * cloud);
            canvas.at(x, n - 1 - y) = mix({0.9f, 0.55f, 0.25f}, {1.0f, 0.9f, 0.7f}, alpha);
            canvas.alpha(x, n - 1 - y) = alpha * alpha;
        }
    return canvas.bytes(4, kDither, 3);
}

// Deep violet shadows, orange middles, warm yellow-white highlights below pure white.
std::vector<uint8_t> cBakeSolarFlareArt::orange_grade() {
    cCanvas ramp(256, 1);
    for (int i = 0; i < 256; ++i) {
        const float x = i / 255.0f;
        const float shadow = std::pow(1 - x, 6.0f);
        ramp.at(i, 0) = {0.035f * shadow + 0.98f * std::pow(x, 0.82f),
                         0.012f * shadow + 0.93f * std::pow(x, 1.22f),
                         0.075f * shadow + 0.80f * std::pow(x, 2.1f)};
    }
    return ramp.bytes(3, kDither, 7);
}

void cBakeSolarFlareArt::bake(const std::string& data_dir) {
    const cBakeFile surface_file(data_dir, "models/sunflare/sun_diffuse2.jpg");
    cBakeImage::save_jpeg(surface_file.path(), kSurfaceWidth, kSurfaceHeight, surface(), 94);
    surface_file.report();
    const cBakeFile gas_file(data_dir, "models/sunflare/sun_flare_gasses_fade2.png");
    cBakeImage::save_png(gas_file.path(), kGasSize, kGasSize, 4, gas());
    gas_file.report();
    const cBakeFile gradient_file(data_dir, "models/sunflare/sun_flare_gradient.png");
    cBakeImage::save_png(gradient_file.path(), kGradientWidth, kGradientHeight, 4, gradient());
    gradient_file.report();
    const cBakeFile puff_file(data_dir, "models/sunflare/sun_particle_ambientgasses.png");
    cBakeImage::save_png(puff_file.path(), kPuffSize, kPuffSize, 4, puff());
    puff_file.report();
    const cBakeFile grade_file(data_dir, "models/sunflare/sun_color_correction_orange2.png");
    cBakeImage::save_png(grade_file.path(), 256, 1, 3, orange_grade());
    grade_file.report();
}
