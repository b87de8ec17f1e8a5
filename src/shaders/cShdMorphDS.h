// Morphs a mesh between its own positions and normals (weight 0) and the target's, fed in
// texture coordinate sets 3 and 4 (weight 1), by `cur_t`, and lights the result with light 0.
// The record at index 1 is the weight, one float.
#pragma once

#include "cShdBase.h"

class cShdMorphDS : public cShdBase {
public:
    cShdMorphDS(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, value_); }

    float value_ = 0.0f;
};
