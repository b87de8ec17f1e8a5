#include "cShdPostColDodgeMasked.h"

cShdPostColDodgeMasked::cShdPostColDodgeMasked(CGprofile vertex_profile, cShaderManager_CG* manager,
                                               CGprofile fragment_profile)
    : cShdBase(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_post_col_dodge_masked_vert.cg", "cg_post_col_dodge_masked_frag.cg");
}
