#include "cShdMorphDS.h"

#include "base/Messages.h"

cShdMorphDS::cShdMorphDS(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/cg_morphDS_vert.cg", "../src/cg_morphDS_frag.cg");
}

void cShdMorphDS::init_parameters() {
    cur_t_ = cgGetNamedParameter(vertex_program_, "cur_t");
    if (!cur_t_)
        msg_err() << "## ERROR: unable to get shader-parameters in "
                  << "cShdMorphDS.cpp"
                  << ", line " << 15 << std::endl;
}

void cShdMorphDS::set_parameter(int, cShaderParameterBase* parameter) {
    if (const auto* value = dynamic_cast<cShaderParameter<float>*>(parameter))
        value_ = value->value;
}

void cShdMorphDS::upload_parameters() {
    cgGLSetParameter1f(cur_t_, value_);
}
