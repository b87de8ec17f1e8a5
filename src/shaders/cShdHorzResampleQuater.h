// Averages each run of four source texels along a row into one texel: one pass of the
// row-average resample, drawn into a strip a quarter as wide. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdHorzResampleQuater : public cShdBase {
public:
    cShdHorzResampleQuater(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile);
};
