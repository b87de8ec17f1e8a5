#include "cShdPostHSB.h"

#include <cmath>

cShdPostHSB::cShdPostHSB(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdPostHSB",
               "## ERROR: unable to get parameters in cShdPostHSB::init_parameters") {
    uniform(FRAGMENT, "H_adjust", &h_adjust_);
    uniform(FRAGMENT, "S_adjust", &s_adjust_);
    uniform(FRAGMENT, "B_adjust", &b_adjust_);
    load_from_files("cg_post_hsb_vert.cg", "cg_post_hsb_frag.cg");
}

bool cShdPostHSB::take(cShaderParameterBase* parameter) {
    float hsb[3];
    if (!copy(parameter, hsb, 3))
        return false;
    h_adjust_ = hsb[0] / -180.0f * float(M_PI);
    s_adjust_ = hsb[1] / 100.0f + 1.0f;
    b_adjust_ = hsb[2] / 100.0f;
    return true;
}
