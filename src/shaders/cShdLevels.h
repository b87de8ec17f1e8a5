// Levels of the image on unit 0: input black and white points, a gamma and output black and
// white points, the points on a 0..255 scale. Only index 1 sets them, from five floats in that
// order; the initial values cut everything below 200.
#pragma once

#include "render/cShader_CG.h"

class cShdLevels : public cShader_CG {
public:
    cShdLevels(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

private:
    static constexpr int kCount = 5;
    float values_[kCount] = {200.0f, 255.0f, 1.0f, 0.0f, 255.0f};
    CGparameter params_[kCount] = {};
};
