// The layout of the GUI's font atlas "fontlist.png": 20 x 20 texel cells,
// upper case and punctuation in the row at v = 0, digits and lower case at
// v = 20, 720 x 40 texels in all. The baker and the label share this table.
#pragma once

constexpr int kGlyphCell = 20;
constexpr int kAtlasWidth = 720;
constexpr int kAtlasHeight = 40;
constexpr const char* kFontFile = "fontlist.png";

// The texel corner (u, v) of the cell that draws `c`; false for a character
// the atlas has no glyph for.
constexpr bool glyph_cell(char c, int& u, int& v) {
    if (c >= 'A' && c <= 'Z') {
        u = (c - 55) * kGlyphCell;
        v = 0;
    } else if (c >= 'a' && c <= 'z') {
        u = (c - 'a' + 'A' - 55) * kGlyphCell;
        v = kGlyphCell;
    } else if (c >= '0' && c <= '9') {
        u = (c - 48) * kGlyphCell;
        v = kGlyphCell;
    } else if (c == '-' || c == '.' || c == ',' || c == '(' || c == ')') {
        u = c == '-' ? 60 : c == '.' ? 80 : c == ',' ? 120 : c == '(' ? 160 : 180;
        v = 0;
    } else {
        return false;
    }
    return true;
}
