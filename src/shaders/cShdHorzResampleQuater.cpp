#include "cShdHorzResampleQuater.h"

cShdHorzResampleQuater::cShdHorzResampleQuater(CGprofile vertex_profile, cShaderManager_CG* manager,
                                               CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_horz_resample_quater_vert.cg", "cg_horz_resample_quater_frag.cg");
}
