#include "cBakeSprutteShapes.h"

#include "base/Pi.h"
#include "cBakeSurface.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kStep = 1e-3f;

} // namespace

cBakeMesh cBakeSprutteShapes::surface(int columns, int rows, const cSurface& f, bool inside) {
    const auto at = [&](int c, int r) {
        const float u = static_cast<float>(c) / static_cast<float>(columns);
        const float v = static_cast<float>(r) / static_cast<float>(rows);
        // Central differences inside the domain, one-sided at its edges.
        const float u0 = std::max(u - kStep, 0.0f), u1 = std::min(u + kStep, 1.0f);
        const float v0 = std::max(v - kStep, 0.0f), v1 = std::min(v + kStep, 1.0f);
        const Vec3f du = f(u1, v) - f(u0, v), dv = f(u, v1) - f(u, v0);
        Vec3f n = du.cross(dv).normalized();
        if (n.length() < 0.5f) // a pole: the neighbouring row's normal
            n = (f(u1, v1) - f(u0, v1)).cross(dv).normalized();
        return cSurfacePoint{f(u, v), n, {u, v}};
    };
    cBakeMesh mesh = cBakeSurface::grid(columns, rows, at);
    if (inside)
        turn_inside_out(mesh);
    return mesh;
}

cBakeMesh cBakeSprutteShapes::bar(const cCurve& c, const Vec3f& plane, float radius, int steps,
                                  int around) {
    const Vec3f b = plane.normalized();
    // Columns run around the bar, rows along the curve: du x dv points outward for a frame
    // (t, n, b) with n = b x t.
    const auto f = [&](float u, float v) {
        const Vec3f t = (c(std::min(v + kStep, 1.0f)) - c(std::max(v - kStep, 0.0f))).normalized();
        const Vec3f n = b.cross(t).normalized();
        const float a = 2 * kPi * u;
        return c(v) + (n * std::cos(a) + b * std::sin(a)) * radius;
    };
    cBakeMesh mesh = surface(around, steps, f);
    // Keep the front outside whichever way the curve runs.
    const Vec3f centre = c(0.5f);
    const Vec3f p = mesh.positions[static_cast<size_t>(steps / 2 * (around + 1))];
    if (mesh.normals[static_cast<size_t>(steps / 2 * (around + 1))].dot(p - centre) < 0)
        turn_inside_out(mesh);
    return mesh;
}

void cBakeSprutteShapes::turn_inside_out(cBakeMesh& mesh) {
    for (auto& t : mesh.triangles)
        std::swap(t[1], t[2]);
    for (Vec3f& n : mesh.normals)
        n = -n;
}
