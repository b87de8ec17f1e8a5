#include "cShdLevels.h"

#include "base/Messages.h"

#include <algorithm>

cShdLevels::cShdLevels(CGprofile vertex_profile, cShaderManager_CG* manager,
                       CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_post_levels_vert.cg", "cg_post_levels_frag.cg");
}

void cShdLevels::init_parameters() {
    const char* const names[kCount] = {"inBlack", "inWhite", "Gamma", "outBlack", "outWhite"};
    bool all = true;
    for (int i = 0; i < kCount; ++i) {
        params_[i] = cgGetNamedParameter(fragment_program_, names[i]);
        all = all && params_[i];
    }
    if (!all)
        msg_err() << "## ERROR: unable to get parameters in cShdLevels::init_parameters()"
                  << std::endl;
}

void cShdLevels::set_parameter(int index, cShaderParameterBase* parameter) {
    const auto* values = dynamic_cast<cShaderParameter<float*>*>(parameter);
    if (index != 1 || !values)
        return;
    std::copy(values->value, values->value + kCount, values_);
}

void cShdLevels::upload_parameters() {
    for (int i = 0; i < kCount; ++i)
        cgGLSetParameter1f(params_[i], values_[i]);
}
