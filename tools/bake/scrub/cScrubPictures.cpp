#include "cScrubPictures.h"

#include "PaintMath.h"
#include "base/Pi.h"
#include "cCanvas.h"
#include "cPaintNoise.h"
#include "cTextMask.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The head in profile, facing right, on a unit-high frame: crown, brow, nose, lips, chin,
// throat, neck and the back of the skull, as a closed loop for a smooth curve.
const std::array<std::array<float, 2>, 24> kProfile = {{
    {0.10f, 0.00f},  {0.10f, 0.18f},  {0.13f, 0.30f},  {0.22f, 0.36f},  {0.30f, 0.40f},
    {0.30f, 0.44f},  {0.28f, 0.47f},  {0.31f, 0.50f},  {0.30f, 0.53f},  {0.31f, 0.555f},
    {0.37f, 0.59f},  {0.315f, 0.68f}, {0.32f, 0.73f},  {0.31f, 0.80f},  {0.25f, 0.92f},
    {0.13f, 0.99f},  {0.00f, 1.00f},  {-0.14f, 0.95f}, {-0.22f, 0.83f}, {-0.22f, 0.68f},
    {-0.16f, 0.56f}, {-0.09f, 0.47f}, {-0.08f, 0.30f}, {-0.10f, 0.00f},
}};

std::vector<std::array<float, 2>> profile_curve(float cx, float bottom, float scale) {
    std::vector<std::array<float, 2>> out;
    const size_t n = kProfile.size();
    for (size_t i = 0; i < n; ++i)
        for (int s = 0; s < 12; ++s) {
            const float t = s / 12.0f;
            std::array<float, 2> p{};
            for (int k = 0; k < 2; ++k) {
                const float p0 = kProfile[(i + n - 1) % n][k], p1 = kProfile[i][k];
                const float p2 = kProfile[(i + 1) % n][k], p3 = kProfile[(i + 2) % n][k];
                p[k] = 0.5f * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
                               (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
            }
            out.push_back({cx + p[0] * scale, bottom - p[1] * scale});
        }
    return out;
}

// Signed distance to a closed polyline: negative inside.
float signed_distance(const std::vector<std::array<float, 2>>& poly, float x, float y) {
    float best = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const float ax = poly[j][0], ay = poly[j][1], bx = poly[i][0], by = poly[i][1];
        const float ex = bx - ax, ey = by - ay;
        const float t = clamp01(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey + 1e-9f));
        const float dx = x - ax - ex * t, dy = y - ay - ey * t;
        best = std::min(best, dx * dx + dy * dy);
        if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey)
            inside = !inside;
    }
    return inside ? -std::sqrt(best) : std::sqrt(best);
}

} // namespace

std::vector<uint8_t> cScrubPictures::sun_background() {
    cCanvas p(kScreenWidth, kScreenHeight);
    const float sx = 512, sy = 400, sr = 120;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const float dx = (x - sx) / sr, dy = (y - sy) / sr;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float sky = static_cast<float>(y) / p.height();
            const float haze = cPaintNoise::fbm(x / 180.0f, y / 60.0f, 5, 11);
            const float band =
                clamp01((cPaintNoise::fbm(x / 300.0f + haze, y / 26.0f, 4, 23) - 0.45f) * 3.0f);
            const float corona = std::exp(-d * 0.9f) * 0.9f + std::exp(-d * 0.18f) * 0.35f;
            const float disc = clamp01((1.0f - d) * 8.0f) * (0.92f - 0.05f * haze);
            sRgb& c = p.at(x, y);
            c.r = 0.20f + 0.35f * sky + corona * 0.75f + disc;
            c.g = 0.07f + 0.25f * sky * sky + corona * 0.48f + disc * 0.86f;
            c.b = 0.16f - 0.08f * sky + corona * 0.10f + disc * 0.55f;
            const float shade = 1.0f - band * (0.35f + 0.3f * (1 - clamp01(d / 3)));
            c = {std::min(c.r * shade, 0.96f), std::min(c.g * shade, 0.96f),
                 std::min(c.b * shade, 0.96f)};
        }
    return p.bytes(3, 3.0f / 255.0f, 101);
}

