#include "cShdPostHSB.h"

#include "base/Messages.h"

#include <cmath>

cShdPostHSB::cShdPostHSB(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_post_hsb_vert.cg", "cg_post_hsb_frag.cg");
}

void cShdPostHSB::init_parameters() {
    h_param_ = cgGetNamedParameter(fragment_program_, "H_adjust");
    s_param_ = cgGetNamedParameter(fragment_program_, "S_adjust");
    b_param_ = cgGetNamedParameter(fragment_program_, "B_adjust");
    if (!h_param_ || !s_param_ || !b_param_)
        msg_err() << "## ERROR: unable to get parameters in "
                  << "cShdPostHSB::init_parameters" << std::endl;
}

void cShdPostHSB::set_parameter(int, cShaderParameterBase* parameter) {
    const auto* values = dynamic_cast<cShaderParameter<float*>*>(parameter);
    if (!values)
        return;
    h_adjust_ = values->value[0] / -180.0f * float(M_PI);
    s_adjust_ = values->value[1] / 100.0f + 1.0f;
    b_adjust_ = values->value[2] / 100.0f;
}

void cShdPostHSB::upload_parameters() {
    cgGLSetParameter1f(h_param_, h_adjust_);
    cgGLSetParameter1f(s_param_, s_adjust_);
    cgGLSetParameter1f(b_param_, b_adjust_);
}
