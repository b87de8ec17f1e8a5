#include "cShdGrade.h"

#include "cShdPostHSB.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

cShdGrade::cShdGrade(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile, unsigned steps)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdGrade") {
    // A program of only the steps it draws: the software renderer runs both sides of a branch.
    std::vector<std::string> defines;
    const std::pair<eStep, const char*> names[] = {{kPreLevels, "-DPRE_LEVELS"},
                                                   {kPreStraight, "-DPRE_STRAIGHT"},
                                                   {kGlow, "-DGLOW"},
                                                   {kTable, "-DTABLE"},
                                                   {kHsb, "-DHSB"},
                                                   {kLevels, "-DLEVELS"},
                                                   {kStraight, "-DSTRAIGHT"},
                                                   {kFittedGamma, "-DFITTED_GAMMA"},
                                                   {kMultiply, "-DMULTIPLY"},
                                                   {kOverlay, "-DOVERLAY"}};
    for (const auto& [step, define] : names)
        if (steps & step)
            defines.push_back(define);
    set_defines(std::move(defines));
    if (steps & kGlow)
        uniform(FRAGMENT, "glow_gain", &glow_gain_);
    if (steps & kMultiply)
        uniform(VERTEX, "multiply_size", multiply_size_, 2);
    if (steps & kPreLevels) {
        uniform(FRAGMENT, "pre_in", pre_in_, 3);
        uniform(FRAGMENT, "pre_out", pre_out_, 2);
    }
    if (steps & kHsb)
        uniform(FRAGMENT, "hsb", hsb_, 3);
    if (steps & kLevels) {
        uniform(FRAGMENT, "levels_in", levels_in_, 3);
        uniform(FRAGMENT, "levels_out", levels_out_, 2);
    }
    if (steps & kFittedGamma) {
        uniform(FRAGMENT, "bend_weights", bend_, 4);
        uniform(FRAGMENT, "bend_square", bend_ + 4);
    }
    load_from_files("cg_post_grade_vert.cg", "cg_post_grade_frag.cg");
}

bool cShdGrade::take(cShaderParameterBase* parameter) {
    float values[kCount];
    if (!copy(parameter, values, kCount))
        return false;
    // The turn's cosine and sine once here rather than at every pixel.
    float program[3];
    cShdPostHSB::program_units(values, program);
    hsb_[0] = std::cos(program[0]) * program[1];
    hsb_[1] = std::sin(program[0]) * program[1];
    hsb_[2] = program[2];
    std::copy_n(values + 3, 3, levels_in_);
    std::copy_n(values + 6, 2, levels_out_);
    gamma_weights(values[5], bend_); // left as they were for a gamma the pow draws
    glow_gain_ = values[8];
    std::copy_n(values + 9, 2, multiply_size_);
    std::copy_n(values + 11, 3, pre_in_);
    std::copy_n(values + 14, 2, pre_out_);
    return true;
}
