#include "cShdXray.h"

#include <stdexcept>

cShdXray::cShdXray(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/shaders/cg_xray_vert.cg", "../src/shaders/cg_xray_frag.cg");
}

void cShdXray::init_parameters() {
    inv_ = cgGetNamedParameter(fragment_program_, "inv");
}

void cShdXray::set_parameter(int index, cShaderParameterBase* parameter) {
    const auto* value = dynamic_cast<cShaderParameter<float>*>(parameter);
    if (index != 1 || !value)
        throw std::invalid_argument("cShdXray::set_parameter takes index 1 with one float");
    value_ = value->value;
}

void cShdXray::upload_parameters() {
    cgGLSetParameter1f(inv_, value_);
}
