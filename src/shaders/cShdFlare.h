// A flare sheet: the gas image on unit 0 slides along the sheet by `uvshift` (-1 at birth,
// 0 at mid-life, 1 at death) and is coloured by the gradient on unit 1. The record at
// index 1 is `uvshift`, one float, a uniform of the vertex stage.
#pragma once

#include "cShdBase.h"

class cShdFlare : public cShdBase {
public:
    cShdFlare(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, value_); }

    float value_ = 0.0f;
};
