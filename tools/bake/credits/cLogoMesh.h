// The group's logo as a solid: the letters "mrl" cut from DejaVu Sans Bold, extruded with a
// bevel and set inside a ring, standing in the XY plane and centred on the origin, about
// 30 units across, for a scene that hangs it up and turns it about Y.
#pragma once

#include "cBakeMesh.h"
#include "cBakeOutline.h"

#include <string>
#include <vector>

class cLogoMesh {
public:
    static constexpr float kEm = 12.0f;         // letter height unit
    static constexpr float kRingRadius = 15.0f; // to the ring tube's centre

    static cBakeMesh build();
    // The glyph outlines of `text`, one closed counter-clockwise polygon per contour,
    // in units of kEm, set on a baseline at y = 0 from x = 0.
    static std::vector<std::vector<cPoint2>> outlines(const std::string& face,
                                                      const std::string& text);
};
