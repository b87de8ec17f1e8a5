// Colour dodge of the image on unit 0 by the image on unit 1, both read in texels.
// No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "render/cShader_CG.h"

class cShdPostColDodge : public cShader_CG {
public:
    cShdPostColDodge(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile);

    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};
