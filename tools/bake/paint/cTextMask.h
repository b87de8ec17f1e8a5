// Text set for painted pictures: a line of one of Debian's DejaVu faces laid
// out with kerning and extra tracking, as coverage over a canvas, its pen
// starting at a given column or centred on the canvas.
#pragma once

#include "cCanvas.h"
#include "cFreeTypeFace.h"

#include <string>

class cTextMask {
public:
    static constexpr int kCentred = -1;
    static constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";

    // `face_file` names a file in kFontDir; `size` is the pixel height.
    static tMask render(const cCanvas& canvas, const std::string& face_file, int size,
                        const std::string& text, int tracking, int left, int baseline);
    static int width(cFreeTypeFace& face, const std::string& text, int tracking);

private:
    static void put_glyph(const FT_GlyphSlot slot, int pen, int baseline, const cCanvas& canvas,
                          tMask& mask);
};
