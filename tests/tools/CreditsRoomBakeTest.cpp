// Checks the credits room's baked data: light maps that light what faces a lamp and shade
// what hides from it, light-map layouts without overlaps or stretching, and camera paths
// that never pass through the room, its pillars, its ring, its lamps or the hanging logo.
#include "cBakeShapes.h"
#include "cBakeSweep.h"
#include "cCreditsPaths.h"
#include "cCreditsRoom.h"
#include "cCreditsSunPaths.h"
#include "cLightmapAtlas.h"
#include "cLightmapBaker.h"
#include "cLogoMesh.h"
#include "cRoomSurfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The light-map texel of the point above (x, z) on a mesh lying in the XZ plane.
size_t texel_at(const cBakeMesh& mesh, int size, float x, float z) {
    for (const auto& t : mesh.triangles) {
        const Vec3f &a = mesh.positions[t[0]], &b = mesh.positions[t[1]], &c = mesh.positions[t[2]];
        const float det = (b.z - c.z) * (a.x - c.x) + (c.x - b.x) * (a.z - c.z);
        const float wa = ((b.z - c.z) * (x - c.x) + (c.x - b.x) * (z - c.z)) / det;
        const float wb = ((c.z - a.z) * (x - c.x) + (a.x - c.x) * (z - c.z)) / det;
        const float wc = 1 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0)
            continue;
        const float u =
            mesh.texcoords[t[0]].u * wa + mesh.texcoords[t[1]].u * wb + mesh.texcoords[t[2]].u * wc;
        const float v =
            mesh.texcoords[t[0]].v * wa + mesh.texcoords[t[1]].v * wb + mesh.texcoords[t[2]].v * wc;
        return size_t(int(v * float(size))) * size_t(size) + size_t(int(u * float(size)));
    }
    ADD_FAILURE() << "no triangle under " << x << ", " << z;
    return 0;
}

int brightness(const std::vector<uint8_t>& rgb, size_t texel) {
    return rgb[3 * texel] + rgb[3 * texel + 1] + rgb[3 * texel + 2];
}

// The map's brightness at the point `inset` inside triangle t from point `along` of its
// edge (k, k + 1), read at that point's light-map coordinates.
int brightness_inside(const cBakeMesh& mesh, const std::array<uint32_t, 3>& t, int k, float along,
                      float inset, const std::vector<uint8_t>& rgb, int size) {
    const uint32_t a = t[size_t(k)], b = t[size_t(k + 1) % 3], c = t[size_t(k + 2) % 3];
    const Vec3f &pa = mesh.positions[a], &pb = mesh.positions[b], &pc = mesh.positions[c];
    const Vec3f edge = pb - pa, to_c = pc - pa;
    const Vec3f inward = (to_c - edge * (to_c.dot(edge) / edge.dot(edge))).normalized();
    const Vec3f p = pa + edge * along + inward * inset;
    // Barycentric weights of p, then its map coordinates.
    const Vec3f n = edge.cross(to_c);
    const float wa = (pb - p).cross(pc - p).dot(n) / n.dot(n);
    const float wb = (pc - p).cross(pa - p).dot(n) / n.dot(n);
    const float wc = 1 - wa - wb;
    const float u = mesh.texcoords[a].u * wa + mesh.texcoords[b].u * wb + mesh.texcoords[c].u * wc;
    const float v = mesh.texcoords[a].v * wa + mesh.texcoords[b].v * wb + mesh.texcoords[c].v * wc;
    return brightness(rgb,
                      size_t(int(v * float(size))) * size_t(size) + size_t(int(u * float(size))));
}

// How far the light across the map's chart seams departs from the light's own slope, on
// the mean: at edges two triangles share in space but not in the map, the step from 0.75
// texel inside one side to 0.75 texel inside the other against the step from there on.
double mean_seam_step(const cBakeMesh& mesh, const std::vector<uint8_t>& rgb, int size,
                      float texel) {
    double sum = 0;
    int count = 0;
    const auto& tris = mesh.triangles;
    auto at = [&](size_t t, int k, float along, float inset) {
        return brightness_inside(mesh, tris[t], k, along, inset * texel, rgb, size);
    };
    for (size_t i = 0; i < tris.size(); ++i)
        for (size_t j = 0; j < tris.size(); ++j)
            for (int k = 0; k < 3; ++k)
                for (int m = 0; m < 3; ++m) {
                    const uint32_t a = tris[i][size_t(k)], b = tris[i][size_t(k + 1) % 3];
                    const uint32_t c = tris[j][size_t(m)], d = tris[j][size_t(m + 1) % 3];
                    const bool shared = (mesh.positions[a] - mesh.positions[d]).length() < 1e-3f &&
                                        (mesh.positions[b] - mesh.positions[c]).length() < 1e-3f;
                    if (i == j || !shared || (a == d && b == c))
                        continue;
                    for (float along : {0.25f, 0.5f, 0.75f}) {
                        const int here = at(i, k, along, 0.75f), on = at(i, k, along, 2.25f);
                        const int there = at(j, m, 1 - along, 0.75f);
                        sum += std::abs((here - there) - (on - here)), ++count;
                    }
                }
    EXPECT_GT(count, 0) << "no chart seams";
    return sum / std::max(count, 1);
}

