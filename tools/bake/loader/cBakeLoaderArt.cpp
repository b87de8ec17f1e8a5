#include "cBakeLoaderArt.h"

#include "BakeFile.h"
#include "PaintMath.h"
#include "base/Pi.h"
#include "cBakeImage.h"
#include "cBakeLoader.h"
#include "cCanvas.h"
#include "cPaintNoise.h"
#include "cTextMask.h"

#include <algorithm>
#include <cmath>

namespace {

float smooth_band(float value, float from, float to, float soft) {
    const float in = clamp01((value - from) / soft);
    const float out = clamp01((to - value) / soft);
    return std::min(in, out);
}

// Print on the panel at a world point (x, z): how much ink covers it.
float panel_ink(float x, float z, sRgb* ink) {
    // The knob's scale: eleven ticks over 270 degrees, the last stretch red.
    const float r = std::sqrt(x * x + z * z);
    float a = std::atan2(z, x) * 180 / kPi;
    if (a < cBakeLoader::kPointerDegrees - 10)
        a += 360;
    const float along = a - cBakeLoader::kPointerDegrees; // 0..270 over the sweep
    float cover = 0;
    if (along > -2 && along < 272) {
        const float tick = std::fmod(along + 360, 27.0f);
        const float width = std::min(tick, 27.0f - tick) * kPi / 180 * r; // world units
        const bool major = std::fmod(along + 1.0f + 360, 54.0f) < 2.0f;
        cover = std::max(cover, smooth_band(r, 12.6f, major ? 16.0f : 14.8f, 0.25f) *
                                    clamp01(0.45f - width) * 3.0f);
        if (along > 189 && smooth_band(r, 16.6f, 17.4f, 0.2f) > 0) {
            *ink = {0.92f, 0.22f, 0.12f};
            return smooth_band(r, 16.6f, 17.4f, 0.2f);
        }
    }
    // The meter's window frame and the LED's bezel.
    const float frame = std::max(
        smooth_band(x, -63.8f, -21.7f, 0.2f) * smooth_band(z, -10.6f, -5.4f, 0.2f) *
            (1 - smooth_band(x, -63.2f, -22.3f, 0.2f) * smooth_band(z, -10.0f, -6.0f, 0.2f)),
        0.0f);
    const float led = std::sqrt((x + 16) * (x + 16) + (z + 16) * (z + 16));
    cover = std::max({cover, frame, smooth_band(led, 2.0f, 2.6f, 0.2f)});
    // An amber rule along the back edge.
    if (smooth_band(z, -54.6f, -54.0f, 0.15f) * smooth_band(x, -74, 16, 0.3f) > 0) {
        *ink = {0.95f, 0.70f, 0.15f};
        return smooth_band(z, -54.6f, -54.0f, 0.15f) * smooth_band(x, -74, 16, 0.3f);
    }
    *ink = {0.86f, 0.87f, 0.90f};
    return clamp01(cover);
}

// The meter's window is a black recess.
bool in_window(float x, float z) {
    return x > -63.2f && x < -22.3f && z > -10.0f && z < -6.0f;
}

float screw(float x, float z) {
    const float corners[4][2] = {{-76, -60}, {18, -60}, {-76, 18}, {18, 18}};
    for (const auto& c : corners) {
        const float dx = x - c[0], dz = z - c[1], d = std::sqrt(dx * dx + dz * dz);
        if (d < 1.8f)
            return std::fabs(dx - dz) < 0.25f ? 0.25f : 0.95f - d * 0.2f; // slot across
    }
    return -1;
}

// The printed legends, as coverage with rows from the top (the panel's back).
tMask legends() {
    const cCanvas canvas(cBakeLoaderArt::kPanelSize, cBakeLoaderArt::kPanelSize);
    const struct {
        const char* face;
        int size, tracking, left, baseline;
        const char* text;
    } lines[] = {{"DejaVuSans-Bold.ttf", 34, 2, 34, 104, "mirrel"},
                 {"DejaVuSans.ttf", 14, 3, 172, 104, "BASS  55"},
                 {"DejaVuSans.ttf", 12, 3, 84, 318, "LEVEL"},
                 {"DejaVuSans.ttf", 12, 3, 392, 276, "DRIVE"},
                 {"DejaVuSans.ttf", 10, 2, 318, 266, "ON"}};
    tMask all = canvas.empty_mask();
    for (const auto& l : lines) {
        const tMask one =
            cTextMask::render(canvas, l.face, l.size, l.text, l.tracking, l.left, l.baseline);
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = std::max(all[i], one[i]);
    }
    return all;
}

} // namespace

