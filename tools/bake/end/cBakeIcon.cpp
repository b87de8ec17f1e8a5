#include "cBakeIcon.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cTextMask.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kFace = "DejaVuSans-Bold.ttf";
constexpr int kLetterSize = 210;
constexpr int kBaseline = 186; // from the top, as the logo's rows count
constexpr float kCornerRadius = 48.0f;
constexpr float kInset = 8.0f; // clear margin around the square

// How much of the pixel centred at (x, y) lies inside the rounded square: one pixel of
// soft edge, so the corners are smooth at the icon's own size.
float square_cover(float x, float y) {
    const float half = cBakeIcon::kSize / 2.0f - kInset;
    const float centre = cBakeIcon::kSize / 2.0f;
    const float dx = std::max(std::fabs(x - centre) - (half - kCornerRadius), 0.0f);
    const float dy = std::max(std::fabs(y - centre) - (half - kCornerRadius), 0.0f);
    const float outside = std::sqrt(dx * dx + dy * dy) - kCornerRadius;
    return std::clamp(0.5f - outside, 0.0f, 1.0f);
}

} // namespace

std::vector<uint8_t> cBakeIcon::render() {
    cCanvas canvas(kSize, kSize);
    canvas.vertical_gradient({0.12f, 0.06f, 0.24f}, {0.02f, 0.03f, 0.10f});
    canvas.radial_light(128, 120, 150, 0.8f, {0.24f, 0.08f, 0.18f});
    const tMask letter =
        cTextMask::render(canvas, kFace, kLetterSize, "m", 0, cTextMask::kCentred, kBaseline);
    canvas.glow(letter, 14, {0.60f, 0.18f, 0.32f});
    canvas.glow(letter, 4, {0.45f, 0.25f, 0.10f});
    canvas.fill(letter, {1.0f, 0.93f, 0.70f}, {1.0f, 0.42f, 0.22f}, kBaseline - 150, kBaseline,
                1.0f);
    canvas.vignette(0.35f);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            canvas.alpha(x, y) = square_cover(x + 0.5f, y + 0.5f);
    return canvas.bytes(4);
}

void cBakeIcon::bake(const std::string& data_dir) {
    cBakeFile file(data_dir, kFile);
    cBakeImage::save_png(file.path(), kSize, kSize, 4, render());
    file.report();
}
