#include "cBakeSprutteArt.h"

#include "BakeFile.h"
#include "cBakeImage.h"

#include <algorithm>
#include <cmath>

namespace {

float hash(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// Value noise on a lattice that wraps every `period` cells.
float lattice(float x, float y, int period, uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = ((static_cast<int>(fx) % period) + period) % period;
    const int y0 = ((static_cast<int>(fy) % period) + period) % period;
    const int x1 = (x0 + 1) % period, y1 = (y0 + 1) % period;
    const float u = fade(x - fx), v = fade(y - fy);
    const float a = hash(x0, y0, seed), b = hash(x1, y0, seed);
    const float c = hash(x0, y1, seed), d = hash(x1, y1, seed);
    return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
}

uint8_t byte(float v) {
    return static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

float smoothstep(float a, float b, float x) {
    const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Triangular dither of about one 8-bit step, so soft gradients do not band.
float grain(int x, int y, uint32_t seed) {
    return (hash(x, y, seed) + hash(x, y, seed + 1) - 1) / 255.0f;
}

} // namespace

float cBakeSprutteArt::tiled_noise(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0, weight = 0, amplitude = 1;
    for (int k = 0; k < octaves; ++k) {
        const float scale = static_cast<float>(1 << k);
        sum += amplitude * lattice(x * scale, y * scale, period << k, seed + uint32_t(k) * 31u);
        weight += amplitude;
        amplitude *= 0.5f;
    }
    return sum / weight;
}

// Bright, milky plasma crossed by thin ridged filaments that stream along v (the tube's
// length), the field warped by itself so the streaks curl.
std::vector<uint8_t> cBakeSprutteArt::plasma() {
    const int n = kPlasmaSize, period = 8;
    const float cell = static_cast<float>(n) / period;
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(n) * n * 3);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float px = static_cast<float>(x) / cell, py = static_cast<float>(y) / cell;
            const float wx = tiled_noise(px, py, period, 3, 101) - 0.5f;
            const float wy = tiled_noise(px + 3.1f, py + 5.7f, period, 3, 211) - 0.5f;
            const float qx = px + 1.6f * wx, qy = py + 3.2f * wy;
            const float ridge = 1 - std::fabs(2 * tiled_noise(qx, qy, period, 5, 307) - 1);
            const float filaments = std::pow(ridge, 7.0f);
            const float cloud = tiled_noise(qx * 0.5f + 9, qy * 0.5f, period / 2, 4, 409);
            const float base = 0.66f + 0.18f * smoothstep(0.25f, 0.8f, cloud);
            const float l =
                base + 0.26f * filaments - 0.16f * std::pow(1 - ridge, 3.0f) + grain(x, y, 503);
            // A cool milky white; the scene's grade warms it.
            rgb.push_back(byte(std::min(l * 0.97f, 0.94f)));
            rgb.push_back(byte(std::min(l * 0.98f, 0.94f)));
            rgb.push_back(byte(std::min(l * 1.02f, 0.95f)));
        }
    return rgb;
}

// The blurred copy's weight: none inside an ellipse over the middle of the picture, rising
// softly to about 0.8 in the corners, with a faint uneven rim so the edge never reads as a ring.
std::vector<uint8_t> cBakeSprutteArt::blur_mask() {
    const int n = kMaskSize;
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(n) * n * 3);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / n * 2 - 1;
            const float v = (static_cast<float>(y) + 0.5f) / n * 2 - 1;
            const float a = std::atan2(v, u);
            const float wobble = 0.04f * std::sin(3 * a + 0.7f) + 0.03f * std::sin(5 * a + 2.1f);
            const float d = std::sqrt(u * u + v * v) + wobble;
            const float m = 0.85f * std::pow(smoothstep(0.3f, 1.5f, d), 1.4f) + grain(x, y, 601);
            const uint8_t b = byte(m);
            rgb.insert(rgb.end(), {b, b, b});
        }
    return rgb;
}

// Each channel's curve is the ramp's colour at that level: shadows sink to violet, the middle
// glows orange, highlights turn to cream without clipping to white.
std::vector<uint8_t> cBakeSprutteArt::orange_grade() {
    std::vector<uint8_t> rgb;
    for (int i = 0; i < 256; ++i) {
        const float x = static_cast<float>(i) / 255;
        const float r = 0.07f + 0.91f * smoothstep(0.02f, 0.62f, x);
        const float g =
            0.03f + 0.36f * smoothstep(0.2f, 0.7f, x) + 0.5f * smoothstep(0.62f, 1.0f, x);
        const float b = 0.11f * (1 - smoothstep(0.0f, 0.45f, x)) + 0.04f +
                        0.62f * std::pow(smoothstep(0.7f, 1.0f, x), 1.6f);
        rgb.insert(rgb.end(), {byte(r), byte(g), byte(b)});
    }
    return rgb;
}

void cBakeSprutteArt::bake(const std::string& data_dir) {
    const std::string folder = "models/sprutte/";
    const cBakeFile plasma_file(data_dir, folder + "sprutte_plasma_diffuse.jpg");
    cBakeImage::save_jpeg(plasma_file.path(), kPlasmaSize, kPlasmaSize, plasma(), 94);
    plasma_file.report();
    const cBakeFile mask_file(data_dir, folder + "blur_mask.jpg");
    cBakeImage::save_jpeg(mask_file.path(), kMaskSize, kMaskSize, blur_mask(), 94);
    mask_file.report();
    const cBakeFile grade_file(data_dir, folder + "sprutte_color_correction_orange.png");
    cBakeImage::save_png(grade_file.path(), 256, 1, 3, orange_grade());
    grade_file.report();
}
