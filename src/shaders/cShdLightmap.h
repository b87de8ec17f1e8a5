// Baked light maps: the lamps-off map on unit 0 and the lamps-on map on unit 1, both read
// with the mesh's texture coordinates, mixed by `blend` (1 is fully on, the initial value).
// Any index sets it from one float; other parameter types are ignored.
#pragma once

#include "render/cShader_CG.h"

class cShdLightmap : public cShader_CG {
public:
    cShdLightmap(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    float value_ = 1.0f;
    CGparameter blend_ = nullptr;
};
