#include "cShdGlowSum.h"

cShdGlowSum::cShdGlowSum(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdGlowSum") {
    uniform(FRAGMENT, "first", &values_[0]);
    uniform(FRAGMENT, "layers", &values_[1]);
    uniform(FRAGMENT, "zoom", &values_[2]);
    uniform(FRAGMENT, "multiplier", &values_[3]);
    uniform(FRAGMENT, "centre", &values_[4], 2);
    load_from_files("cg_blurtex_vert.cg", "cg_glow_sum_frag.cg");
}
