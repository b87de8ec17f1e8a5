// One pass of the separable blur of the image on unit 0 along `sampledir`, in texels: (1, 0)
// blurs rows, (0, 1) columns. The record at index 1 is the direction, two floats.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdBlurTex : public cShdBase {
public:
    // `fragment_file` is a program that takes the same direction.
    cShdBlurTex(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
                const char* fragment_file = "cg_blurtex_frag.cg");

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, direction_, 2); }

    float direction_[2] = {1.0f, 0.0f};
};