std::vector<uint8_t> cBakeLoaderArt::panel() {
    const int n = kPanelSize;
    const float width = cBakeLoader::kPanelRight - cBakeLoader::kPanelLeft;
    const float depth = cBakeLoader::kPanelFront - cBakeLoader::kPanelBack;
    const tMask text = legends();
    cCanvas canvas(n, n);
    for (int j = 0; j < n; ++j) { // row j from the bottom: v = (j + 0.5) / n
        const float streak = 0.9f + 0.1f * cPaintNoise::hash01(0, j, 7);
        for (int i = 0; i < n; ++i) {
            const float u = (i + 0.5f) / n, v = (j + 0.5f) / n;
            const float x = cBakeLoader::kPanelLeft + u * width;
            const float z = cBakeLoader::kPanelFront - v * depth;
            const float grain = 0.94f + 0.06f * cPaintNoise::hash01(i, j, 3);
            const float edge = std::min({u, v, 1 - u, 1 - v});
            const float rim = std::clamp(edge * 40.0f, 0.35f, 1.0f); // darker edges
            sRgb c{0.17f * streak * grain * rim, 0.19f * streak * grain * rim,
                   0.23f * streak * grain * rim};
            if (in_window(x, z))
                c = {0.03f, 0.03f, 0.035f};
            sRgb ink{};
            const float cover = panel_ink(x, z, &ink);
            c = mix(c, ink, cover);
            c = mix(c, {0.86f, 0.87f, 0.90f}, text[static_cast<size_t>(n - 1 - j) * n + i]);
            const float s = screw(x, z);
            if (s >= 0)
                c = {s * 0.8f, s * 0.82f, s * 0.86f};
            canvas.at(i, n - 1 - j) = c;
        }
    }
    return canvas.bytes();
}

// u runs around the knob, v from the bottom centre out, up the side and in
// over the top to its centre; the first rows are white for the pointer.
std::vector<uint8_t> cBakeLoaderArt::knob() {
    const int n = kKnobSize;
    cCanvas canvas(n, n);
    for (int j = 0; j < n; ++j) { // row j from the bottom
        const float v = (j + 0.5f) / n;
        for (int i = 0; i < n; ++i) {
            const float u = (i + 0.5f) / n;
            float light;
            if (v < 0.02f)
                light = 1.25f; // pointer white
            else if (v < 0.40f)
                light = 0.35f;    // underside, out of sight
            else if (v < 0.64f) { // knurled side, darker toward the base
                const float rib = std::fabs(std::sin(u * kPi * 60));
                light = (0.45f + 0.45f * (v - 0.40f) / 0.24f) * (0.72f + 0.28f * rib);
            } else if (v < 0.72f)
                light = 0.95f; // polished shoulder
            else {             // machined top: fine rings, shadowed where it meets the shoulder
                const float ring = 0.93f + 0.05f * std::sin((1 - v) * 900.0f);
                light = ring * (0.8f + 0.2f * clamp01((v - 0.72f) * 12.0f));
            }
            light *= 0.96f + 0.04f * cPaintNoise::hash01(i, j, 11);
            canvas.at(i, n - 1 - j) = sRgb{0.80f, 0.81f, 0.83f} * light;
        }
    }
    return canvas.bytes();
}

std::vector<uint8_t> cBakeLoaderArt::overlay() {
    const int w = kOverlayWidth, h = kOverlayHeight;
    cCanvas canvas(w, h);
    const tMask title = cTextMask::render(canvas, "DejaVuSans-Bold.ttf", 58, "mirrel", 3, 24, 74);
    const tMask line =
        cTextMask::render(canvas, "DejaVuSans.ttf", 17, "loading  .  please stand by", 1, 28, 104);
    const tMask shadow = canvas.blurred(title, 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t at = static_cast<size_t>(y) * w + x;
            const float band = 0.55f * clamp01(1.2f - x / (0.8f * w));
            const float ink = std::max(title[at], 0.8f * line[at]);
            const float alpha = std::max({band, ink, 0.7f * shadow[at]});
            const float light = alpha > 0 ? ink / alpha : 0;
            canvas.at(x, y) = mix({0.02f, 0.03f, 0.06f}, {0.93f, 0.95f, 1.0f}, light);
            canvas.alpha(x, y) = alpha;
        }
    return canvas.bytes(4);
}

std::vector<uint8_t> cBakeLoaderArt::blue_grade() {
    cCanvas ramp(256, 1);
    for (int i = 0; i < 256; ++i) {
        const float x = i / 255.0f;
        ramp.at(i, 0) = {0.92f * std::pow(x, 1.25f), 0.04f + 0.94f * std::pow(x, 1.05f),
                         0.10f + 0.90f * std::pow(x, 0.8f)};
    }
    return ramp.bytes();
}

void cBakeLoaderArt::bake(const std::string& data_dir) {
    const cBakeFile panel_file(data_dir, "models/loader/panel_color.jpg");
    cBakeImage::save_jpeg(panel_file.path(), kPanelSize, kPanelSize, panel());
    panel_file.report();
    const cBakeFile knob_file(data_dir, "models/loader/knob_occ.jpg");
    cBakeImage::save_jpeg(knob_file.path(), kKnobSize, kKnobSize, knob());
    knob_file.report();
    const cBakeFile overlay_file(data_dir, "models/loader/loader_overlay2.png");
    cBakeImage::save_png(overlay_file.path(), kOverlayWidth, kOverlayHeight, 4, overlay());
    overlay_file.report();
    const cBakeFile grade_file(data_dir, "models/loader/loader_color_correction_blue.png");
    cBakeImage::save_png(grade_file.path(), 256, 1, 3, blue_grade());
    grade_file.report();
}