std::vector<uint8_t> cScrubPictures::vignette() {
    cCanvas p(kScreenWidth, kScreenHeight);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const float u = (x - 511.5f) / 560.0f, v = (y - 319.5f) / 380.0f;
            const float d = std::sqrt(u * u + v * v);
            const float mottle = 0.05f * (cPaintNoise::fbm(x / 90.0f, y / 90.0f, 4, 37) - 0.5f);
            const float f = clamp01(1.0f - smoothstep(0.45f, 1.2f, d) * 0.78f + mottle);
            sRgb& c = p.at(x, y);
            c.r = f;
            c.g = f * (0.97f + 0.03f * f);
            c.b = f * (0.90f + 0.10f * f);
        }
    return p.bytes(3, 4.0f / 255.0f, 103);
}

std::vector<uint8_t> cScrubPictures::head() {
    cCanvas p(kScreenWidth, kScreenHeight);
    const auto curve = profile_curve(470, 650, 590);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const float d = signed_distance(curve, x + 0.5f, y + 0.5f);
            const float ink = clamp01(0.5f - d);
            const float rim = std::exp(-std::fabs(d + 4.0f) / 5.0f) * clamp01(1.0f - d);
            const float halo = std::exp(-std::max(d, 0.0f) / 24.0f) * 0.3f;
            const float lines =
                std::pow(std::fabs(std::sin((cPaintNoise::fbm(x / 70.0f, y / 70.0f, 4, 55) * 9.0f +
                                             (y / 640.0f) * 3.0f) *
                                            kPi)),
                         18.0f);
            const float depth = clamp01(1.0f - (y / 640.0f) * 0.6f);
            sRgb& c = p.at(x, y);
            // Outside the ink the halo is a warm light whose strength is its alpha alone.
            const float lit = ink * 0.22f * lines * depth + rim * 0.9f;
            c.r = std::min(0.95f, (1 - ink) * 0.95f + ink * 0.13f + lit);
            c.g = std::min(0.95f, (1 - ink) * 0.62f + ink * 0.05f + lit * 0.62f);
            c.b = std::min(0.95f, (1 - ink) * 0.22f + ink * 0.16f + lit * 0.25f);
            p.alpha(x, y) = clamp01(std::max(ink * 0.92f, halo) + rim * 0.3f);
        }
    return p.bytes(4, 3.0f / 255.0f, 107);
}

namespace {

// A dark band along one edge of a bar picture, softly fading into clear, with a warm rule
// where it ends; `band_top` / `band_bottom` in rows from the picture's top.
void paint_band(cCanvas& p, int band_top, int band_bottom, int rule_row, float fade_rows,
                bool fade_up) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            float a = y >= band_top && y < band_bottom ? 1.0f : 0.0f;
            if (fade_up && y < band_top)
                a = std::exp(-(band_top - y) / fade_rows) * 0.6f;
            if (!fade_up && y >= band_bottom)
                a = std::exp(-(y - band_bottom) / fade_rows) * 0.6f;
            const float n = cPaintNoise::fbm(x / 120.0f, y / 40.0f, 4, 71);
            const float r = std::exp(-std::fabs(static_cast<float>(y - rule_row)) / 1.2f) *
                            (1.0f - std::pow(std::fabs(x - 511.5f) / 512.0f, 2.0f));
            sRgb& c = p.at(x, y);
            c.r = 0.07f + 0.05f * n + r * 0.95f;
            c.g = 0.035f + 0.03f * n + r * 0.62f;
            c.b = 0.09f + 0.06f * n + r * 0.25f;
            p.alpha(x, y) = clamp01(std::max(a * 0.94f, r));
        }
}

} // namespace

