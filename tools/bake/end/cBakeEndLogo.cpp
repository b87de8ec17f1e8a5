#include "cBakeEndLogo.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cCanvas.h"
#include "cTextMask.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kWordFace = "DejaVuSans-Bold.ttf";
constexpr const char* kLineFace = "DejaVuSans-ExtraLight.ttf";
constexpr const char* kWord = "mirrel";
constexpr const char* kLine = "t h a n k s   f o r   w a t c h i n g";
constexpr int kWordSize = 200;
constexpr int kWordTracking = 6; // pixels between letters beyond the face's advance
constexpr int kWordBaseline = 350;
constexpr int kLineSize = 22;
constexpr int kLineBaseline = 470;
constexpr int kJpegQuality = 95;

tMask reflection(const tMask& word, const cCanvas& canvas, int axis, int depth) {
    tMask mirrored = canvas.empty_mask();
    const int w = canvas.width();
    for (int y = axis; y < std::min(axis + depth, canvas.height()); ++y) {
        const int from = 2 * axis - y;
        if (from < 0)
            continue;
        const float fade = 1.0f - static_cast<float>(y - axis) / static_cast<float>(depth);
        for (int x = 0; x < w; ++x)
            mirrored[static_cast<size_t>(y) * w + x] =
                word[static_cast<size_t>(from) * w + x] * fade * fade;
    }
    return mirrored;
}

void paint_ground(cCanvas& canvas) {
    canvas.vertical_gradient({0.10f, 0.05f, 0.20f}, {0.02f, 0.03f, 0.09f});
    canvas.radial_light(512, 300, 520, 0.62f, {0.20f, 0.07f, 0.16f});
    canvas.radial_light(512, 330, 260, 0.55f, {0.16f, 0.08f, 0.04f});
}

void paint_rule(cCanvas& canvas, int y) {
    tMask rule = canvas.empty_mask();
    for (int x = 0; x < canvas.width(); ++x) {
        const float d = std::abs(static_cast<float>(x) - 512.0f) / 300.0f;
        rule[static_cast<size_t>(y) * canvas.width() + x] = std::max(0.0f, 1.0f - d * d);
    }
    canvas.glow(rule, 3, {0.5f, 0.3f, 0.5f});
    canvas.fill(rule, {0.95f, 0.75f, 0.85f}, {0.95f, 0.75f, 0.85f}, y, y + 1, 0.8f);
}

} // namespace

std::vector<uint8_t> cBakeEndLogo::render() {
    cCanvas canvas(kWidth, kHeight);
    paint_ground(canvas);
    const tMask word = cTextMask::render(canvas, kWordFace, kWordSize, kWord, kWordTracking,
                                         cTextMask::kCentred, kWordBaseline);
    canvas.glow(word, 26, {0.55f, 0.16f, 0.30f});
    canvas.glow(word, 7, {0.45f, 0.25f, 0.10f});
    canvas.fill(reflection(word, canvas, kWordBaseline + 14, 120), {0.55f, 0.35f, 0.45f},
                {0.10f, 0.06f, 0.15f}, kWordBaseline + 14, kWordBaseline + 110, 0.35f);
    canvas.fill(word, {1.0f, 0.93f, 0.70f}, {1.0f, 0.42f, 0.22f}, kWordBaseline - 150,
                kWordBaseline, 1.0f);
    paint_rule(canvas, kWordBaseline + 8);
    const tMask line = cTextMask::render(canvas, kLineFace, kLineSize, kLine, 0,
                                         cTextMask::kCentred, kLineBaseline);
    canvas.glow(line, 4, {0.15f, 0.12f, 0.25f});
    canvas.fill(line, {0.78f, 0.80f, 0.95f}, {0.62f, 0.66f, 0.86f}, kLineBaseline - 16,
                kLineBaseline, 1.0f);
    canvas.vignette(0.55f);
    canvas.grain(0.035f, 55);
    return canvas.bytes();
}

void cBakeEndLogo::bake(const std::string& data_dir) {
    cBakeFile file(data_dir, kFile);
    std::vector<uint8_t> rgb = render();
    cBakeImage::save_jpeg(file.path(), kWidth, kHeight, rgb, kJpegQuality);
    file.report();
}
