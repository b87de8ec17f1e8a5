// Edge detection of the image on unit 0 (read in texels): bright where neighbouring texels
// differ. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdEdgeDetect : public cShdBase {
public:
    cShdEdgeDetect(CGprofile vertex_profile, cShaderManager_CG* manager,
                   CGprofile fragment_profile);
};
