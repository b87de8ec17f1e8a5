// A picture's finishing colour steps in one pass: a glow image added, a correction table,
// hue/saturation/brightness, levels, a picture multiplied in and an image laid over by its
// alpha, after first levels on the picture. Each program holds only its steps; the record at
// index 1 is 16 floats: hue, saturation, brightness, the five levels points, the glow's gain,
// the multiplied picture's size, the five first levels points.
#pragma once

#include "GammaWeights.h"
#include "cShdBase.h"

class cShdGrade : public cShdBase {
public:
    enum eStep : unsigned {
        kGlow = 1,
        kTable = 2,
        kHsb = 4,
        kLevels = 8,
        kOverlay = 16,
        kMultiply = 32,
        kStraight = 64, // levels of gamma 1: no pow
        kPreLevels = 128,
        kPreStraight = 256,
        kFittedGamma = 512 // levels whose gamma the sum of powers draws instead of a pow
    };
    static constexpr unsigned kTakesValues = kPreLevels | kGlow | kHsb | kLevels | kMultiply;
    static constexpr int kCount = 16;

    // `steps` is a sum of eStep.
    cShdGrade(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
              unsigned steps);

private:
    bool take(cShaderParameterBase* parameter) override;

    float hsb_[3] = {1, 0, 0};
    float levels_in_[3] = {0, 255, 1};
    float levels_out_[2] = {0, 255};
    float glow_gain_ = 1;
    float multiply_size_[2] = {1, 1};
    float pre_in_[3] = {0, 255, 1};
    float pre_out_[2] = {0, 255};
    float bend_[kGammaWeights] = {0, 0, 1, 0, 0};
};
