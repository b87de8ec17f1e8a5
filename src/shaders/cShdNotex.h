// Per-pixel lighting by light 0 and the front material, ignoring every texture the mesh's
// materials bind. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdNotex : public cShdBase {
public:
    cShdNotex(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);
};
