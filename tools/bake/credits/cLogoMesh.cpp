#include "cLogoMesh.h"

#include "cBakeShapes.h"
#include "cBakeSweep.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kCurveSteps = 8;

struct cFlattener {
    std::vector<std::vector<cPoint2>> contours;
    cPoint2 pen, origin;
    float scale = 1;

    cPoint2 to_point(const FT_Vector* v) const {
        return {origin.x + float(v->x) * scale, origin.y + float(v->y) * scale};
    }
    void add(cPoint2 p) {
        const cPoint2& last = contours.back().back();
        if (std::fabs(last.x - p.x) + std::fabs(last.y - p.y) > 1e-4f)
            contours.back().push_back(p);
        pen = p;
    }
};

int move_to(const FT_Vector* to, void* user) {
    auto* f = static_cast<cFlattener*>(user);
    f->contours.push_back({f->to_point(to)});
    f->pen = f->to_point(to);
    return 0;
}

int line_to(const FT_Vector* to, void* user) {
    auto* f = static_cast<cFlattener*>(user);
    f->add(f->to_point(to));
    return 0;
}

int conic_to(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* f = static_cast<cFlattener*>(user);
    const cPoint2 a = f->pen, c = f->to_point(control), b = f->to_point(to);
    for (int i = 1; i <= kCurveSteps; ++i) {
        const float t = float(i) / kCurveSteps, s = 1 - t;
        f->add({s * s * a.x + 2 * s * t * c.x + t * t * b.x,
                s * s * a.y + 2 * s * t * c.y + t * t * b.y});
    }
    return 0;
}

int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* f = static_cast<cFlattener*>(user);
    const cPoint2 a = f->pen, p = f->to_point(c1), q = f->to_point(c2), b = f->to_point(to);
    for (int i = 1; i <= kCurveSteps; ++i) {
        const float t = float(i) / kCurveSteps, s = 1 - t;
        const float w0 = s * s * s, w1 = 3 * s * s * t, w2 = 3 * s * t * t, w3 = t * t * t;
        f->add(
            {w0 * a.x + w1 * p.x + w2 * q.x + w3 * b.x, w0 * a.y + w1 * p.y + w2 * q.y + w3 * b.y});
    }
    return 0;
}

} // namespace

std::vector<std::vector<cPoint2>> cLogoMesh::outlines(const std::string& face_file,
                                                      const std::string& text) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library))
        throw std::runtime_error("cannot start FreeType");
    if (FT_New_Face(library, face_file.c_str(), 0, &face)) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + face_file);
    }
    FT_Set_Char_Size(face, 0, 64 * 64, 72, 72); // an em of 64 pixels, in 26.6 units
    cFlattener flat;
    flat.scale = 1.0f / (64 * 64);
    const FT_Outline_Funcs funcs{move_to, line_to, conic_to, cubic_to, 0, 0};
    FT_UInt previous = 0;
    for (char c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, FT_ULong(c));
        if (!glyph || FT_Load_Glyph(face, glyph, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING)) {
            FT_Done_Face(face);
            FT_Done_FreeType(library);
            throw std::runtime_error(std::string("the font lacks '") + c + "'");
        }
        FT_Vector kern{0, 0};
        if (previous)
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNSCALED, &kern);
        flat.origin.x += float(kern.x) / float(face->units_per_EM);
        FT_Outline_Decompose(&face->glyph->outline, &funcs, &flat);
        flat.origin.x += float(face->glyph->advance.x) * flat.scale;
        previous = glyph;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    for (auto& contour : flat.contours) {
        if (contour.size() > 1 && std::fabs(contour.front().x - contour.back().x) +
                                          std::fabs(contour.front().y - contour.back().y) <
                                      1e-4f)
            contour.pop_back();
        if (cBakeOutline(contour, true).signed_area2() < 0)
            std::reverse(contour.begin(), contour.end());
    }
    return flat.contours;
}

cBakeMesh cLogoMesh::build() {
    const auto contours = outlines("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "mrl");
    float lo_x = 1e9f, hi_x = -1e9f, lo_y = 1e9f, hi_y = -1e9f;
    for (const auto& c : contours)
        for (const cPoint2& p : c) {
            lo_x = std::min(lo_x, p.x), hi_x = std::max(hi_x, p.x);
            lo_y = std::min(lo_y, p.y), hi_y = std::max(hi_y, p.y);
        }
    cBakeMesh logo;
    for (auto contour : contours) {
        for (cPoint2& p : contour)
            p = {(p.x - (lo_x + hi_x) / 2) * kEm, (p.y - (lo_y + hi_y) / 2) * kEm};
        logo.append(cBakeSweep::extrude(cBakeOutline(contour, true), 3.0f, 0.35f));
    }
    cBakeMesh ring = cBakeShapes::torus(kRingRadius, 1.1f, 96, 12);
    ring.rotate({1, 0, 0}, 90);
    logo.append(ring);
    // Three studs on the ring, a third of a turn apart, so the turning silhouette reads.
    for (int k = 0; k < 3; ++k) {
        cBakeMesh stud = cBakeShapes::sphere(2.2f, 20, 10);
        stud.translate(cBakeShapes::polar(kRingRadius, 90.0f + 120.0f * float(k), 0));
        stud.rotate({1, 0, 0}, 90);
        logo.append(stud);
    }
    return logo;
}