// Closest distance from p to triangle abc.
float distance_to(const Vec3f& p, const Vec3f& a, const Vec3f& b, const Vec3f& c) {
    const Vec3f ab = b - a, ac = c - a, n = ab.cross(ac);
    const float nn = n.dot(n);
    if (nn > 0) {
        const Vec3f q = p - n * ((p - a).dot(n) / nn);
        const float wa = (b - q).cross(c - q).dot(n), wb = (c - q).cross(a - q).dot(n),
                    wc = (a - q).cross(b - q).dot(n);
        if (wa >= 0 && wb >= 0 && wc >= 0)
            return (p - q).length();
    }
    auto to_segment = [&](const Vec3f& s, const Vec3f& e) {
        const Vec3f d = e - s;
        const float t = d.dot(d) > 0 ? std::clamp((p - s).dot(d) / d.dot(d), 0.0f, 1.0f) : 0.0f;
        return (p - (s + d * t)).length();
    };
    return std::min({to_segment(a, b), to_segment(b, c), to_segment(c, a)});
}

float clearance(const Vec3f& p, const cBakeMesh& mesh, float enough) {
    float best = 1e30f;
    for (const auto& t : mesh.triangles) {
        const Vec3f &a = mesh.positions[t[0]], &b = mesh.positions[t[1]], &c = mesh.positions[t[2]];
        const Vec3f lo(std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y}),
                       std::min({a.z, b.z, c.z}));
        const Vec3f hi(std::max({a.x, b.x, c.x}), std::max({a.y, b.y, c.y}),
                       std::max({a.z, b.z, c.z}));
        if (p.x < lo.x - enough || p.y < lo.y - enough || p.z < lo.z - enough ||
            p.x > hi.x + enough || p.y > hi.y + enough || p.z > hi.z + enough)
            continue;
        best = std::min(best, distance_to(p, a, b, c));
    }
    return best;
}

} // namespace

// A lamp above a floor with a board between them: the board's shadow is darker than the
// floor beside it, and the lit floor is brighter with the lamps on than off.
TEST(CreditsRoomBake, LightMapsShadowAndSwitch) {
    const int size = 64;
    cBakeMesh floor = cLightmapAtlas::layout(cBakeShapes::plane(400, 400, 8, 8), size);
    cBakeMesh board =
        cLightmapAtlas::layout(cBakeShapes::box({80, 4, 80}).translate({0, 150, 0}), 32);
    cLightRig rig = cRoomSurfaces::rig();
    rig.lamps = {{{0, 300, 0}, 6}};
    const std::vector<cLightmapBaker::cPiece> pieces = {{&floor, size, 1, true},
                                                        {&board, 32, 0, false}};
    cLightmapBaker baker(pieces, cRoomSurfaces::surfaces(), rig);
    cBakeStats stats;
    const auto maps = baker.bake(stats);
    EXPECT_GT(stats.rays, 0u);
    const size_t shadow = texel_at(floor, size, 0, 0), beside = texel_at(floor, size, 130, 0);
    EXPECT_LT(brightness(maps[0].on, shadow) * 2, brightness(maps[0].on, beside));
    EXPECT_GT(brightness(maps[0].on, beside), brightness(maps[0].off, beside) + 60);
    // A second bake writes the same bytes.
    cLightmapBaker again(pieces, cRoomSurfaces::surfaces(), rig);
    EXPECT_EQ(again.bake(stats)[0].on, maps[0].on);
}

// A column lit from one side is cut into charts around its girth; across every seam the
// light keeps the slope it has on either side, so the column reads round, not faceted.
TEST(CreditsRoomBake, LightMapsAgreeAcrossChartSeams) {
    const int size = 128;
    const cBakeMesh column = cLightmapAtlas::layout(
        cBakeSweep::lathe(cBakeOutline({{34, 0}, {34, 300}}, false), 32), size);
    cLightRig rig = cRoomSurfaces::rig();
    rig.lamps = {{{160, 250, 90}, 6}};
    cLightmapBaker baker({{&column, size, 4, true}}, cRoomSurfaces::surfaces(), rig);
    cBakeStats stats;
    const std::vector<uint8_t> on = baker.bake(stats)[0].on;
    // A texel's length on the column: its side over the 60 % or so of the map charts cover.
    const float texel = std::sqrt(2 * 3.14159f * 34 * 300 / (size * size * 0.6f));
    // Averaged within each chart alone, the light stepped by 37 on the mean (of 765).
    EXPECT_LT(mean_seam_step(column, on, size, texel), 18);
}

