#include "cShdMorphDS.h"

cShdMorphDS::cShdMorphDS(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdMorphDS",
               "## ERROR: unable to get shader-parameters in cShdMorphDS.cpp, line 15") {
    uniform(VERTEX, "cur_t", &value_);
    load_from_files("../src/cg_morphDS_vert.cg", "../src/cg_morphDS_frag.cg");
}
