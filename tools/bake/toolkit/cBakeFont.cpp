#include "cBakeFont.h"

#include "cBakeImage.h"

#include "BakeFile.h"
#include "cFreeTypeFace.h"
#include "toolkit/FontAtlas.h"

#include <filesystem>
#include <stdexcept>

namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";
// Bold strokes survive the GUI drawing each cell at about half its size.
constexpr const char* kFaces[] = {"DejaVuSansMono-Bold.ttf", "DejaVuSansMono.ttf",
                                  "DejaVuSans.ttf"};
// Glyphs are drawn wider than the face's own proportions, so that they
// fill the square cells, with room below the baseline for descenders.
constexpr int kPixelWidth = 30;
constexpr int kPixelHeight = 18;
constexpr int kBaseline = 4;
constexpr int kMargin = 1; // empty texels around each cell: no bleeding when filtered

void put_glyph(cFreeTypeFace& face, char c, int u, int v, std::vector<uint8_t>& atlas) {
    const FT_GlyphSlot slot = face.render(c);
    const FT_Bitmap& bitmap = slot->bitmap;
    const int advance = static_cast<int>(slot->advance.x >> 6);
    const int left = u + (kGlyphCell - advance) / 2 + slot->bitmap_left;
    const int top = v + kBaseline + slot->bitmap_top - 1;
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const int x = left + static_cast<int>(col), y = top - static_cast<int>(row);
            if (x < u + kMargin || x >= u + kGlyphCell - kMargin || y < v + kMargin ||
                y >= v + kGlyphCell - kMargin)
                continue;
            atlas[(static_cast<size_t>(y) * kAtlasWidth + static_cast<size_t>(x)) * 4 + 3] =
                bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + col];
        }
}

} // namespace

std::string cBakeFont::find_font() {
    for (const char* face : kFaces)
        if (std::filesystem::exists(std::string(kFontDir) + face))
            return std::string(kFontDir) + face;
    throw std::runtime_error(std::string("no DejaVu font in ") + kFontDir +
                             " (package fonts-dejavu-core)");
}

std::vector<uint8_t> cBakeFont::render_atlas(const std::string& font_file) {
    std::vector<uint8_t> atlas(static_cast<size_t>(kAtlasWidth) * kAtlasHeight * 4, 0);
    for (size_t i = 0; i < atlas.size(); i += 4)
        atlas[i] = atlas[i + 1] = atlas[i + 2] = 255;
    cFreeTypeFace face(font_file, kPixelWidth, kPixelHeight);
    for (int c = 32; c < 127; ++c) {
        int u = 0, v = 0;
        if (glyph_cell(static_cast<char>(c), u, v))
            put_glyph(face, static_cast<char>(c), u, v, atlas);
    }
    return atlas;
}

void cBakeFont::bake(const std::string& data_dir) {
    cBakeFile file(data_dir, std::string("textures/") + kFontFile);
    std::vector<uint8_t> atlas = render_atlas(find_font());
    cBakeImage::save_png(file.path(), kAtlasWidth, kAtlasHeight, 4, atlas);
    file.report();
}
