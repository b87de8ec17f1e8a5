// Baked light maps: the lamps-off map on unit 0 and the lamps-on map on unit 1, both read
// with the mesh's texture coordinates, mixed by `blend` (1 is fully on, the initial value).
// The record at index 1 is `blend`, one float; a program made without mixing reads the
// lamps-on map alone and takes no record.
#pragma once

#include "cShdBase.h"

class cShdLightmap : public cShdBase {
public:
    cShdLightmap(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
                 bool mixed);

private:
    bool take(cShaderParameterBase* parameter) override { return copy(parameter, value_); }

    float value_ = 1.0f;
};
