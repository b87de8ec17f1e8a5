// The credits module: the room's pieces (intact and busted, with light-map coordinates),
// the hanging logo, the pictures and the camera paths, all under models/credits. The light
// maps come from cBakeCreditsLight; the credits sun's own files from cBakeCreditsSun.
#pragma once

#include "BakeModule.h"
#include "cBakeMesh.h"

class cBakeCredits : public iBakeModule {
public:
    static constexpr const char* kFolder = "models/credits/";

    std::string name() const override { return "credits"; }
    void bake(const std::string& data_dir) override;

    // Writes `mesh` as one group that draws in a single call.
    static void write_mesh(const std::string& data_dir, const std::string& file,
                           const cBakeMesh& mesh);
};
