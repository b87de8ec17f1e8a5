// Adds the glow image on unit 1 onto the image on unit 0 (the spill combine), both read in
// texels. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdPostSpillAdd : public cShdBase {
public:
    cShdPostSpillAdd(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile);
};
