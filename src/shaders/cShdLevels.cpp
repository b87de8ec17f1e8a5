#include "cShdLevels.h"

#include <algorithm>
#include <utility>

cShdLevels::cShdLevels(CGprofile vertex_profile, cShaderManager_CG* manager,
                       CGprofile fragment_profile, std::vector<std::string> defines)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdLevels",
               "## ERROR: unable to get parameters in cShdLevels::init_parameters()") {
    const char* const names[kCount] = {"inBlack", "inWhite", "Gamma", "outBlack", "outWhite"};
    for (int i = 0; i < kCount; ++i)
        uniform(FRAGMENT, names[i], &values_[i]);
    if (std::find(defines.begin(), defines.end(), "-DFITTED_GAMMA") != defines.end()) {
        uniform(FRAGMENT, "bend_weights", bend_, 4);
        uniform(FRAGMENT, "bend_square", bend_ + 4);
    }
    set_defines(std::move(defines));
    load_from_files("cg_post_levels_vert.cg", "cg_post_levels_frag.cg");
}

bool cShdLevels::take(cShaderParameterBase* parameter) {
    if (!copy(parameter, values_, kCount))
        return false;
    gamma_weights(values_[2], bend_); // left as they were for a gamma the pow draws
    return true;
}
