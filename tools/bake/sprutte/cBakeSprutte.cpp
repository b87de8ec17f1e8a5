#include "cBakeSprutte.h"

#include "BakeFile.h"
#include "base/Pi.h"
#include "cBakeShapes.h"
#include "cBakeSprutteMoves.h"
#include "cBakeSprutteShapes.h"
#include "cBzObjWriter.h"
#include "cPaintNoise.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr int kMeridians = 8;
using Shapes = cBakeSprutteShapes;

// Every mesh is drawn with the colour and shader the scene sets: a single group.
void write(const std::string& data_dir, const std::string& file, const cBakeMesh& part) {
    cBakeMesh mesh;
    mesh.add_group(part, cMaterial("sprutte"));
    const cBakeFile out(data_dir, "models/sprutte/" + file);
    cBzObjWriter::write(mesh, out.path());
    out.report();
}

Vec3f on_sphere(float radius, float azimuth, float latitude) {
    return {radius * std::cos(latitude) * std::cos(azimuth), radius * std::sin(latitude),
            radius * std::cos(latitude) * std::sin(azimuth)};
}

} // namespace

// The bead profile: narrow waists at both ends where the segments meet, a full rib in the
// middle, and a ridge down the middle of each piece so six pieces read as a fluted ring.
cBakeMesh cBakeSprutte::joint(float swell, float waist) {
    const auto f = [=](float u, float v) {
        const float y = -0.4f + 5.8f * v;
        const float bulge = std::pow(std::sin(kPi * v), 0.7f);
        const float flute = 0.5f + 0.5f * std::cos(2 * kPi * u);
        const float r = waist + 4.2f * swell * bulge * (0.88f + 0.12f * (1 - flute));
        const float a = kPi / 3 * u;
        return Vec3f(r * std::cos(a), y, -r * std::sin(a));
    };
    return Shapes::surface(4, 6, f);
}

cBakeMesh cBakeSprutte::ball() {
    // A core with six soft lobes, one under each arm's root.
    const auto f = [](float u, float v) {
        const float a = 2 * kPi * u, lat = kPi * (v - 0.5f);
        const Vec3f d = on_sphere(1, a, lat);
        const float lobes = std::pow(std::fabs(d.x), 6.0f) + std::pow(std::fabs(d.y), 6.0f) +
                            std::pow(std::fabs(d.z), 6.0f);
        return d * (13.0f + 3.0f * lobes);
    };
    return Shapes::surface(48, 24, f, true);
}

// A spherical bird cage: eight meridians between two polar rings, three parallels, and a
// small knob where bars cross.
cBakeMesh cBakeSprutte::cage() {
    cBakeMesh cage;
    const float top = kPi / 2 * 0.86f;
    for (int m = 0; m < kMeridians; ++m) {
        const float a = 2 * kPi * static_cast<float>(m) / kMeridians;
        const auto meridian = [=](float s) { return on_sphere(kCageRadius, a, top * (2 * s - 1)); };
        cage.append(Shapes::bar(meridian, {-std::sin(a), 0, std::cos(a)}, kBarRadius, 40, 8));
    }
    const float parallels[] = {-top, -kPi / 4, 0, kPi / 4, top};
    for (float lat : parallels) {
        const auto circle = [=](float s) { return on_sphere(kCageRadius, 2 * kPi * s, lat); };
        cage.append(Shapes::bar(circle, {0, 1, 0}, kBarRadius, 96, 8));
        for (int m = 0; m < kMeridians; ++m) {
            cBakeMesh knob = cBakeShapes::sphere(kBarRadius * 1.9f, 12, 6);
            knob.translate(
                on_sphere(kCageRadius, 2 * kPi * static_cast<float>(m) / kMeridians, lat));
            cage.append(knob);
        }
    }
    return cage;
}

