// Hue, saturation and brightness of the image on unit 0 with the mask's brightness (unit 1, a
// 2D texture stretched over the picture) as its alpha: a picture to lay over another. The
// record at index 1 is the hsb record.
#pragma once

#include "cShdPostHSB.h"

class cShdHsbMasked : public cShdPostHSB {
public:
    cShdHsbMasked(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
        : cShdPostHSB(vertex_profile, manager, fragment_profile, {"-DMASK"}) {}
};