std::vector<uint8_t> cScrubPictures::logo_top() {
    cCanvas p(kBarWidth, kTopBarHeight);
    paint_band(p, 0, 58, 58, 14.0f, false);
    const tMask line = cTextMask::render(p, "DejaVuSans-ExtraLight.ttf", 17,
                                         "g r o w i n g    s c r u b", 0, cTextMask::kCentred, 36);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            p.at(x, y) = p.at(x, y) + sRgb{0.80f, 0.70f, 0.62f} * line[size_t(y) * kBarWidth + x];
    return p.bytes(4, 3.0f / 255.0f, 109);
}

std::vector<uint8_t> cScrubPictures::logo_bottom() {
    cCanvas p(kBarWidth, kBottomBarHeight);
    paint_band(p, 150, 256, 150, 22.0f, true);
    const tMask word =
        cTextMask::render(p, "DejaVuSans-Bold.ttf", 64, "mirrel", 3, cTextMask::kCentred, 224);
    const tMask glow = p.blurred(word, 9);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const size_t i = size_t(y) * kBarWidth + x;
            const float t = clamp01((y - 176.0f) / 48.0f);
            sRgb& c = p.at(x, y);
            c.r += glow[i] * 0.45f + word[i] * (1.00f - c.r);
            c.g += glow[i] * 0.18f + word[i] * (0.90f - 0.45f * t - c.g);
            c.b += glow[i] * 0.22f + word[i] * (0.66f - 0.42f * t - c.b);
            p.alpha(x, y) = clamp01(p.alpha(x, y) + glow[i] * 0.5f + word[i]);
        }
    return p.bytes(4, 3.0f / 255.0f, 113);
}

std::vector<uint8_t> cScrubPictures::backblow() {
    cCanvas p(kSpriteSize, kSpriteSize);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const float u = (x - 127.5f) / 128.0f, v = (y - 127.5f) / 128.0f;
            const float d = std::sqrt(u * u + v * v);
            const float swirl = cPaintNoise::fbm(std::atan2(v, u) * 3.0f + 10.0f, d * 4.0f, 4, 131);
            const float f = clamp01(1.0f - d) * clamp01(1.0f - d) * (0.75f + 0.5f * swirl);
            sRgb& c = p.at(x, y);
            c.r = std::min(0.95f, 0.95f * f + 0.2f * f * f);
            c.g = std::min(0.95f, 0.80f * f);
            c.b = std::min(0.95f, 0.55f * f * f);
            p.alpha(x, y) = clamp01(f * 1.2f);
        }
    return p.bytes(4, 2.0f / 255.0f, 127);
}

std::vector<uint8_t> cScrubPictures::streaks() {
    cCanvas p(kSpriteSize, kSpriteSize);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const float u = (x - 127.5f) / 128.0f, v = (y - 127.5f) / 128.0f;
            const float d = std::sqrt(u * u + v * v);
            const float theta = std::atan2(v, u);
            // Rays: whole-number frequencies around the circle, so the picture has no seam.
            float wave = 0.0f;
            for (int k = 0; k < 14; ++k)
                wave += cPaintNoise::hash01(k, 0, 139) *
                        std::cos(static_cast<float>(7 + 5 * k) * theta +
                                 6.283f * cPaintNoise::hash01(k, 1, 139));
            const float ray = std::pow(clamp01(0.5f + wave * 0.22f), 4.0f) * 2.5f;
            const float fall = clamp01(1.0f - d) * std::exp(-d * 1.5f);
            const float core = std::exp(-d * 9.0f);
            const float f = clamp01(ray * fall + core);
            sRgb& c = p.at(x, y);
            c.r = std::min(0.95f, f);
            c.g = std::min(0.95f, f * 0.86f);
            c.b = std::min(0.95f, f * 0.62f);
            p.alpha(x, y) = f;
        }
    return p.bytes(4, 2.0f / 255.0f, 137);
}
