// The credits room: a round hall with a skylight in its ceiling, eight pillars, a raised
// ring in the middle, lamps on the walls and pipes along them, intact or busted (cracked
// and missing floor slabs, a broken ring, snapped pillars). Y is up, the floor is y = 0.
#pragma once

#include "cBakeMesh.h"
#include "cLightRig.h"

#include <string>
#include <vector>

struct cRoomPiece {
    std::string mesh_file; // e.g. "floor_busted.bzobj"
    std::string map_name;  // the light maps' stem, e.g. "busted_FloorVRayCompleteMap"
    cBakeMesh mesh;        // without light-map coordinates yet
    int map_size;          // the light maps' edge in texels
};

class cCreditsRoom {
public:
    static constexpr float kWallRadius = 760;    // the walls' inner face
    static constexpr float kCeiling = 640;       // the ceiling's underside
    static constexpr float kSkylight = 150;      // the skylight's radius
    static constexpr float kPillarRadius = 400;  // the pillars' circle
    static constexpr float kPillarAngle = 22.5f; // the first pillar; then every 45 degrees
    static constexpr float kRingOuter = 250;     // the centre ring's foot
    static constexpr float kRingTop = 80;

    // The five pieces in the scenes' order: centre ring, floor, lamp, pipe, pillar.
    static std::vector<cRoomPiece> pieces(bool busted);
    // The same with their light-map coordinates, laid out once per run.
    static const std::vector<cRoomPiece>& laid_out(bool busted);
    static std::vector<cLightLamp> lamps();

    static cBakeMesh centre_ring(bool busted);
    static cBakeMesh floor(bool busted);
    static cBakeMesh lamp();
    static cBakeMesh pipe();
    static cBakeMesh pillars(bool busted);

private:
    static cBakeMesh floor_slabs(bool busted);
    static cBakeMesh hall();
    static cBakeMesh pillar(float degrees, int damage);
};
