// Maps each channel of the image on unit 0 through the 256-entry 1D correction table on
// unit 1. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "render/cShader_CG.h"

class cShdCorrection : public cShader_CG {
public:
    cShdCorrection(CGprofile vertex_profile, cShaderManager_CG* manager,
                   CGprofile fragment_profile);

    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};
