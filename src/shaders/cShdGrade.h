// A picture's finishing colour steps in one pass: a glow image added, a correction table,
// hue/saturation/brightness and levels. The record at index 1 is ten floats: glow on, table
// on (1 or 0), hue, saturation, brightness as the hsb record, then the five levels points.
#pragma once

#include "cShdBase.h"

class cShdGrade : public cShdBase {
public:
    static constexpr int kCount = 10;

    cShdGrade(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

private:
    bool take(cShaderParameterBase* parameter) override;

    float steps_[2] = {0, 0};
    float hsb_[3] = {0, 1, 0};
    float levels_in_[3] = {0, 255, 1};
    float levels_out_[2] = {0, 255};
};
