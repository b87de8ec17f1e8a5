#include "cShdBlurTex.h"

cShdBlurTex::cShdBlurTex(CGprofile vertex_profile, cShaderManager_CG* manager,
                         CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("cg_blurtex_vert.cg", "cg_blurtex_frag.cg");
}

void cShdBlurTex::init_parameters() {
    sampledir_ = cgGetNamedParameter(fragment_program_, "sampledir");
}

void cShdBlurTex::set_parameter(int index, cShaderParameterBase* parameter) {
    const auto* direction = dynamic_cast<cShaderParameter<float*>*>(parameter);
    if (index != 1 || !direction)
        return;
    direction_[0] = direction->value[0];
    direction_[1] = direction->value[1];
}

void cShdBlurTex::upload_parameters() {
    cgGLSetParameter2fv(sampledir_, direction_);
}
