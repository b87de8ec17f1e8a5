// One pass of the spill's glow blur at half the glow's size: as wide there as three passes of
// the common blur at the glow's own size. The record at index 1 is the direction, two floats,
// as for the common blur.
#pragma once

#include "cShdBlurTex.h"

class cShdSpillBlur : public cShdBlurTex {
public:
    cShdSpillBlur(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
        : cShdBlurTex(vertex_profile, manager, fragment_profile, "cg_spill_blur_frag.cg") {}
};
