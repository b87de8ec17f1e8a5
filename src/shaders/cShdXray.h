// X-ray look from the angle between surface and view: `inv` 0 gives a bright, transparent-
// cored rim (for blended glows), 1 the inverse, an opaque body with dark outlines. Only index 1
// with one float sets it; anything else is a caller's mistake and throws.
#pragma once

#include "render/cShader_CG.h"

class cShdXray : public cShader_CG {
public:
    cShdXray(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    float value_ = 0.0f;
    CGparameter inv_ = nullptr;
};
