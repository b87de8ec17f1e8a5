// Hue rotation, saturation scale and brightness offset of the image on unit 0. Takes (hue in
// degrees, saturation in percent, brightness in percent) and keeps them as the program's units;
// until set, the adjustment is the identity.
#pragma once

#include "render/cShader_CG.h"

class cShdPostHSB : public cShader_CG {
public:
    cShdPostHSB(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    void init_parameters() override;
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    void upload_parameters() override;
    void unbind() override {}

    // Radians (sign reversed), a factor and an offset: what the program receives.
    float hue() const { return h_adjust_; }
    float saturation() const { return s_adjust_; }
    float brightness() const { return b_adjust_; }

private:
    float h_adjust_ = 0.0f;
    float s_adjust_ = 1.0f;
    float b_adjust_ = 0.0f;
    CGparameter h_param_ = nullptr;
    CGparameter s_param_ = nullptr;
    CGparameter b_param_ = nullptr;
};