// Seen from inside: four texture tiles around, square tiles along the length.
cBakeMesh cBakeSprutte::tube() {
    const float length = kTubeFront - kTubeBack, tile = 2 * kPi * kTubeRadius / 4;
    const auto f = [=](float u, float v) {
        const float a = 2 * kPi * u;
        return Vec3f(kTubeRadius * std::cos(a), kTubeRadius * std::sin(a), kTubeBack + length * v);
    };
    cBakeMesh tube = Shapes::surface(48, 60, f, true);
    for (cTexCoord& uv : tube.texcoords) {
        uv.u *= 4;
        uv.v *= length / tile;
    }
    return tube;
}

// A flat band ring around the tube's axis, slightly squared in section.
cBakeMesh cBakeSprutte::ring() {
    const auto f = [](float u, float v) {
        const float a = 2 * kPi * u, b = 2 * kPi * v;
        const float c = std::cos(b), s = std::sin(b);
        const float sc = std::copysign(std::pow(std::fabs(c), 0.6f), c);
        const float ss = std::copysign(std::pow(std::fabs(s), 0.6f), s);
        const float r = kRingRadius + 34 * sc;
        return Vec3f(r * std::cos(a), r * std::sin(a), 16 * ss);
    };
    return Shapes::surface(128, 16, f);
}

// A tuft of 24 curled strands rising from a small disc.
cBakeMesh cBakeSprutte::hair() {
    cBakeMesh tuft;
    for (int i = 0; i < 24; ++i) {
        const float a = 2 * kPi * (static_cast<float>(i) + cPaintNoise::hash01(i, 0, 0, 7)) / 24;
        const float lean = 0.3f + 0.5f * cPaintNoise::hash01(i, 1, 0, 7),
                    length = 26 + 18 * cPaintNoise::hash01(i, 2, 0, 7);
        const Vec3f out(std::cos(a), 0, std::sin(a));
        const auto strand = [=](float s) {
            const float curl = lean * s * s;
            return out * (2 + length * std::sin(curl)) + Vec3f(0, length * s * std::cos(curl), 0);
        };
        tuft.append(Shapes::bar(strand, {-std::sin(a), 0, std::cos(a)}, 0.5f * (1.2f - 0.2f * lean),
                                16, 5));
    }
    return tuft;
}

// A broken shell fragment: a squashed, dented lump cut into flat facets.
cBakeMesh cBakeSprutte::wreck() {
    cBakeMesh lump = cBakeShapes::sphere(10, 10, 6);
    for (Vec3f& p : lump.positions) {
        const int x = static_cast<int>(std::lround(p.x * 8)),
                  y = static_cast<int>(std::lround(p.y * 8)),
                  z = static_cast<int>(std::lround(p.z * 8));
        p = Vec3f(p.x * 1.6f, p.y * 0.45f, p.z) * (0.7f + 0.5f * cPaintNoise::hash01(x, y, z, 11));
    }
    return lump.flat_shaded();
}

void cBakeSprutte::bake(const std::string& data_dir) {
    write(data_dir, "sprutte_arm_joint.bzobj", joint(1, 8.5f));
    write(data_dir, "sprutte_arm_joint_morph_in.bzobj", joint(0.35f, 7.2f));
    write(data_dir, "sprutte_arm_joint_morph_out.bzobj", joint(1.5f, 9.6f));
    write(data_dir, "sprutte_ball_glow.bzobj", ball());
    write(data_dir, "sprutte_hair.bzobj", hair());
    write(data_dir, "sprutte_vrag.bzobj", wreck());
    write(data_dir, "sprutte_cage2.bzobj", cage());
    write(data_dir, "sprutte_cyl.bzobj", tube());
    write(data_dir, "sprutte_ring.bzobj", ring());
    const std::vector<cBakeCameraPath> moves = cBakeSprutteMoves::paths();
    for (size_t i = 0; i < moves.size(); ++i) {
        const std::vector<cBakePathKey> keys = moves[i].keys(48);
        for (const cBakePathKey& k : keys)
            if (k.eye.length() < kNearestEye)
                throw std::runtime_error("camera path " + std::to_string(i + 1) +
                                         " passes through the cage");
        const cBakeFile out(data_dir, "models/sprutte/path0" + std::to_string(i + 1) + ".pth");
        cBakePathWriter::write(keys, out.path());
        out.report();
    }
}
