#include "cShdLevels.h"

#include <utility>

cShdLevels::cShdLevels(CGprofile vertex_profile, cShaderManager_CG* manager,
                       CGprofile fragment_profile, std::vector<std::string> defines)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdLevels",
               "## ERROR: unable to get parameters in cShdLevels::init_parameters()") {
    const char* const names[kCount] = {"inBlack", "inWhite", "Gamma", "outBlack", "outWhite"};
    for (int i = 0; i < kCount; ++i)
        uniform(FRAGMENT, names[i], &values_[i]);
    set_defines(std::move(defines));
    load_from_files("cg_post_levels_vert.cg", "cg_post_levels_frag.cg");
}
