#include "cShdMasked.h"

cShdMasked::cShdMasked(CGprofile vertex_profile, cShaderManager_CG* manager,
                       CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/shaders/cg_masked_vert.cg", "../src/shaders/cg_masked_frag.cg");
}
