#include "cShdNotex.h"

cShdNotex::cShdNotex(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile, bool specular)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    if (!specular)
        set_defines({"-DNO_SPECULAR"});
    load_from_files("../src/shaders/cg_notex_vert.cg", "../src/shaders/cg_notex_frag.cg");
}
