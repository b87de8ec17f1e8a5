// A flare sheet: the gas image on unit 0 slides along the sheet by `uvshift` (-1 at birth,
// 0 at mid-life, 1 at death) and is coloured by the gradient on unit 1. Any index sets
// `uvshift` from one float; other parameter types are ignored.
#pragma once

#include "render/cShader_CG.h"

class cShdFlare : public cShader_CG {
public:
    cShdFlare(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    float value_ = 0.0f;
    CGparameter uvshift_ = nullptr;
};
