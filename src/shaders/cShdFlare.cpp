#include "cShdFlare.h"

cShdFlare::cShdFlare(CGprofile vertex_profile, cShaderManager_CG* manager,
                     CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/shaders/cg_flare_vert.cg", "../src/shaders/cg_flare_frag.cg");
}

void cShdFlare::init_parameters() {
    uvshift_ = cgGetNamedParameter(fragment_program_, "uvshift");
}

void cShdFlare::set_parameter(int, cShaderParameterBase* parameter) {
    if (const auto* value = dynamic_cast<cShaderParameter<float>*>(parameter))
        value_ = value->value;
}

void cShdFlare::upload_parameters() {
    cgSetParameter1f(uvshift_, value_);
}
