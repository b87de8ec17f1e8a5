#include "cBakeShapes.h"

#include "base/Pi.h"

#include "cBakeSurface.h"

#include <cmath>
#include <stdexcept>

namespace {

struct cBoxFace {
    Vec3f normal, u, v;
};

// u x v = normal for each face, so corners taken in u-v order run
// counter-clockwise seen from outside.
const cBoxFace kBoxFaces[6] = {
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}}};

Vec3f times(const Vec3f& a, const Vec3f& b) {
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}

void need(bool ok, const char* what) {
    if (!ok)
        throw std::invalid_argument(what);
}

} // namespace

Vec3f cBakeShapes::around_y(float radius, int j, int segments) {
    const double angle = 2.0 * M_PI * (j % segments) / segments;
    return {radius * float(std::cos(angle)), 0.0f, -radius * float(std::sin(angle))};
}

Vec3f cBakeShapes::polar(float radius, float degrees, float y) {
    constexpr float kDeg = kPi / 180.0f;
    return {radius * std::cos(degrees * kDeg), y, radius * std::sin(degrees * kDeg)};
}

cBakeMesh cBakeShapes::box(const Vec3f& size) {
    const Vec3f half = size * 0.5f;
    cBakeMesh mesh;
    for (const cBoxFace& f : kBoxFaces) {
        const Vec3f centre = times(f.normal, half), u = times(f.u, half), v = times(f.v, half);
        const uint32_t a = mesh.add_vertex(centre - u - v, f.normal, {0, 0});
        const uint32_t b = mesh.add_vertex(centre + u - v, f.normal, {1, 0});
        const uint32_t c = mesh.add_vertex(centre + u + v, f.normal, {1, 1});
        const uint32_t d = mesh.add_vertex(centre - u + v, f.normal, {0, 1});
        mesh.add_quad(a, b, c, d);
    }
    return mesh;
}

cBakeMesh cBakeShapes::plane(float width, float depth, int columns, int rows) {
    return cBakeSurface::grid(columns, rows, [=](int c, int r) {
        const float s = float(c) / columns, t = float(r) / rows;
        return cSurfacePoint{{width * (s - 0.5f), 0, depth * (0.5f - t)}, {0, 1, 0}, {s, t}};
    });
}

cBakeMesh cBakeShapes::cylinder(float radius, float height, int segments, bool caps) {
    need(segments >= 3, "a cylinder needs at least 3 segments");
    cBakeMesh mesh = cBakeSurface::grid(segments, 1, [=](int c, int r) {
        const Vec3f rim = around_y(radius, c, segments);
        return cSurfacePoint{rim + Vec3f(0, height * (r - 0.5f), 0),
                             rim.normalized(),
                             {float(c) / segments, float(r)}};
    });
    if (caps) {
        add_cap(mesh, radius, 0.5f * height, segments, true);
        add_cap(mesh, radius, -0.5f * height, segments, false);
    }
    return mesh;
}

void cBakeShapes::add_cap(cBakeMesh& mesh, float radius, float y, int segments, bool up) {
    const Vec3f normal(0, up ? 1.0f : -1.0f, 0);
    const uint32_t centre = mesh.add_vertex({0, y, 0}, normal, {0.5f, 0.5f});
    for (int j = 0; j < segments; ++j) {
        const Vec3f p = around_y(radius, j, segments), q = around_y(radius, j + 1, segments);
        const float flip = up ? -1.0f : 1.0f; // the texture reads upright from outside
        const uint32_t a =
            mesh.add_vertex(p + Vec3f(0, y, 0), normal,
                            {0.5f + 0.5f * p.x / radius, 0.5f + flip * 0.5f * p.z / radius});
        const uint32_t b =
            mesh.add_vertex(q + Vec3f(0, y, 0), normal,
                            {0.5f + 0.5f * q.x / radius, 0.5f + flip * 0.5f * q.z / radius});
        up ? mesh.add_triangle(centre, a, b) : mesh.add_triangle(centre, b, a);
    }
}

cBakeMesh cBakeShapes::torus(float ring_radius, float tube_radius, int segments,
                             int tube_segments) {
    need(segments >= 3 && tube_segments >= 3, "a torus needs at least 3 segments each way");
    return cBakeSurface::grid(segments, tube_segments, [=](int c, int r) {
        const Vec3f out = around_y(1.0f, c, segments);
        const Vec3f tube = around_y(1.0f, r, tube_segments); // x: outward, -z: upward
        const Vec3f normal = out * tube.x + Vec3f(0, -tube.z, 0);
        return cSurfacePoint{out * ring_radius + normal * tube_radius,
                             normal,
                             {float(c) / segments, float(r) / tube_segments}};
    });
}

cBakeMesh cBakeShapes::sphere(float radius, int segments, int rings) {
    need(segments >= 3 && rings >= 2, "a sphere needs at least 3 segments and 2 rings");
    return cBakeSurface::grid(segments, rings, [=](int c, int r) {
        // Poles are set exactly, so the collapsed triangles there are found.
        const double lat = M_PI * (double(r) / rings - 0.5);
        const float y = r == 0 ? -1.0f : r == rings ? 1.0f : float(std::sin(lat));
        const float ring = r == 0 || r == rings ? 0.0f : float(std::cos(lat));
        const Vec3f normal = around_y(ring, c, segments) + Vec3f(0, y, 0);
        return cSurfacePoint{normal * radius, normal, {float(c) / segments, float(r) / rings}};
    });
}
