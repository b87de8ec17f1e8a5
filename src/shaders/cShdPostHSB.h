// Hue rotation, saturation scale and brightness offset of the image on unit 0. The record at
// index 1 is (hue in degrees, saturation in percent, brightness in percent), kept in the
// program's units; until set, the adjustment is the identity.
#pragma once

#include "cShdBase.h"

#include <string>
#include <vector>

class cShdPostHSB : public cShdBase {
public:
    // `defines` choose a variant of the program ("-DNAME"), taking the same record.
    cShdPostHSB(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
                std::vector<std::string> defines = {});

    // The record's hue, saturation and brightness as the program takes them: radians (sign
    // reversed), a factor and an offset.
    static void program_units(const float record[3], float program[3]);

    // Radians (sign reversed), a factor and an offset: what the program receives.
    float hue() const { return h_adjust_; }
    float saturation() const { return s_adjust_; }
    float brightness() const { return b_adjust_; }

private:
    bool take(cShaderParameterBase* parameter) override;

    float h_adjust_ = 0.0f;
    float s_adjust_ = 1.0f;
    float b_adjust_ = 0.0f;
};
