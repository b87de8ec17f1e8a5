// The sprutte scene's models and camera paths: the creature (arm joint pieces, glowing core,
// hair and its unused variants), its spherical cage, the plasma tube around the camera, the
// flying rings and nine short camera moves that keep outside the cage.
#pragma once

#include "BakeModule.h"
#include "cBakeMesh.h"

class cBakeSprutte : public iBakeModule {
public:
    std::string name() const override { return "sprutte"; }
    void bake(const std::string& data_dir) override;

    // The scene draws the cage scaled by 0.7: its bars sit 175 units from the centre, past
    // the arms' reach of 160 (32 segments of 5) and inside every camera's way.
    static constexpr float kCageRadius = 250;
    static constexpr float kCageScale = 0.7f;
    static constexpr float kBarRadius = 2.4f;
    // The tube runs along z from -100000 to 200000; the scene moves it by -100000, so the
    // camera near the centre sits inside it with 100000 units of it on either side.
    static constexpr float kTubeRadius = 800;
    static constexpr float kTubeBack = -100000, kTubeFront = 200000;
    static constexpr float kRingRadius = 620;
    // No camera comes closer to the centre than this (the cage plus a near plane of 10).
    static constexpr float kNearestEye = 200;

    // One of the six 60-degree pieces of an arm segment, y from 0 to 5; `swell` scales the
    // bulge of its rib (1 for the drawn joint, the morph variants pinch or flare it).
    static cBakeMesh joint(float swell, float waist);
    static cBakeMesh ball();
    static cBakeMesh cage();
    static cBakeMesh tube();
    static cBakeMesh ring();
    static cBakeMesh hair();
    static cBakeMesh wreck();
};
