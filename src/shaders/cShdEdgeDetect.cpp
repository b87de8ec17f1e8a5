#include "cShdEdgeDetect.h"

cShdEdgeDetect::cShdEdgeDetect(CGprofile vertex_profile, cShaderManager_CG* manager,
                               CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/shaders/cg_edge_vert.cg", "../src/shaders/cg_edge_frag.cg");
}
