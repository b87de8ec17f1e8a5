// The attractor intro's emblem as two solids for its orthographic view (8 units tall, the
// emblem's centre 2.4 units from the right edge): a bevelled arrow that spins in the picture
// plane, inside a tilted ring of bevelled cubes that turns about Y. Both read as silhouettes.
#pragma once

#include "BakeModule.h"
#include "cBakeMesh.h"

class cBakeAttractorLogos : public iBakeModule {
public:
    static constexpr const char* kArrowFile = "models/mirrel_intro/logo_arrow.bzobj";
    static constexpr const char* kCubesFile = "models/mirrel_intro/logo_cubes.bzobj";
    // The ring's outer reach: inside the 2.4 units left to the right edge at any angle.
    static constexpr float kRingRadius = 1.75f;
    static constexpr float kCubeEdge = 0.38f;

    std::string name() const override { return "attractor logos"; }
    void bake(const std::string& data_dir) override;

    static cBakeMesh arrow();
    static cBakeMesh cubes();
};
