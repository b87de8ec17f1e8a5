#include "cShdCorrection.h"

cShdCorrection::cShdCorrection(CGprofile vertex_profile, cShaderManager_CG* manager,
                               CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_post_correction_vert.cg", "cg_post_correction_frag.cg");
}
