// Morphs a mesh between its own positions and normals (weight 0) and the target's, fed in
// texture coordinate sets 3 and 4 (weight 1), by `cur_t`, and lights the result with light 0.
// Any index sets the weight from one float; other parameter types are ignored.
#pragma once

#include "render/cShader_CG.h"

class cShdMorphDS : public cShader_CG {
public:
    cShdMorphDS(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    float value_ = 0.0f;
    CGparameter cur_t_ = nullptr;
};
