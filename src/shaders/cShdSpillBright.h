// The spill's bright pass made at half the glow's size: levels of the picture on unit 0, read
// where the glow's own texels would read it, four to a pixel and averaged. The record at
// index 1 is the five levels points, as for the levels pass; the gamma is taken as 1.
#pragma once

#include "cShdLevels.h"

class cShdSpillBright : public cShdLevels {
public:
    cShdSpillBright(CGprofile vertex_profile, cShaderManager_CG* manager,
                    CGprofile fragment_profile)
        : cShdLevels(vertex_profile, manager, fragment_profile, {"-DFOUR_READS", "-DSTRAIGHT"}) {}
};
