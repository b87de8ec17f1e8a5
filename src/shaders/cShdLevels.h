// Levels of the image on unit 0: input black and white points, a gamma and output black and
// white points, the points on a 0..255 scale. The record at index 1 is five floats in that
// order; the initial values cut everything below 200.
#pragma once

#include "GammaWeights.h"
#include "cShdBase.h"

#include <string>
#include <vector>

class cShdLevels : public cShdBase {
public:
    // `defines` choose a variant of the program ("-DNAME"), taking the same five points.
    cShdLevels(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
               std::vector<std::string> defines = {});

private:
    static constexpr int kCount = 5;
    bool take(cShaderParameterBase* parameter) override;

    float values_[kCount] = {200.0f, 255.0f, 1.0f, 0.0f, 255.0f};
    float bend_[kGammaWeights] = {0, 0, 1, 0, 0}; // the variant with FITTED_GAMMA defined
};
