// X-ray look from the angle between surface and view: `inv` 0 gives a bright, transparent-
// cored rim (for blended glows), 1 the inverse, an opaque body with dark outlines. The record
// at index 1 is `inv`, one float.
#pragma once

#include "cShdBase.h"

class cShdXray : public cShdBase {
public:
    cShdXray(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, value_); }

    float value_ = 0.0f;
};
