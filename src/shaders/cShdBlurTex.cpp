#include "cShdBlurTex.h"

cShdBlurTex::cShdBlurTex(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile, const char* fragment_file)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdBlurTex") {
    uniform(FRAGMENT, "sampledir", direction_, 2);
    load_from_files("cg_blurtex_vert.cg", fragment_file);
}
