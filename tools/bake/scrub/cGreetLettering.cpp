#include "cGreetLettering.h"

#include "cPaintNoise.h"

#include <GL/glu.h>
#include <cmath>
#include <deque>
#include <map>
#include <stdexcept>
#include <utility>

namespace {

struct sTess {
    std::vector<cPoint2> out;
    std::deque<std::array<GLdouble, 3>> made; // points where contours cross
    GLenum error = 0;
};

void GLAPIENTRY on_vertex(void* vertex, void* data) {
    const auto* v = static_cast<const GLdouble*>(vertex);
    static_cast<sTess*>(data)->out.push_back({static_cast<float>(v[0]), static_cast<float>(v[1])});
}

void GLAPIENTRY on_combine(GLdouble coords[3], void* /*near*/[4], GLfloat /*weights*/[4],
                           void** result, void* data) {
    auto& made = static_cast<sTess*>(data)->made;
    made.push_back({coords[0], coords[1], coords[2]});
    *result = made.back().data();
}

// Registering an edge-flag callback makes the tessellator hand out plain triangles only.
void GLAPIENTRY on_edge_flag(GLboolean /*flag*/, void* /*data*/) {}

void GLAPIENTRY on_error(GLenum code, void* data) {
    static_cast<sTess*>(data)->error = code;
}

Vec3f at(cPoint2 p, float z) {
    return {p.x, p.y, z};
}

void triangle(cBakeMesh& m, const Vec3f (&p)[3], const Vec3f (&n)[3]) {
    const auto first = static_cast<uint32_t>(m.positions.size());
    for (int i = 0; i < 3; ++i) {
        m.positions.push_back(p[i]);
        m.normals.push_back(n[i].normalized());
    }
    m.add_triangle(first, first + 1, first + 2);
}

// Two triangles a-b-c and a-c-d, each vertex with its own normal.
void quad(cBakeMesh& m, const Vec3f (&p)[4], const Vec3f (&n)[4]) {
    triangle(m, {p[0], p[1], p[2]}, {n[0], n[1], n[2]});
    triangle(m, {p[0], p[2], p[3]}, {n[0], n[2], n[3]});
}

void add_caps(cBakeMesh& m, const std::vector<cGlyphContours::tContour>& contours, float h,
              float bevel) {
    std::vector<cGlyphContours::tContour> inset;
    for (const auto& c : contours)
        inset.push_back(cBakeOutline(c, true).offset(-bevel));
    const std::vector<cPoint2> tris = cGreetLettering::fill(inset);
    const Vec3f up(0, 0, 1), down(0, 0, -1);
    for (size_t i = 0; i + 2 < tris.size(); i += 3) {
        triangle(m, {at(tris[i], h), at(tris[i + 1], h), at(tris[i + 2], h)}, {up, up, up});
        triangle(m, {at(tris[i], -h), at(tris[i + 2], -h), at(tris[i + 1], -h)},
                 {down, down, down});
    }
}

// The bevels and the side of one contour; the outline splits normals at sharp corners.
void add_walls(cBakeMesh& m, const cGlyphContours::tContour& contour, float h, float bevel) {
    const cBakeOutline outline(contour, true, 35.0f);
    const auto& v = outline.vertices();
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        const cOutlineVertex& a = v[i];
        const cOutlineVertex& b = v[i + 1];
        const cPoint2 ai{a.point.x - a.miter.x * bevel, a.point.y - a.miter.y * bevel};
        const cPoint2 bi{b.point.x - b.miter.x * bevel, b.point.y - b.miter.y * bevel};
        const Vec3f na(a.normal.x, a.normal.y, 0), nb(b.normal.x, b.normal.y, 0);
        const Vec3f z(0, 0, 1);
        const float hb = h - bevel;
        quad(m, {at(a.point, hb), at(b.point, hb), at(bi, h), at(ai, h)},
             {na + z, nb + z, nb + z, na + z});
        quad(m, {at(a.point, -hb), at(b.point, -hb), at(b.point, hb), at(a.point, hb)},
             {na, nb, nb, na});
        quad(m, {at(ai, -h), at(bi, -h), at(b.point, -hb), at(a.point, -hb)},
             {na - z, nb - z, nb - z, na - z});
    }
}

Vec3f rotate(const Vec3f& v, const Vec3f& axis, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
}

} // namespace

