#include "cCreditsRoom.h"

#include "cBakeShapes.h"
#include "cBakeSweep.h"
#include "cLightmapAtlas.h"
#include "cPaintNoise.h"
#include "cRoomParts.h"

#include <cmath>

namespace {

// A repeatable 0..1 value per integer pair: which slab is broken, where rubble lies.
float scatter(int a, int b) {
    return cPaintNoise::hash01(a, b, 3);
}

// Keeps the triangles for which `keep` holds of the centroid.
template <class F> void keep_where(cBakeMesh& mesh, F keep) {
    std::vector<cBakeMesh::cTriangle> kept;
    for (const auto& t : mesh.triangles) {
        const Vec3f c =
            (mesh.positions[t[0]] + mesh.positions[t[1]] + mesh.positions[t[2]]) * (1.0f / 3.0f);
        if (keep(c))
            kept.push_back(t);
    }
    mesh.triangles = kept;
}

float radius_of(const Vec3f& p) {
    return std::sqrt(p.x * p.x + p.z * p.z);
}

cBakeMesh disc(float radius, float y, int segments) {
    cBakeMesh mesh;
    const auto centre = mesh.add_vertex({0, y, 0}, {0, 1, 0}, {0, 0});
    for (int j = 0; j <= segments; ++j)
        mesh.add_vertex(cBakeShapes::around_y(radius, j, segments) + Vec3f(0, y, 0), {0, 1, 0},
                        {0, 0});
    for (uint32_t j = 1; j <= uint32_t(segments); ++j)
        mesh.add_triangle(centre, j, j + 1);
    cRoomParts::fix_winding(mesh);
    return mesh;
}

// A piece of the ring knocked loose: a short sector laid down on the floor at `at`.
cBakeMesh ring_fragment(const cBakeOutline& profile, float span, const Vec3f& at, float yaw,
                        float tilt) {
    cBakeMesh chunk = cRoomParts::sector(profile, 0, span, 4);
    const Vec3f middle = cBakeShapes::polar(190, span / 2, 40);
    chunk.translate(-middle);
    chunk.rotate({0, 0, 1}, tilt);
    chunk.rotate({0, 1, 0}, yaw);
    chunk.translate(at);
    return chunk;
}

const cBakeOutline& ring_profile() {
    static const cBakeOutline profile({{130, 0},
                                       {250, 0},
                                       {250, 28},
                                       {232, 34},
                                       {232, 68},
                                       {222, 80},
                                       {150, 80},
                                       {140, 70},
                                       {140, 20},
                                       {130, 14}},
                                      true);
    return profile;
}

} // namespace

cBakeMesh cCreditsRoom::centre_ring(bool busted) {
    cBakeMesh ring;
    if (!busted) {
        ring = cRoomParts::sector(ring_profile(), 0, 360, 96);
    } else {
        // Four gaps where the ring broke; one stretch has sunk into the floor.
        const float arcs[][3] = {
            {0, 70, 0}, {78, 150, -9}, {162, 250, 0}, {256, 300, 0}, {318, 360, 0}};
        for (const auto& a : arcs) {
            cBakeMesh part =
                cRoomParts::sector(ring_profile(), a[0], a[1], int((a[1] - a[0]) / 3.5f));
            part.translate({0, a[2], 0});
            ring.append(part);
        }
        const float pieces[][5] = {{6, 74, 290, 8, 20},
                                   {5, 156, 300, -25, 75},
                                   {7, 309, 285, 40, 90},
                                   {4, 253, 275, 10, -30},
                                   {6, 306, 120, -60, 15}};
        for (const auto& p : pieces) {
            const Vec3f at = cBakeShapes::polar(p[2], p[1], 22);
            ring.append(ring_fragment(ring_profile(), p[0], at, p[3], p[4]));
        }
    }
    cRoomParts::drop_faces(ring, {0, -1, 0}, 0.9f);
    return ring;
}

cBakeMesh cCreditsRoom::hall() {
    // The cross-section of wall and ceiling, counter-clockwise: skylight shaft, ceiling,
    // cornice, wall with a rail and a plinth, down to the subfloor.
    const cBakeOutline profile({{800, -20},
                                {800, 700},
                                {kSkylight, 700},
                                {kSkylight, kCeiling},
                                {730, kCeiling},
                                {745, 628},
                                {kWallRadius, 610},
                                {kWallRadius, 312},
                                {752, 312},
                                {752, 300},
                                {kWallRadius, 300},
                                {kWallRadius, 30},
                                {746, 30},
                                {746, -20}},
                               true);
    cBakeMesh shell = cRoomParts::sector(profile, 0, 360, 72);
    keep_where(shell, [](const Vec3f& c) { return radius_of(c) < 790 && c.y < 690; });
    return shell;
}

