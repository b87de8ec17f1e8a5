#include "cBakeLogo.h"

#include "BakeFile.h"
#include "cFreeTypeFace.h"
#include "cLogoCanvas.h"

#include <IL/il.h>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";
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

int text_width(cFreeTypeFace& face, const std::string& text, int tracking) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        width += static_cast<int>(face.render(text[i])->advance.x >> 6) + tracking;
        if (i + 1 < text.size())
            width += face.kerning(text[i], text[i + 1]);
    }
    return width - tracking;
}

void put_glyph(const FT_GlyphSlot slot, int pen, int baseline, const cLogoCanvas& canvas,
               tMask& mask) {
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const int x = pen + slot->bitmap_left + static_cast<int>(col);
            const int y = baseline - slot->bitmap_top + static_cast<int>(row);
            if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height())
                continue;
            const uint8_t cover = bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col];
            float& m = mask[static_cast<size_t>(y) * canvas.width() + x];
            m = std::max(m, cover / 255.0f);
        }
}

// The text centred horizontally on its baseline, as coverage.
tMask text_mask(const cLogoCanvas& canvas, const std::string& face_file, int size,
                const std::string& text, int tracking, int baseline) {
    cFreeTypeFace face(std::string(kFontDir) + face_file, 0, size);
    tMask mask = canvas.empty_mask();
    int pen = (canvas.width() - text_width(face, text, tracking)) / 2;
    for (size_t i = 0; i < text.size(); ++i) {
        const FT_GlyphSlot slot = face.render(text[i]);
        put_glyph(slot, pen, baseline, canvas, mask);
        pen += static_cast<int>(slot->advance.x >> 6) + tracking;
        if (i + 1 < text.size())
            pen += face.kerning(text[i], text[i + 1]);
    }
    return mask;
}

// The word upside down below its baseline, fading out downwards: the mirror in the name.
tMask reflection(const tMask& word, const cLogoCanvas& canvas, int axis, int depth) {
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

void paint_ground(cLogoCanvas& canvas) {
    canvas.vertical_gradient({0.10f, 0.05f, 0.20f}, {0.02f, 0.03f, 0.09f});
    canvas.radial_light(512, 300, 520, 0.62f, {0.20f, 0.07f, 0.16f});
    canvas.radial_light(512, 330, 260, 0.55f, {0.16f, 0.08f, 0.04f});
}

void paint_rule(cLogoCanvas& canvas, int y) {
    tMask rule = canvas.empty_mask();
    for (int x = 0; x < canvas.width(); ++x) {
        const float d = std::abs(static_cast<float>(x) - 512.0f) / 300.0f;
        rule[static_cast<size_t>(y) * canvas.width() + x] = std::max(0.0f, 1.0f - d * d);
    }
    canvas.glow(rule, 3, {0.5f, 0.3f, 0.5f});
    canvas.fill(rule, {0.95f, 0.75f, 0.85f}, {0.95f, 0.75f, 0.85f}, y, y + 1, 0.8f);
}

void write_jpeg(const std::string& path, std::vector<uint8_t>& rgb) {
    ilInit();
    ilEnable(IL_FILE_OVERWRITE);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool ok = ilTexImage(cBakeLogo::kWidth, cBakeLogo::kHeight, 1, 3, IL_RGB, IL_UNSIGNED_BYTE,
                         rgb.data());
    ilRegisterOrigin(IL_ORIGIN_LOWER_LEFT); // rows bottom first, as the texture loader reads
    ilSetInteger(IL_JPG_QUALITY, kJpegQuality);
    ok = ok && ilSave(IL_JPG, path.c_str());
    ilDeleteImages(1, &image);
    if (!ok)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

std::vector<uint8_t> cBakeLogo::render() {
    cLogoCanvas canvas(kWidth, kHeight);
    paint_ground(canvas);
    const tMask word = text_mask(canvas, kWordFace, kWordSize, kWord, kWordTracking, kWordBaseline);
    canvas.glow(word, 26, {0.55f, 0.16f, 0.30f});
    canvas.glow(word, 7, {0.45f, 0.25f, 0.10f});
    canvas.fill(reflection(word, canvas, kWordBaseline + 14, 120), {0.55f, 0.35f, 0.45f},
                {0.10f, 0.06f, 0.15f}, kWordBaseline + 14, kWordBaseline + 110, 0.35f);
    canvas.fill(word, {1.0f, 0.93f, 0.70f}, {1.0f, 0.42f, 0.22f}, kWordBaseline - 150,
                kWordBaseline, 1.0f);
    paint_rule(canvas, kWordBaseline + 8);
    const tMask line = text_mask(canvas, kLineFace, kLineSize, kLine, 0, kLineBaseline);
    canvas.glow(line, 4, {0.15f, 0.12f, 0.25f});
    canvas.fill(line, {0.78f, 0.80f, 0.95f}, {0.62f, 0.66f, 0.86f}, kLineBaseline - 16,
                kLineBaseline, 1.0f);
    canvas.vignette(0.55f);
    canvas.grain(0.035f, 55);
    return canvas.bytes();
}

void cBakeLogo::bake(const std::string& data_dir) {
    cBakeFile file(data_dir, kFile);
    std::vector<uint8_t> rgb = render();
    write_jpeg(file.path(), rgb);
    file.report();
}
