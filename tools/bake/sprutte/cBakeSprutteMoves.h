// The sprutte scene's nine camera moves around the creature: orbits, dives and sweeps along
// its arms, each a steady 1.5-second move that stays outside the cage and keeps the creature
// in frame. The scene cuts between them on the kicks, often after a third of a move.
#pragma once

#include "cBakeCameraPath.h"

#include <vector>

class cBakeSprutteMoves {
public:
    // Paths 1 to 9, in the scene's order.
    static std::vector<cBakeCameraPath> paths();

private:
    static cBakeCameraPath orbit(float radius, float height, float from_degrees, float to_degrees,
                                 const Vec3f& look);
};
