#include "cGlyphContours.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kCurveSteps = 8;

struct sPen {
    std::vector<cGlyphContours::tContour> contours;
    cPoint2 at;
    float scale = 1.0f;
    float x0 = 0.0f;

    cPoint2 map(const FT_Vector* v) const {
        return {x0 + static_cast<float>(v->x) * scale, static_cast<float>(v->y) * scale};
    }
    void add(cPoint2 p) {
        cGlyphContours::tContour& c = contours.back();
        const cPoint2 last = c.empty() ? cPoint2{1e9f, 1e9f} : c.back();
        if (std::fabs(p.x - last.x) + std::fabs(p.y - last.y) > 1e-4f)
            c.push_back(p);
        at = p;
    }
};

sPen& pen(void* user) {
    return *static_cast<sPen*>(user);
}

int move_to(const FT_Vector* to, void* user) {
    pen(user).contours.emplace_back();
    pen(user).add(pen(user).map(to));
    return 0;
}

int line_to(const FT_Vector* to, void* user) {
    pen(user).add(pen(user).map(to));
    return 0;
}

int conic_to(const FT_Vector* control, const FT_Vector* to, void* user) {
    sPen& p = pen(user);
    const cPoint2 a = p.at, b = p.map(control), c = p.map(to);
    for (int i = 1; i <= kCurveSteps; ++i) {
        const float t = static_cast<float>(i) / kCurveSteps, s = 1.0f - t;
        p.add({s * s * a.x + 2 * s * t * b.x + t * t * c.x,
               s * s * a.y + 2 * s * t * b.y + t * t * c.y});
    }
    return 0;
}

int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    sPen& p = pen(user);
    const cPoint2 a = p.at, b = p.map(c1), c = p.map(c2), d = p.map(to);
    for (int i = 1; i <= kCurveSteps; ++i) {
        const float t = static_cast<float>(i) / kCurveSteps, s = 1.0f - t;
        const float wa = s * s * s, wb = 3 * s * s * t, wc = 3 * s * t * t, wd = t * t * t;
        p.add(
            {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y});
    }
    return 0;
}

struct sFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~sFace() {
        if (face != nullptr)
            FT_Done_Face(face);
        if (library != nullptr)
            FT_Done_FreeType(library);
    }
};

// A closed contour does not repeat its first point.
void drop_closing_point(cGlyphContours::tContour& c) {
    if (c.size() > 1 &&
        std::fabs(c.front().x - c.back().x) + std::fabs(c.front().y - c.back().y) < 1e-4f)
        c.pop_back();
}

} // namespace

float cGlyphContours::area2(const tContour& c) {
    float sum = 0.0f;
    for (size_t i = 0; i < c.size(); ++i) {
        const cPoint2 a = c[i], b = c[(i + 1) % c.size()];
        sum += a.x * b.y - a.y * b.x;
    }
    return sum;
}

std::vector<cGlyphContours::tContour>
cGlyphContours::text(const std::string& file, const std::string& text, float tracking) {
    sFace f;
    if (FT_Init_FreeType(&f.library) != 0 || FT_New_Face(f.library, file.c_str(), 0, &f.face) != 0)
        throw std::runtime_error("cannot open the font " + file);
    if (FT_Load_Char(f.face, 'H', FT_LOAD_NO_SCALE) != 0)
        throw std::runtime_error("no 'H' in " + file);
    sPen p;
    p.scale = 1.0f / static_cast<float>(f.face->glyph->metrics.height);
    FT_Outline_Funcs funcs{move_to, line_to, conic_to, cubic_to, 0, 0};
    FT_UInt previous = 0;
    for (char ch : text) {
        const FT_UInt index = FT_Get_Char_Index(f.face, static_cast<FT_ULong>(ch));
        if (index == 0 || FT_Load_Glyph(f.face, index, FT_LOAD_NO_SCALE) != 0)
            throw std::runtime_error(std::string("no glyph for '") + ch + "' in " + file);
        FT_Vector kern{0, 0};
        if (previous != 0)
            FT_Get_Kerning(f.face, previous, index, FT_KERNING_UNSCALED, &kern);
        p.x0 += static_cast<float>(kern.x) * p.scale;
        const size_t first = p.contours.size();
        FT_Outline_Decompose(&f.face->glyph->outline, &funcs, &p);
        for (size_t c = first; c < p.contours.size(); ++c)
            drop_closing_point(p.contours[c]);
        p.x0 += static_cast<float>(f.face->glyph->advance.x) * p.scale + tracking;
        previous = index;
    }
    // TrueType draws outer contours clockwise; the ink goes on the left by turning every
    // contour around.
    std::vector<tContour> closed;
    for (tContour& c : p.contours) {
        std::reverse(c.begin(), c.end());
        if (c.size() >= 3)
            closed.push_back(c);
    }
    return closed;
}