// No texel centre lies inside two triangles of a piece, and a texel covers the same world
// area everywhere on a piece to within the bend a chart may have.
TEST(CreditsRoomBake, LightMapLayoutsNeitherOverlapNorStretch) {
    for (bool busted : {false, true})
        for (const cRoomPiece& piece : cCreditsRoom::laid_out(busted)) {
            const cBakeMesh& m = piece.mesh;
            const int size = piece.map_size;
            std::vector<uint8_t> hits(size_t(size) * size, 0);
            float lo = 1e30f, hi = 0;
            for (size_t i = 0; i < m.triangles.size(); ++i) {
                const auto& t = m.triangles[i];
                float px[3], py[3];
                for (int k = 0; k < 3; ++k)
                    px[k] = m.texcoords[t[size_t(k)]].u * float(size),
                    py[k] = m.texcoords[t[size_t(k)]].v * float(size);
                const float det =
                    (py[1] - py[2]) * (px[0] - px[2]) + (px[2] - px[1]) * (py[0] - py[2]);
                const Vec3f n = (m.positions[t[1]] - m.positions[t[0]])
                                    .cross(m.positions[t[2]] - m.positions[t[0]]);
                const bool plain = m.positions[t[0]].y > -15 && m.positions[t[0]].y < 600;
                if (plain && n.length() > 1.0f) {
                    lo = std::min(lo, std::fabs(det) / n.length());
                    hi = std::max(hi, std::fabs(det) / n.length());
                }
                for (int y = std::max(0, int(std::min({py[0], py[1], py[2]})));
                     y <= std::min(size - 1, int(std::max({py[0], py[1], py[2]}))); ++y)
                    for (int x = std::max(0, int(std::min({px[0], px[1], px[2]})));
                         x <= std::min(size - 1, int(std::max({px[0], px[1], px[2]}))); ++x) {
                        const float cx = float(x) + 0.5f, cy = float(y) + 0.5f;
                        const float a =
                            ((py[1] - py[2]) * (cx - px[2]) + (px[2] - px[1]) * (cy - py[2])) / det;
                        const float b =
                            ((py[2] - py[0]) * (cx - px[2]) + (px[0] - px[2]) * (cy - py[2])) / det;
                        if (a > 1e-3f && b > 1e-3f && 1 - a - b > 1e-3f)
                            ++hits[size_t(y) * size_t(size) + size_t(x)];
                    }
            }
            EXPECT_EQ(std::count_if(hits.begin(), hits.end(), [](uint8_t h) { return h > 1; }), 0)
                << piece.mesh_file;
            EXPECT_LT(hi / lo, 1.3f) << piece.mesh_file;
        }
}

// Every point the camera passes in either credits scene (keys and the straight steps between
// them) is inside the hall, at least 30 units from every surface of either room and out of the
// logo's turning circle.
TEST(CreditsRoomBake, CameraPathsStayClearOfTheRoom) {
    std::vector<cBakeMesh> room;
    for (bool busted : {false, true})
        for (const cRoomPiece& piece : cCreditsRoom::pieces(busted))
            room.push_back(piece.mesh);
    const float logo_reach = 6 * (cLogoMesh::kRingRadius + 3.5f);
    std::vector<cBakePathFile> paths = cCreditsPaths::all();
    for (const cBakePathFile& path : cCreditsSunPaths::all())
        paths.push_back(path);
    ASSERT_EQ(paths.size(), 13u);
    for (const cBakePathFile& path : paths)
        for (size_t k = 0; k < path.keys.size(); ++k) {
            const Vec3f from = path.keys[k > 0 ? k - 1 : 0].eye, to = path.keys[k].eye;
            const int steps = 1 + int((to - from).length() / 8);
            for (int s = 1; s <= steps; ++s) {
                const Vec3f eye = from + (to - from) * (float(s) / float(steps));
                const float axis = std::sqrt(eye.x * eye.x + eye.z * eye.z);
                const std::string where = path.file + " key " + std::to_string(k);
                EXPECT_LT(axis, cCreditsRoom::kWallRadius - 40) << where;
                EXPECT_GT(eye.y, 30) << where;
                EXPECT_LT(eye.y, cCreditsRoom::kCeiling - 40) << where;
                EXPECT_GT(std::max(axis - logo_reach, std::fabs(eye.y - 250) - logo_reach), 10)
                    << where;
                for (const cBakeMesh& mesh : room)
                    EXPECT_GT(clearance(eye, mesh, 30), 30) << where;
            }
        }
}
