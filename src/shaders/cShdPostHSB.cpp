#include "cShdPostHSB.h"

#include "base/Pi.h"

#include <cmath>
#include <utility>

cShdPostHSB::cShdPostHSB(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile, std::vector<std::string> defines)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdPostHSB",
               "## ERROR: unable to get parameters in cShdPostHSB::init_parameters") {
    uniform(FRAGMENT, "H_adjust", &h_adjust_);
    uniform(FRAGMENT, "S_adjust", &s_adjust_);
    uniform(FRAGMENT, "B_adjust", &b_adjust_);
    set_defines(std::move(defines));
    load_from_files("cg_post_hsb_vert.cg", "cg_post_hsb_frag.cg");
}

void cShdPostHSB::program_units(const float record[3], float program[3]) {
    program[0] = record[0] / -180.0f * kPi;
    program[1] = record[1] / 100.0f + 1.0f;
    program[2] = record[2] / 100.0f;
}

bool cShdPostHSB::take(cShaderParameterBase* parameter) {
    float hsb[3], program[3];
    if (!copy(parameter, hsb, 3))
        return false;
    program_units(hsb, program);
    h_adjust_ = program[0];
    s_adjust_ = program[1];
    b_adjust_ = program[2];
    return true;
}
