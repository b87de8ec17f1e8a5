#include "cShdFlare.h"

cShdFlare::cShdFlare(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdFlare") {
    uniform(VERTEX, "uvshift", &value_);
    load_from_files("../src/shaders/cg_flare_vert.cg", "../src/shaders/cg_flare_frag.cg");
}
