// The sprutte's cage and the rings that rush down the tube from the 70th kick: both plain grey
// under the scene's light. The rings darken what lies behind them, flashing with track 12; the
// cage is opaque, and only its triangles that face the eye are drawn.
#pragma once

#include "cFacingTriangles.h"
#include "mesh_files/cMeshObj.h"

#include <cstdint>
#include <memory>

class cSprutteCage {
public:
    // The cage (its client copy kept to pick what faces the eye), the ring and the cage's
    // highlight-free program.
    void load();
    // Five rings 5000 units apart at `t` seconds of demo time, `since_flash_ms` after the last
    // track-12 hit, in whatever fog is on. Leaves blending and lighting on.
    void draw_rings(float t, int32_t since_flash_ms);
    // The cage, unfogged and unblended, lit by its program alone; leaves that program bound.
    void draw_cage();

private:
    std::unique_ptr<cMeshObj> cage_, ring_;
    cFacingTriangles facing_;
};
