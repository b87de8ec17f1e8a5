#include "cShdXray.h"

cShdXray::cShdXray(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdXray") {
    uniform(FRAGMENT, "inv", &value_);
    load_from_files("../src/shaders/cg_xray_vert.cg", "../src/shaders/cg_xray_frag.cg");
}
