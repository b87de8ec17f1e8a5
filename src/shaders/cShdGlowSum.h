// The zoom glow in one pass: the image on unit 0 summed in copies zoomed about a centre, the
// n-th weighed by multiplier / (n + 1). The record at index 1 is six floats: the first layer,
// the layers, the zoom step, the multiplier and the centre in texels. Constructing compiles it.
#pragma once

#include "cShdBase.h"

class cShdGlowSum : public cShdBase {
public:
    cShdGlowSum(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, values_, 6); }

    float values_[6] = {0, 0, 0, 0, 0, 0};
};
