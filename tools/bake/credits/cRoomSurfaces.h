// How the credits room looks to the light-map baker: its five kinds of surface in the
// pieces' order (concrete ring and hall, stone floor slabs, bronze lamps, rusting pipes,
// veined pillars) and its light (eight wall lamps, the skylight, warm and cold colours).
#pragma once

#include "cLightRig.h"

#include <vector>

class cRoomSurfaces {
public:
    static std::vector<cLightSurface> surfaces();
    static cLightRig rig();
};
