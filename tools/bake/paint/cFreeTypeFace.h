// One FreeType face at a fixed pixel size, for the modules that render text into pictures.
// The library and the face live exactly as long as the object; a face that cannot be opened
// or a character it lacks throws, so a bake never writes a picture with missing glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

class cFreeTypeFace {
public:
    cFreeTypeFace(const std::string& file, int pixel_width, int pixel_height);
    ~cFreeTypeFace();
    cFreeTypeFace(const cFreeTypeFace&) = delete;
    cFreeTypeFace& operator=(const cFreeTypeFace&) = delete;

    // The character rendered as 8-bit coverage in the face's glyph slot.
    FT_GlyphSlot render(char c);
    // The horizontal kerning between two characters, in whole pixels.
    int kerning(char left, char right) const;

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};
