// Averages each run of four source texels along a row into one texel: one pass of the
// row-average resample, drawn into a strip a quarter as wide. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "render/cShader_CG.h"

class cShdHorzResampleQuater : public cShader_CG {
public:
    cShdHorzResampleQuater(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile);

    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};
