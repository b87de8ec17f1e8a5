// Colour dodge of the image on unit 0 by the image on unit 1, both read in texels.
// No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdPostColDodge : public cShdBase {
public:
    cShdPostColDodge(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile);
};
