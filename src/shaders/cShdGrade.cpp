#include "cShdGrade.h"

#include "cShdPostHSB.h"

#include <algorithm>

cShdGrade::cShdGrade(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdGrade") {
    uniform(FRAGMENT, "steps", steps_, 2);
    uniform(FRAGMENT, "hsb", hsb_, 3);
    uniform(FRAGMENT, "levels_in", levels_in_, 3);
    uniform(FRAGMENT, "levels_out", levels_out_, 2);
    load_from_files("cg_post_levels_vert.cg", "cg_post_grade_frag.cg");
}

bool cShdGrade::take(cShaderParameterBase* parameter) {
    float values[kCount];
    if (!copy(parameter, values, kCount))
        return false;
    std::copy_n(values, 2, steps_);
    cShdPostHSB::program_units(values + 2, hsb_);
    std::copy_n(values + 5, 3, levels_in_);
    std::copy_n(values + 8, 2, levels_out_);
    return true;
}
