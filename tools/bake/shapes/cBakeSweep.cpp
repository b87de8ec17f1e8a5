#include "cBakeSweep.h"

#include "cBakeShapes.h"
#include "cBakeSurface.h"

#include <algorithm>
#include <stdexcept>

namespace {

void check_extrusion(float depth, float bevel) {
    if (!(depth > 0) || bevel < 0 || 2 * bevel >= depth)
        throw std::invalid_argument("an extrusion needs depth > 0 and 0 <= bevel < depth / 2");
}

} // namespace

// One band between z0 and z1, its outline moved inward by inset0 and inset1;
// a band that narrows tilts its normals towards the end that narrows.
cBakeMesh cBakeSweep::wall(const cBakeOutline& outline, float z0, float z1, float inset0,
                           float inset1) {
    const auto& v = outline.vertices();
    const float tilt = (inset1 - inset0) / (z1 - z0);
    return cBakeSurface::grid(int(v.size()) - 1, 1, [&](int c, int r) {
        const cOutlineVertex& o = v[size_t(c)];
        const float inset = r ? inset1 : inset0;
        const Vec3f p(o.point.x - o.miter.x * inset, o.point.y - o.miter.y * inset, r ? z1 : z0);
        const Vec3f n = Vec3f(o.normal.x, o.normal.y, tilt).normalized();
        return cSurfacePoint{p, n, {o.distance / outline.length(), float(r)}};
    });
}

cBakeMesh cBakeSweep::extrusion_sides(const cBakeOutline& outline, float depth, float bevel) {
    check_extrusion(depth, bevel);
    const float h = 0.5f * depth;
    cBakeMesh mesh = wall(outline, -h + bevel, h - bevel, 0, 0);
    if (bevel > 0) {
        mesh.append(wall(outline, -h, -h + bevel, bevel, 0));
        mesh.append(wall(outline, h - bevel, h, 0, bevel));
    }
    return mesh;
}

void cBakeSweep::add_cap(cBakeMesh& mesh, const cBakeOutline& outline, float z, float inset) {
    const std::vector<cPoint2> points = outline.offset(-inset);
    float lo_x = points[0].x, hi_x = lo_x, lo_y = points[0].y, hi_y = lo_y;
    for (const cPoint2& p : outline.points()) {
        lo_x = std::min(lo_x, p.x), hi_x = std::max(hi_x, p.x);
        lo_y = std::min(lo_y, p.y), hi_y = std::max(hi_y, p.y);
    }
    const float span = std::max(hi_x - lo_x, hi_y - lo_y);
    const bool front = z > 0;
    const Vec3f normal(0, 0, front ? 1.0f : -1.0f);
    const auto base = uint32_t(mesh.vertex_count());
    for (const cPoint2& p : points) {
        const float u = (p.x - lo_x) / span; // mirrored at the back so it reads from behind
        mesh.add_vertex({p.x, p.y, z}, normal, {front ? u : 1.0f - u, (p.y - lo_y) / span});
    }
    for (const auto& t : outline.triangulate())
        front ? mesh.add_triangle(base + t[0], base + t[1], base + t[2])
              : mesh.add_triangle(base + t[0], base + t[2], base + t[1]);
}

cBakeMesh cBakeSweep::extrusion_caps(const cBakeOutline& outline, float depth, float bevel) {
    check_extrusion(depth, bevel);
    cBakeMesh mesh;
    add_cap(mesh, outline, 0.5f * depth, bevel);
    add_cap(mesh, outline, -0.5f * depth, bevel);
    return mesh;
}

cBakeMesh cBakeSweep::extrude(const cBakeOutline& outline, float depth, float bevel) {
    cBakeMesh mesh = extrusion_sides(outline, depth, bevel);
    mesh.append(extrusion_caps(outline, depth, bevel));
    return mesh;
}

cBakeMesh cBakeSweep::lathe(const cBakeOutline& profile, int segments) {
    if (segments < 3)
        throw std::invalid_argument("a lathe needs at least 3 segments");
    for (const cPoint2& p : profile.points())
        if (p.x < 0)
            throw std::invalid_argument("a lathe profile has a negative radius");
    const auto& v = profile.vertices();
    return cBakeSurface::grid(segments, int(v.size()) - 1, [&](int c, int r) {
        const cOutlineVertex& o = v[size_t(r)];
        const Vec3f dir = cBakeShapes::around_y(1.0f, c, segments);
        return cSurfacePoint{dir * o.point.x + Vec3f(0, o.point.y, 0),
                             dir * o.normal.x + Vec3f(0, o.normal.y, 0),
                             {float(c) / segments, o.distance / profile.length()}};
    });
}
