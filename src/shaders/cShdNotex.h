// Per-pixel lighting by light 0 and the front material, ignoring every texture the mesh's
// materials bind. No parameters. Made without `specular`, the program leaves the highlight
// out: the same picture for a material whose specular colour is black, and cheaper.
#pragma once

#include "cShdBase.h"

class cShdNotex : public cShdBase {
public:
    cShdNotex(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
              bool specular = true);
};
