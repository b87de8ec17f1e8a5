#include "cShdLightmap.h"

cShdLightmap::cShdLightmap(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdLightmap") {
    uniform(FRAGMENT, "blend", &value_);
    load_from_files("../src/shaders/cg_lightmap_vert.cg", "../src/shaders/cg_lightmap_frag.cg");
}