cBakeMesh cCreditsRoom::floor_slabs(bool busted) {
    constexpr float kStep = 100, kSlab = 95, kThick = 6;
    cBakeMesh slabs;
    for (int i = -8; i < 8; ++i)
        for (int k = -8; k < 8; ++k) {
            const Vec3f c((float(i) + 0.5f) * kStep, -kThick / 2, (float(k) + 0.5f) * kStep);
            const float r = radius_of(c);
            if (r - 0.71f * kStep > kWallRadius)
                continue; // wholly behind the wall
            const float roll = busted ? scatter(i, k) : 1.0f;
            if (roll < 0.07f)
                continue; // missing: the subfloor shows
            if (roll < 0.17f) {
                // Sunk and tipped.
                slabs.append(cRoomParts::block({kSlab, kThick, kSlab}, c + Vec3f(0, -5, 0),
                                               90 * scatter(k, i), 3 + 5 * scatter(i + 3, k)));
            } else if (roll < 0.27f) {
                // Cracked in two, the halves pushed apart.
                const float w = kSlab * (0.35f + 0.3f * scatter(i, k + 7));
                slabs.append(cRoomParts::block({w, kThick, kSlab},
                                               c + Vec3f(-kSlab / 2 + w / 2 - 2, -1, 0), 1.5f));
                slabs.append(cRoomParts::block({kSlab - w - 3, kThick, kSlab},
                                               c + Vec3f(w / 2 + 1.5f, -2.5f, 1), -2, 2));
            } else {
                slabs.append(cRoomParts::block({kSlab, kThick, kSlab}, c));
            }
        }
    cRoomParts::drop_faces(slabs, {0, -1, 0}, 0.9f);
    return slabs;
}

cBakeMesh cCreditsRoom::floor(bool busted) {
    cBakeMesh mesh = hall();
    mesh.append(disc(kWallRadius, -20, 72));
    mesh.append(floor_slabs(busted));
    if (busted)
        for (int n = 0; n < 46; ++n) {
            // Rubble around the broken ring and the snapped pillars.
            const float near_pillar = scatter(n, 1) < 0.5f ? 1.0f : 0.0f;
            const float angle = near_pillar ? kPillarAngle + 45.0f * float(1 + 5 * (n % 2)) +
                                                  30 * (scatter(n, 2) - 0.5f)
                                            : 360 * scatter(n, 3);
            const float radius = near_pillar ? kPillarRadius + 120 * (scatter(n, 4) - 0.5f)
                                             : 270 + 60 * scatter(n, 5);
            const float size = 5 + 14 * scatter(n, 6);
            mesh.append(cRoomParts::block({size, size * (0.5f + 0.4f * scatter(n, 7)), size * 1.3f},
                                          cBakeShapes::polar(radius, angle, size * 0.3f),
                                          360 * scatter(n, 8), 40 * (scatter(n, 9) - 0.5f)));
        }
    return mesh;
}

cBakeMesh cCreditsRoom::lamp() {
    const cBakeOutline shade({{26, -14}, {29, -14}, {11, 17}, {0, 19}, {0, 15}, {9, 13}}, true);
    cBakeMesh lamps;
    for (int k = 0; k < 8; ++k) {
        const float a = 45.0f * float(k);
        const Vec3f base = cBakeShapes::polar(700, a, 450);
        cBakeMesh head = cRoomParts::sector(shade, 0, 360, 32);
        head.translate(base);
        lamps.append(head);
        cBakeMesh bulb = cBakeShapes::sphere(8, 20, 10);
        bulb.translate(base + Vec3f(0, -10, 0));
        lamps.append(bulb);
        lamps.append(cRoomParts::block({58, 6, 6}, cBakeShapes::polar(729, a, 472), -a));
        lamps.append(cRoomParts::block({6, 70, 40}, cBakeShapes::polar(757, a, 462), -a));
    }
    return lamps;
}

std::vector<cLightLamp> cCreditsRoom::lamps() {
    std::vector<cLightLamp> list;
    for (int k = 0; k < 8; ++k)
        list.push_back({cBakeShapes::polar(700, 45.0f * float(k), 440), 8});
    return list;
}

