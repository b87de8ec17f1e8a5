// The outlines of a line of text as closed polygons, read from a font through FreeType:
// curves flattened finely enough that no facet shows, kerning applied, and every contour
// turned so that the glyph's ink lies on its left (outer contours counter-clockwise).
#pragma once

#include "cBakeOutline.h"

#include <string>
#include <vector>

class cGlyphContours {
public:
    using tContour = std::vector<cPoint2>;

    // `text` set in the face at `file` with a cap height of 1; `tracking` is extra space
    // between letters in the same unit. Throws when the face or a glyph cannot be read.
    static std::vector<tContour> text(const std::string& file, const std::string& text,
                                      float tracking);
    // Twice the signed area of a contour: positive for counter-clockwise.
    static float area2(const tContour& c);
};
