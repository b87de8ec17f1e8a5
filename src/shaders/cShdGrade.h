// A picture's finishing colour steps in one pass: a glow image added, a correction table,
// hue/saturation/brightness, levels and an image laid over by its alpha. Each program holds only
// the steps it is made with; the record at index 1 is eight floats: hue, saturation, brightness,
// the five levels points.
#pragma once

#include "cShdBase.h"

class cShdGrade : public cShdBase {
public:
    enum eStep : unsigned { kGlow = 1, kTable = 2, kHsb = 4, kLevels = 8, kOverlay = 16 };
    static constexpr int kCount = 8;

    // `steps` is a sum of eStep.
    cShdGrade(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
              unsigned steps);

private:
    bool take(cShaderParameterBase* parameter) override;

    float hsb_[3] = {1, 0, 0};
    float levels_in_[3] = {0, 255, 1};
    float levels_out_[2] = {0, 255};
};