cBakeMesh cCreditsRoom::pipe() {
    cBakeMesh pipes;
    for (float y : {100.0f, 575.0f}) {
        cBakeMesh ring = cBakeShapes::torus(742, 9, 160, 12);
        ring.translate({0, y, 0});
        pipes.append(ring);
    }
    for (int k = 0; k < 8; ++k) {
        const float a = 45.0f * float(k) + 14;
        cBakeMesh riser = cBakeShapes::cylinder(7, 475, 16, false);
        riser.translate(cBakeShapes::polar(744, a, 337.5f));
        pipes.append(riser);
        for (float y : {100.0f, 575.0f}) {
            cBakeMesh joint = cBakeShapes::sphere(13, 16, 8);
            joint.translate(cBakeShapes::polar(743, a, y));
            pipes.append(joint);
        }
        for (float y : {220.0f, 340.0f, 460.0f})
            pipes.append(cRoomParts::block({18, 8, 20}, cBakeShapes::polar(752, a, y), -a));
    }
    return pipes;
}

cBakeMesh cCreditsRoom::pillar(float degrees, int damage) {
    const cBakeOutline foot({{52, 30}, {52, 38}, {44, 46}, {38, 50}, {34, 56}}, false);
    const cBakeOutline shaft({{34, 56}, {34, 574}}, false);
    const cBakeOutline head({{34, 574}, {38, 580}, {46, 592}, {52, 604}, {52, 610}}, false);
    cBakeMesh mesh = cRoomParts::block({110, 30, 110}, {0, 15, 0});
    mesh.append(cBakeSweep::lathe(foot, 32));
    mesh.append(cBakeSweep::lathe(head, 32));
    mesh.append(cRoomParts::block({120, 30, 120}, {0, kCeiling - 15, 0}));
    if (damage == 0) {
        mesh.append(cBakeSweep::lathe(shaft, 32));
    } else {
        const float low = damage == 1 ? 250 : 180, high = damage == 1 ? 420 : 480;
        mesh.append(cRoomParts::broken_column(34, 56, low, 16, damage * 7));
        mesh.append(cRoomParts::broken_column(34, 574, high, 16, damage * 11));
        if (damage == 1) {
            cBakeMesh fallen = cRoomParts::broken_column(34, 0, 140, 12, damage * 13);
            fallen.rotate({1, 0, 0}, 90);
            fallen.rotate({0, 1, 0}, -35);
            fallen.translate({-110, 33, 30});
            mesh.append(fallen);
        }
    }
    mesh.rotate({0, 1, 0}, -degrees);
    mesh.translate(cBakeShapes::polar(kPillarRadius, degrees, 0));
    cRoomParts::fix_winding(mesh);
    return mesh;
}

cBakeMesh cCreditsRoom::pillars(bool busted) {
    cBakeMesh all;
    for (int k = 0; k < 8; ++k) {
        const int damage = !busted ? 0 : k == 1 || k == 6 ? 1 : k == 4 ? 2 : 0;
        all.append(pillar(kPillarAngle + 45.0f * float(k), damage));
    }
    cRoomParts::drop_faces(all, {0, -1, 0}, 0.95f);
    return all;
}

std::vector<cRoomPiece> cCreditsRoom::pieces(bool busted) {
    const std::string tag = busted ? "_busted" : "", prefix = busted ? "busted_" : "";
    std::vector<cRoomPiece> list;
    list.push_back({"centerring" + tag + ".bzobj", prefix + "CenterRingVRayCompleteMap",
                    centre_ring(busted), 512});
    list.push_back(
        {"floor" + tag + ".bzobj", prefix + "FloorVRayCompleteMap", floor(busted), 1024});
    list.push_back({"lamp.bzobj", "Lamp05VRayCompleteMap", lamp(), 256});
    list.push_back({"pipe.bzobj", prefix + "Pipe11VRayCompleteMap", pipe(), 256});
    list.push_back(
        {"soejle" + tag + ".bzobj", prefix + "Soejle03VRayCompleteMap", pillars(busted), 512});
    return list;
}

namespace {

// Texels go where the eye goes: the subfloor only shows through cracks, and the ceiling
// is far from every camera.
std::vector<float> texel_weights(const cBakeMesh& mesh) {
    std::vector<float> weights(mesh.triangles.size(), 1.0f);
    for (size_t i = 0; i < mesh.triangles.size(); ++i) {
        const Vec3f& p = mesh.positions[mesh.triangles[i][0]];
        if (p.y < -15)
            weights[i] = 0.25f;
        else if (p.y > cCreditsRoom::kCeiling - 1 && mesh.face_normal(i).y < -0.9f)
            weights[i] = 0.6f;
    }
    return weights;
}

} // namespace

const std::vector<cRoomPiece>& cCreditsRoom::laid_out(bool busted) {
    static std::vector<cRoomPiece> cache[2];
    std::vector<cRoomPiece>& list = cache[busted ? 1 : 0];
    if (list.empty()) {
        list = pieces(busted);
        for (cRoomPiece& piece : list)
            piece.mesh =
                cLightmapAtlas::layout(piece.mesh, piece.map_size, texel_weights(piece.mesh));
    }
    return list;
}
