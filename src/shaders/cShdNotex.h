// Per-pixel lighting by light 0 and the front material, ignoring every texture the mesh's
// materials bind. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "render/cShader_CG.h"

class cShdNotex : public cShader_CG {
public:
    cShdNotex(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override {}
    void upload_parameters() override {}
    void unbind() override {}
};
