#include "cBakeSolarFlareTitle.h"

#include "BakeFile.h"
#include "PaintMath.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cTextMask.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTitleSize = 112, kTitleBaseline = 530, kTitleTracking = 10;
constexpr int kGroupSize = 36, kGroupBaseline = 392, kGroupTracking = 24;

cCanvas page() {
    const int w = cBakeSolarFlareTitle::kWidth, h = cBakeSolarFlareTitle::kPageHeight;
    cCanvas canvas(w, h);
    const tMask title =
        cTextMask::render(canvas, "DejaVuSans-Bold.ttf", kTitleSize, cBakeSolarFlareTitle::kTitle,
                          kTitleTracking, cTextMask::kCentred, kTitleBaseline);
    const tMask group =
        cTextMask::render(canvas, "DejaVuSans.ttf", kGroupSize, cBakeSolarFlareTitle::kGroup,
                          kGroupTracking, cTextMask::kCentred, kGroupBaseline);
    const tMask halo = canvas.blurred(title, 34);
    const tMask glow = canvas.blurred(title, 9);
    const tMask group_glow = canvas.blurred(group, 5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            auto over = [&](sRgb colour, float cover) { canvas.over(x, y, colour, cover); };
            // A dim band that darkens the picture behind the words: the card's "deluminate".
            const float dx = (x - w * 0.5f) / (w * 0.42f), dy = (y - 466.0f) / 150.0f;
            const float band = clamp01(1 - std::sqrt(dx * dx + dy * dy));
            over({0.03f, 0.015f, 0.05f}, 0.55f * smoothstep(band));
            over({0.02f, 0.01f, 0.03f}, clamp01(1.6f * halo[i]) * 0.6f);
            over({1.0f, 0.45f, 0.12f}, clamp01(1.4f * glow[i]) * 0.55f);
            over({0.85f, 0.6f, 0.45f}, clamp01(1.5f * group_glow[i]) * 0.35f);
            // Gold to warm white from the letters' feet to their tops.
            const float up = clamp01((kTitleBaseline - y) / static_cast<float>(kTitleSize * 0.75f));
            over({1.0f, 0.70f + 0.24f * up, 0.32f + 0.52f * up}, title[i]);
            over({0.92f, 0.86f, 0.80f}, group[i] * 0.95f);
        }
    return canvas;
}

} // namespace

std::vector<uint8_t> cBakeSolarFlareTitle::render() {
    const cCanvas from = page();
    cCanvas card(kWidth, kHeight);
    const float step = static_cast<float>(kPageHeight) / kHeight;
    for (int y = 0; y < kHeight; ++y) {
        // Card row y shows the page rows around this one, blended with premultiplied colour.
        const float at = (y + 0.5f) * step - 0.5f;
        const int a = std::clamp(static_cast<int>(std::floor(at)), 0, kPageHeight - 1);
        const int b = std::min(a + 1, kPageHeight - 1);
        const float t = clamp01(at - a);
        for (int x = 0; x < kWidth; ++x) {
            const float alpha = lerp(from.alpha(x, a), from.alpha(x, b), t);
            const sRgb sum =
                mix(from.at(x, a) * from.alpha(x, a), from.at(x, b) * from.alpha(x, b), t);
            card.at(x, y) = alpha > 0 ? sum * (1 / alpha) : sum;
            card.alpha(x, y) = alpha;
        }
    }
    // Half a step of dither either way.
    return card.bytes(4, 1 / 255.0f, 40);
}

void cBakeSolarFlareTitle::bake(const std::string& data_dir) {
    const cBakeFile file(data_dir, "models/sunflare/deluminate3.png");
    cBakeImage::save_png(file.path(), kWidth, kHeight, 4, render());
    file.report();
}
