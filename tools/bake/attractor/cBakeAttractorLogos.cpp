#include "cBakeAttractorLogos.h"

#include "BakeFile.h"
#include "base/Pi.h"
#include "cBakeOutline.h"
#include "cBakeSweep.h"
#include "cBzObjWriter.h"

#include <cmath>

namespace {

constexpr int kCubes = 12;

void write(const std::string& data_dir, const char* file, const cBakeMesh& part) {
    cBakeMesh mesh;
    mesh.add_group(part, cMaterial("logo"));
    const cBakeFile out(data_dir, file);
    cBzObjWriter::write(mesh, out.path());
    out.report();
}

// A square with its corners cut, so the cube's side edges are bevelled like its faces.
cBakeOutline chamfered_square(float edge, float cut) {
    const float h = edge / 2, c = h - cut;
    return cBakeOutline({{-c, -h}, {c, -h}, {h, -c}, {h, c}, {c, h}, {-c, h}, {-h, c}, {-h, -c}},
                        true);
}

} // namespace

cBakeMesh cBakeAttractorLogos::arrow() {
    // Pointing along +x with a notched tail, centred on its area so it spins in place.
    const cBakeOutline outline({{-1.30f, -0.34f},
                                {0.22f, -0.34f},
                                {0.22f, -0.92f},
                                {1.36f, 0.0f},
                                {0.22f, 0.92f},
                                {0.22f, 0.34f},
                                {-1.30f, 0.34f},
                                {-0.98f, 0.0f}},
                               true);
    cBakeMesh mesh = cBakeSweep::extrude(outline, 0.42f, 0.07f);
    mesh.translate({-0.08f, 0, 0});
    return mesh;
}

cBakeMesh cBakeAttractorLogos::cubes() {
    cBakeMesh ring;
    for (int i = 0; i < kCubes; ++i) {
        // Big and small cubes alternate; each is tumbled differently so that, edge-on or
        // face-on, the ring shows squares, diamonds and hexagons rather than one repeated tile.
        const float edge = kCubeEdge * (i % 2 == 0 ? 1.0f : 0.7f);
        cBakeMesh cube =
            cBakeSweep::extrude(chamfered_square(edge, edge * 0.12f), edge, edge * 0.08f);
        cube.rotate({1, 0, 0}, 35.0f + 23.0f * static_cast<float>(i));
        cube.rotate({0, 1, 0}, 45.0f + 31.0f * static_cast<float>(i));
        const float angle = 2 * kPi * static_cast<float>(i) / kCubes;
        const float radius = kRingRadius - edge * 0.6f;
        const float depth = 0.25f * std::sin(3 * angle);
        cube.translate({radius * std::cos(angle), radius * std::sin(angle), depth});
        ring.append(cube);
    }
    // Tilted out of the picture plane: edge-on, the ring lies as a slanted, uneven chain
    // rather than an upright line.
    ring.rotate({1, 0, 0}, 28.0f);
    return ring;
}

void cBakeAttractorLogos::bake(const std::string& data_dir) {
    write(data_dir, kArrowFile, arrow());
    write(data_dir, kCubesFile, cubes());
}
