#include "cTextMask.h"

#include <algorithm>

int cTextMask::width(cFreeTypeFace& face, const std::string& text, int tracking) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        width += static_cast<int>(face.render(text[i])->advance.x >> 6) + tracking;
        if (i + 1 < text.size())
            width += face.kerning(text[i], text[i + 1]);
    }
    return width - tracking;
}

void cTextMask::put_glyph(const FT_GlyphSlot slot, int pen, int baseline, const cCanvas& canvas,
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

tMask cTextMask::render(const cCanvas& canvas, const std::string& face_file, int size,
                        const std::string& text, int tracking, int left, int baseline) {
    cFreeTypeFace face(std::string(kFontDir) + face_file, 0, size);
    tMask mask = canvas.empty_mask();
    int pen = left == kCentred ? (canvas.width() - width(face, text, tracking)) / 2 : left;
    for (size_t i = 0; i < text.size(); ++i) {
        put_glyph(face.render(text[i]), pen, baseline, canvas, mask);
        pen += static_cast<int>(face.render(text[i])->advance.x >> 6) + tracking;
        if (i + 1 < text.size())
            pen += face.kerning(text[i], text[i + 1]);
    }
    return mask;
}
