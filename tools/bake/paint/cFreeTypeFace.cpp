#include "cFreeTypeFace.h"

#include <stdexcept>

cFreeTypeFace::cFreeTypeFace(const std::string& file, int pixel_width, int pixel_height) {
    if (FT_Init_FreeType(&library_) || FT_New_Face(library_, file.c_str(), 0, &face_)) {
        if (library_)
            FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open font " + file);
    }
    FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(pixel_width),
                       static_cast<FT_UInt>(pixel_height));
}

cFreeTypeFace::~cFreeTypeFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

FT_GlyphSlot cFreeTypeFace::render(char c) {
    if (FT_Load_Char(face_, static_cast<FT_ULong>(static_cast<unsigned char>(c)), FT_LOAD_RENDER))
        throw std::runtime_error(std::string("font has no glyph for '") + c + "'");
    return face_->glyph;
}

int cFreeTypeFace::kerning(char left, char right) const {
    if (!FT_HAS_KERNING(face_))
        return 0;
    const FT_UInt a = FT_Get_Char_Index(face_, static_cast<unsigned char>(left));
    const FT_UInt b = FT_Get_Char_Index(face_, static_cast<unsigned char>(right));
    FT_Vector delta{0, 0};
    FT_Get_Kerning(face_, a, b, FT_KERNING_DEFAULT, &delta);
    return static_cast<int>(delta.x >> 6);
}
