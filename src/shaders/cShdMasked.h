// Draws the image on unit 0 with its alpha taken from the 2D mask on unit 1, which spans
// the drawn quad. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdMasked : public cShdBase {
public:
    cShdMasked(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);
};
