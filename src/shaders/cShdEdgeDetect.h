// Edge detection of the image on unit 0 (read in texels): bright where neighbouring texels
// differ. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "render/cShader_CG.h"

class cShdEdgeDetect : public cShader_CG {
public:
    cShdEdgeDetect(CGprofile vertex_profile, cShaderManager_CG* manager,
                   CGprofile fragment_profile);

    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};
