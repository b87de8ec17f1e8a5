#include "cShdLightmap.h"

cShdLightmap::cShdLightmap(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile, bool mixed)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdLightmap") {
    if (mixed)
        uniform(FRAGMENT, "blend", &value_);
    else
        set_defines({"-DLAMPS_ON"});
    load_from_files("../src/shaders/cg_lightmap_vert.cg", "../src/shaders/cg_lightmap_frag.cg");
}
