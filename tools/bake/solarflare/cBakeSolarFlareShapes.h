// The solar flare scene's meshes: the sun, a globe whose triangles have nearly equal areas
// (the surface particles are emitted per triangle, so the haze is even), and the flare, a
// curved band that arcs out of the sun's surface and back down, standing on the north pole.
#pragma once

#include "BakeModule.h"
#include "cBakeMesh.h"

class cBakeSolarFlareShapes : public iBakeModule {
public:
    std::string name() const override { return "solar flare shapes"; }
    void bake(const std::string& data_dir) override;

    // The sun's radius, sized for the scene's camera 64 units away at its full scale 0.81.
    static constexpr float kRadius = 26.0f;
    static constexpr int kRings = 96;

    // u runs around Y once (0 and 1 meet on a shared seam), v from the south pole to the north.
    static cBakeMesh sun();
    // u runs along the arc from one foot to the other, v across the band from its inner edge
    // (v = 0, nearest the surface) to its outer edge.
    static cBakeMesh flare();

private:
    static void stitch(cBakeMesh& mesh, uint32_t a, int na, uint32_t b, int nb);
};
