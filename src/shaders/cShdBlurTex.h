// One pass of the separable blur of the image on unit 0 along `sampledir`, in texels: (1, 0)
// blurs rows, (0, 1) columns. Only index 1 sets the direction, from two floats; other indices
// leave it as it was.
#pragma once

#include "render/cShader_CG.h"

class cShdBlurTex : public cShader_CG {
public:
    cShdBlurTex(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    float direction_[2] = {1.0f, 0.0f};
    CGparameter sampledir_ = nullptr;
};
