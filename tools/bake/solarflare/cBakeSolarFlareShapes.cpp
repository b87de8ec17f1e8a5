#include "cBakeSolarFlareShapes.h"

#include "BakeFile.h"
#include "base/Pi.h"
#include "cBzObjWriter.h"

#include <algorithm>
#include <cmath>

namespace {

// Segments of ring k: proportional to its circumference, so every band's triangles have about
// the area of the equator's. The poles repeat the first ring's count.
int segments_of(int k, int rings) {
    const int inner = std::clamp(k, 1, rings - 1);
    const float lat = kPi * (static_cast<float>(inner) / rings - 0.5f);
    return std::max(6, static_cast<int>(std::lround(2.0f * rings * std::cos(lat))));
}

// Adds triangle a-b-c wound counter-clockwise as seen from outside the origin.
void add_outward(cBakeMesh& mesh, uint32_t a, uint32_t b, uint32_t c) {
    const Vec3f& p = mesh.positions[a];
    const Vec3f n = (mesh.positions[b] - p).cross(mesh.positions[c] - p);
    if (n.dot(p + mesh.positions[b] + mesh.positions[c]) < 0)
        std::swap(b, c);
    mesh.add_triangle(a, b, c);
}

} // namespace

// Walks two rings of vertices (na + 1 and nb + 1 of them, u from 0 to 1) side by side and
// fills the band between them, always advancing on the ring whose next vertex comes first.
void cBakeSolarFlareShapes::stitch(cBakeMesh& mesh, uint32_t a, int na, uint32_t b, int nb) {
    int i = 0, j = 0;
    while (i < na || j < nb) {
        const float ua = static_cast<float>(i + 1) / na, ub = static_cast<float>(j + 1) / nb;
        if (j == nb || (i < na && ua < ub)) {
            add_outward(mesh, a + i, a + i + 1, b + j);
            ++i;
        } else {
            add_outward(mesh, a + i, b + j + 1, b + j);
            ++j;
        }
    }
}

cBakeMesh cBakeSolarFlareShapes::sun() {
    cBakeMesh mesh;
    std::vector<uint32_t> first(kRings + 1);
    for (int k = 0; k <= kRings; ++k) {
        const int n = segments_of(k, kRings);
        const float lat = kPi * (static_cast<float>(k) / kRings - 0.5f);
        first[k] = static_cast<uint32_t>(mesh.vertex_count());
        for (int j = 0; j <= n; ++j) {
            // Pole vertices sit on the axis; their u is mid-segment so the map stays unsmeared.
            const bool pole = k == 0 || k == kRings;
            const float u = pole ? (j + 0.5f) / n : static_cast<float>(j) / n;
            const float angle = 2 * kPi * (j % n) / n;
            const float ring = pole ? 0.0f : std::cos(lat);
            const float y = k == 0 ? -1.0f : k == kRings ? 1.0f : std::sin(lat);
            const Vec3f normal(ring * std::cos(angle), y, -ring * std::sin(angle));
            mesh.add_vertex(normal * kRadius, normal, {u, static_cast<float>(k) / kRings});
        }
    }
    for (int k = 0; k < kRings; ++k) {
        const int na = segments_of(k, kRings), nb = segments_of(k + 1, kRings);
        if (k == 0) // the south cap: one triangle per segment of ring 1
            for (int j = 0; j < nb; ++j)
                add_outward(mesh, first[0] + j, first[1] + j, first[1] + j + 1);
        else if (k == kRings - 1)
            for (int j = 0; j < na; ++j)
                add_outward(mesh, first[kRings] + j, first[k] + j, first[k] + j + 1);
        else
            stitch(mesh, first[k], na, first[k + 1], nb);
    }
    return mesh;
}

cBakeMesh cBakeSolarFlareShapes::flare() {
    constexpr int kAlong = 32, kAcross = 4;
    // The arc's centre sits a little below the surface so its feet sink into the sun.
    const float centre = kRadius - 0.9f;
    const float inner = 0.16f * kRadius, outer = 0.36f * kRadius;
    cBakeMesh mesh;
    for (int a = 0; a <= kAlong; ++a) {
        const float u = static_cast<float>(a) / kAlong;
        const float angle = kPi * (-0.08f + 1.16f * u); // a little past both horizontals
        for (int c = 0; c <= kAcross; ++c) {
            const float v = static_cast<float>(c) / kAcross;
            const float r = inner + (outer - inner) * v;
            // The band leans and bows out of its plane, so no view sees it as a bare line.
            const float bow = 0.10f * kRadius * std::sin(kPi * u) * (0.3f + v);
            const float lean = 0.06f * kRadius * (u - 0.5f);
            const Vec3f p(r * std::cos(angle), centre + r * std::sin(angle), bow + lean);
            mesh.add_vertex(p, Vec3f(0, 0, 1), {u, v});
        }
    }
    for (int a = 0; a < kAlong; ++a)
        for (int c = 0; c < kAcross; ++c) {
            const uint32_t i = static_cast<uint32_t>(a * (kAcross + 1) + c);
            mesh.add_quad(i, i + kAcross + 1, i + kAcross + 2, i + 1);
        }
    return mesh;
}

void cBakeSolarFlareShapes::bake(const std::string& data_dir) {
    const cBakeFile sun_file(data_dir, "models/sunflare/sun.bzobj");
    cBzObjWriter::write(sun(), sun_file.path());
    sun_file.report();
    const cBakeFile flare_file(data_dir, "models/sunflare/sunflare.bzobj");
    cBzObjWriter::write(flare(), flare_file.path());
    flare_file.report();
}
