// Maps each channel of the image on unit 0 through the 256-entry 1D correction table on
// unit 1. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdCorrection : public cShdBase {
public:
    cShdCorrection(CGprofile vertex_profile, cShaderManager_CG* manager,
                   CGprofile fragment_profile);
};
