#include "cRoomParts.h"

#include "cBakeShapes.h"
#include "cBakeSurface.h"
#include "cPaintNoise.h"

#include <cmath>

namespace {

void add_end_cap(cBakeMesh& mesh, const cBakeOutline& profile, float degrees, bool start) {
    const Vec3f dir = cBakeShapes::polar(1, degrees, 0);
    const Vec3f tangent(-dir.z, 0, dir.x); // direction of increasing angle
    const Vec3f normal = start ? -tangent : tangent;
    const auto base = uint32_t(mesh.vertex_count());
    for (const cPoint2& p : profile.points())
        mesh.add_vertex(dir * p.x + Vec3f(0, p.y, 0), normal, {0, 0});
    for (const auto& t : profile.triangulate())
        mesh.add_triangle(base + t[0], base + t[1], base + t[2]);
}

} // namespace

cBakeMesh cRoomParts::sector(const cBakeOutline& profile, float a0, float a1, int segments) {
    const auto& v = profile.vertices();
    cBakeMesh mesh = cBakeSurface::grid(segments, int(v.size()) - 1, [&](int c, int r) {
        const cOutlineVertex& o = v[size_t(r)];
        const float a = a0 + (a1 - a0) * float(c) / float(segments);
        const Vec3f dir = cBakeShapes::polar(1, a, 0);
        return cSurfacePoint{dir * o.point.x + Vec3f(0, o.point.y, 0),
                             dir * o.normal.x + Vec3f(0, o.normal.y, 0),
                             {0, 0}};
    });
    if (std::fabs(a1 - a0) < 359.9f) {
        add_end_cap(mesh, profile, a0, true);
        add_end_cap(mesh, profile, a1, false);
    }
    fix_winding(mesh);
    return mesh;
}

cBakeMesh cRoomParts::block(const Vec3f& size, const Vec3f& at, float yaw, float tilt) {
    cBakeMesh mesh = cBakeShapes::box(size);
    if (tilt != 0)
        mesh.rotate({1, 0, 0}, tilt);
    if (yaw != 0)
        mesh.rotate({0, 1, 0}, yaw);
    mesh.translate(at);
    return mesh;
}

cBakeMesh cRoomParts::broken_column(float radius, float y0, float y1, float rough, int seed) {
    constexpr int kSides = 24;
    cBakeMesh mesh;
    const float up = y1 > y0 ? 1.0f : -1.0f;
    std::vector<float> tear(kSides + 1);
    for (int j = 0; j <= kSides; ++j)
        tear[size_t(j)] = rough * (2 * cPaintNoise::hash01(j % kSides, 0, seed) - 1);
    for (int j = 0; j <= kSides; ++j) {
        const Vec3f dir = cBakeShapes::around_y(1, j, kSides);
        mesh.add_vertex(dir * radius + Vec3f(0, y0, 0), dir, {0, 0});
        mesh.add_vertex(dir * radius + Vec3f(0, y1 + up * tear[size_t(j)], 0), dir, {0, 0});
    }
    for (uint32_t j = 0; j < kSides; ++j)
        mesh.add_quad(2 * j, 2 * j + 2, 2 * j + 3, 2 * j + 1);
    // The broken face: a fan from a sunken centre, facing away from the column.
    const auto centre = mesh.add_vertex({0, y1 - up * rough * 0.5f, 0}, {0, up, 0}, {0, 0});
    const auto rim = uint32_t(mesh.vertex_count());
    for (int j = 0; j <= kSides; ++j) {
        const Vec3f dir = cBakeShapes::around_y(1, j, kSides);
        mesh.add_vertex(dir * radius + Vec3f(0, y1 + up * tear[size_t(j)], 0), {0, up, 0}, {0, 0});
    }
    for (uint32_t j = 0; j < kSides; ++j)
        mesh.add_triangle(centre, rim + j, rim + j + 1);
    fix_winding(mesh);
    return mesh;
}

void cRoomParts::fix_winding(cBakeMesh& mesh) {
    if (!mesh.has_normals())
        return;
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        auto& t = mesh.triangles[i];
        const Vec3f n = mesh.normals[t[0]] + mesh.normals[t[1]] + mesh.normals[t[2]];
        if (mesh.face_normal(i).dot(n) < 0)
            std::swap(t[1], t[2]);
    }
}

void cRoomParts::drop_faces(cBakeMesh& mesh, const Vec3f& dir, float cosine) {
    std::vector<cBakeMesh::cTriangle> kept;
    for (size_t i = 0; i < mesh.triangles.size(); ++i)
        if (mesh.face_normal(i).dot(dir) <= cosine)
            kept.push_back(mesh.triangles[i]);
    mesh.triangles = kept;
}