std::vector<cPoint2> cGreetLettering::fill(const std::vector<cGlyphContours::tContour>& contours) {
    sTess data;
    std::deque<std::array<GLdouble, 3>> points;
    GLUtesselator* tess = gluNewTess();
    using tFn = _GLUfuncptr;
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<tFn>(on_vertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<tFn>(on_combine));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<tFn>(on_edge_flag));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<tFn>(on_error));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_POSITIVE);
    gluTessNormal(tess, 0, 0, 1);
    gluTessBeginPolygon(tess, &data);
    for (const auto& c : contours) {
        gluTessBeginContour(tess);
        for (const cPoint2& p : c) {
            points.push_back({p.x, p.y, 0.0});
            gluTessVertex(tess, points.back().data(), points.back().data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    if (data.error != 0)
        throw std::runtime_error(std::string("tessellation failed: ") +
                                 reinterpret_cast<const char*>(gluErrorString(data.error)));
    for (size_t i = 0; i + 2 < data.out.size(); i += 3) {
        const cPoint2 a = data.out[i], b = data.out[i + 1], c = data.out[i + 2];
        if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) < 0)
            std::swap(data.out[i + 1], data.out[i + 2]);
    }
    return data.out;
}

cBakeMesh cGreetLettering::solid(const std::string& font, const std::string& text,
                                 const sStyle& style) {
    std::vector<cGlyphContours::tContour> contours =
        cGlyphContours::text(font, text, style.tracking);
    float left = 1e9f, right = -1e9f;
    for (const auto& c : contours)
        for (const cPoint2& p : c) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
        }
    for (auto& c : contours)
        for (cPoint2& p : c)
            p = {(p.x - (left + right) / 2) * style.cap_height, (p.y - 0.5f) * style.cap_height};
    cBakeMesh mesh;
    const float h = style.depth / 2;
    add_caps(mesh, contours, h, style.bevel);
    for (const auto& c : contours)
        add_walls(mesh, c, h, style.bevel);
    return mesh;
}

cBakeMesh cGreetLettering::shattered(const cBakeMesh& solid, uint32_t seed) {
    // Wavy cells about half a letter wide make shards of irregular outline.
    std::map<std::pair<int, int>, std::vector<size_t>> shards;
    for (size_t t = 0; t < solid.triangles.size(); ++t) {
        const auto& tri = solid.triangles[t];
        const Vec3f c =
            (solid.positions[tri[0]] + solid.positions[tri[1]] + solid.positions[tri[2]]) *
            (1.0f / 3.0f);
        const float u = c.x + 1.4f * std::sin(c.y * 0.7f + 1.3f);
        const float v = c.y + 1.4f * std::sin(c.x * 0.9f);
        shards[{static_cast<int>(std::floor(u / 3.2f)), static_cast<int>(std::floor(v / 3.0f))}]
            .push_back(t);
    }
    cBakeMesh split = solid;
    for (const auto& [cell, tris] : shards) {
        uint32_t state = cPaintNoise::hash(cell.first, cell.second, 0, seed);
        Vec3f centre;
        for (size_t t : tris)
            for (uint32_t i : solid.triangles[t])
                centre += solid.positions[i];
        centre *= 1.0f / static_cast<float>(3 * tris.size());
        const Vec3f out = Vec3f(centre.x, centre.y * 1.6f, 0).normalized();
        const Vec3f drift =
            (out * (6.0f + 12.0f * cPaintNoise::random(state)) +
             Vec3f(cPaintNoise::random(state) - 0.5f, cPaintNoise::random(state) - 0.5f,
                   (cPaintNoise::random(state) - 0.3f) * 1.6f) *
                 10.0f);
        const Vec3f axis =
            Vec3f(cPaintNoise::random(state) - 0.5f, cPaintNoise::random(state) - 0.5f,
                  cPaintNoise::random(state) - 0.5f)
                .normalized();
        const float angle = 0.7f + 1.8f * cPaintNoise::random(state);
        for (size_t t : tris)
            for (uint32_t i : solid.triangles[t]) {
                split.positions[i] =
                    rotate(solid.positions[i] - centre, axis, angle) + centre + drift;
                split.normals[i] = rotate(solid.normals[i], axis, angle);
            }
    }
    return split;
}
