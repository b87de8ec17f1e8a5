#include "cBakeSunTitle.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cSunNoise.h"
#include "cTextMask.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleSize = 112, kTitleBaseline = 530, kTitleTracking = 10;
constexpr int kGroupSize = 36, kGroupBaseline = 392, kGroupTracking = 24;

struct sPixel {
    float r, g, b, a;
};

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

// "over" compositing of a colour with coverage onto the page.
void over(sPixel& p, float r, float g, float b, float a) {
    const float out = a + p.a * (1 - a);
    if (out <= 0)
        return;
    p.r = (r * a + p.r * p.a * (1 - a)) / out;
    p.g = (g * a + p.g * p.a * (1 - a)) / out;
    p.b = (b * a + p.b * p.a * (1 - a)) / out;
    p.a = out;
}

std::vector<sPixel> page() {
    const int w = cBakeSunTitle::kWidth, h = cBakeSunTitle::kPageHeight;
    const cLogoCanvas canvas(w, h);
    const tMask title =
        cTextMask::render(canvas, "DejaVuSans-Bold.ttf", kTitleSize, cBakeSunTitle::kTitle,
                          kTitleTracking, cTextMask::kCentred, kTitleBaseline);
    const tMask group =
        cTextMask::render(canvas, "DejaVuSans.ttf", kGroupSize, cBakeSunTitle::kGroup,
                          kGroupTracking, cTextMask::kCentred, kGroupBaseline);
    const tMask halo = blurred(title, w, h, 34);
    const tMask glow = blurred(title, w, h, 9);
    const tMask group_glow = blurred(group, w, h, 5);
    std::vector<sPixel> pixels(static_cast<size_t>(w) * h, sPixel{0, 0, 0, 0});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            sPixel& p = pixels[i];
            // A dim band that darkens the picture behind the words: the card's "deluminate".
            const float dx = (x - w * 0.5f) / (w * 0.42f), dy = (y - 466.0f) / 150.0f;
            const float band = clamp01(1 - std::sqrt(dx * dx + dy * dy));
            over(p, 0.03f, 0.015f, 0.05f, 0.55f * band * band * (3 - 2 * band));
            over(p, 0.02f, 0.01f, 0.03f, clamp01(1.6f * halo[i]) * 0.6f);
            over(p, 1.0f, 0.45f, 0.12f, clamp01(1.4f * glow[i]) * 0.55f);
            over(p, 0.85f, 0.6f, 0.45f, clamp01(1.5f * group_glow[i]) * 0.35f);
            // Gold to warm white from the letters' feet to their tops.
            const float up = clamp01((kTitleBaseline - y) / static_cast<float>(kTitleSize * 0.75f));
            over(p, 1.0f, 0.70f + 0.24f * up, 0.32f + 0.52f * up, title[i]);
            over(p, 0.92f, 0.86f, 0.80f, group[i] * 0.95f);
        }
    return pixels;
}

} // namespace

std::vector<uint8_t> cBakeSunTitle::render() {
    const std::vector<sPixel> pixels = page();
    std::vector<uint8_t> rgba(static_cast<size_t>(kWidth) * kHeight * 4);
    const float step = static_cast<float>(kPageHeight) / kHeight;
    for (int row = 0; row < kHeight; ++row) {
        // File row `row` (from the bottom) shows page rows around this one (from the top).
        const float from = (kHeight - 1 - row + 0.5f) * step - 0.5f;
        const int a = std::clamp(static_cast<int>(std::floor(from)), 0, kPageHeight - 1);
        const int b = std::min(a + 1, kPageHeight - 1);
        const float t = clamp01(from - a);
        for (int x = 0; x < kWidth; ++x) {
            const sPixel& p = pixels[static_cast<size_t>(a) * kWidth + x];
            const sPixel& q = pixels[static_cast<size_t>(b) * kWidth + x];
            const float c[4] = {p.r * p.a + (q.r * q.a - p.r * p.a) * t,
                                p.g * p.a + (q.g * q.a - p.g * p.a) * t,
                                p.b * p.a + (q.b * q.a - p.b * p.a) * t, p.a + (q.a - p.a) * t};
            uint8_t* out = &rgba[(static_cast<size_t>(row) * kWidth + x) * 4];
            for (int k = 0; k < 4; ++k) {
                const float value = k < 3 && c[3] > 0 ? c[k] / c[3] : c[k];
                const float dither = sun_hash01(x, row, 40 + k) - 0.5f;
                out[k] =
                    static_cast<uint8_t>(std::clamp(value * 255.0f + dither, 0.0f, 255.0f) + 0.5f);
            }
        }
    }
    return rgba;
}

void cBakeSunTitle::bake(const std::string& data_dir) {
    const cBakeFile file(data_dir, "models/sunflare/deluminate3.png");
    cBakeImage::save_png(file.path(), kWidth, kHeight, 4, render());
    file.report();
}
