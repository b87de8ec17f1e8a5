// The sprutte itself: six arms whose chains ripple out after the centre's turn, drawn opaque
// through the x-ray program as one mesh rebuilt each frame, and the glowing core laid over
// them and the tube.
#pragma once

#include "base/Pi.h"
#include "cSprutteArm.h"
#include "cSprutteBody.h"
#include "mesh_files/cMeshObj.h"

#include <cstdint>
#include <memory>

class cSprutteCreature {
public:
    // The joint piece the arms are built from, the core and the x-ray program.
    void load();
    // The creature as the scene comes on at `now_ms`: straight arms, a slow ripple.
    void init(int32_t now_ms);
    // The centre's turn at `t` seconds of demo time (`now_ms`), rippled on along the arms.
    void update(float t, int32_t now_ms);
    // Six arms along +-x, +-y and +-z (before the centre's turn), opaque.
    void draw_arms();
    // The glowing core, laid over the arms and the tube: blended, unfogged.
    void draw_core();

    float angle = kPi / 4;    // the centre's turn in radians, set by each update
    float propagation = 2250; // ms a turn of the centre takes to reach the tips

private:
    cSprutteArm arm_;
    std::unique_ptr<cSprutteBody> body_;
    std::unique_ptr<cMeshObj> core_;
};
