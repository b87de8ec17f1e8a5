#include "cBakeSprutteArt.h"

#include "BakeFile.h"
#include "PaintMath.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cPaintNoise.h"

#include <cmath>

namespace {

// The dither of the pictures: about one 8-bit step, so soft gradients do not band.
constexpr float kDither = 1.4f / 255.0f;

} // namespace

// Bright, milky plasma crossed by thin ridged filaments that stream along v (the tube's
// length), the field warped by itself so the streaks curl.
std::vector<uint8_t> cBakeSprutteArt::plasma() {
    const int n = kPlasmaSize, period = 8;
    const float cell = static_cast<float>(n) / period;
    cCanvas canvas(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float px = static_cast<float>(x) / cell, py = static_cast<float>(y) / cell;
            const float wx = cPaintNoise::tiled_fbm(px, py, period, 3, 101) - 0.5f;
            const float wy = cPaintNoise::tiled_fbm(px + 3.1f, py + 5.7f, period, 3, 211) - 0.5f;
            const float qx = px + 1.6f * wx, qy = py + 3.2f * wy;
            const float ridge =
                1 - std::fabs(2 * cPaintNoise::tiled_fbm(qx, qy, period, 5, 307) - 1);
            const float filaments = std::pow(ridge, 7.0f);
            const float cloud =
                cPaintNoise::tiled_fbm(qx * 0.5f + 9, qy * 0.5f, period / 2, 4, 409);
            const float base = 0.66f + 0.18f * smoothstep(0.25f, 0.8f, cloud);
            const float l = base + 0.26f * filaments - 0.16f * std::pow(1 - ridge, 3.0f);
            // A cool milky white; the scene's grade warms it. File rows run bottom first.
            canvas.at(x, n - 1 - y) = {std::min(l * 0.97f, 0.94f), std::min(l * 0.98f, 0.94f),
                                       std::min(l * 1.02f, 0.95f)};
        }
    return canvas.bytes(3, kDither, 503);
}

// The blurred copy's weight: none inside an ellipse over the middle of the picture, rising
// softly to about 0.8 in the corners, with a faint uneven rim so the edge never reads as a ring.
std::vector<uint8_t> cBakeSprutteArt::blur_mask() {
    const int n = kMaskSize;
    cCanvas canvas(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / n * 2 - 1;
            const float v = (static_cast<float>(y) + 0.5f) / n * 2 - 1;
            const float a = std::atan2(v, u);
            const float wobble = 0.04f * std::sin(3 * a + 0.7f) + 0.03f * std::sin(5 * a + 2.1f);
            const float d = std::sqrt(u * u + v * v) + wobble;
            const float m = 0.85f * std::pow(smoothstep(0.3f, 1.5f, d), 1.4f);
            canvas.at(x, n - 1 - y) = {m, m, m};
        }
    return canvas.bytes(3, kDither, 601);
}

// Each channel's curve is the ramp's colour at that level: shadows sink to violet, the middle
// glows orange, highlights turn to cream without clipping to white.
std::vector<uint8_t> cBakeSprutteArt::orange_grade() {
    cCanvas ramp(256, 1);
    for (int i = 0; i < 256; ++i) {
        const float x = static_cast<float>(i) / 255;
        const float r = 0.07f + 0.91f * smoothstep(0.02f, 0.62f, x);
        const float g =
            0.03f + 0.36f * smoothstep(0.2f, 0.7f, x) + 0.5f * smoothstep(0.62f, 1.0f, x);
        const float b = 0.11f * (1 - smoothstep(0.0f, 0.45f, x)) + 0.04f +
                        0.62f * std::pow(smoothstep(0.7f, 1.0f, x), 1.6f);
        ramp.at(i, 0) = {r, g, b};
    }
    return ramp.bytes();
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
