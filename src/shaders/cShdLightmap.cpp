#include "cShdLightmap.h"

cShdLightmap::cShdLightmap(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile)
    : cShader_CG(vertex_profile, manager, fragment_profile) {
    load_from_files("../src/shaders/cg_lightmap_vert.cg", "../src/shaders/cg_lightmap_frag.cg");
}

void cShdLightmap::init_parameters() {
    blend_ = cgGetNamedParameter(fragment_program_, "blend");
}

void cShdLightmap::set_parameter(int, cShaderParameterBase* parameter) {
    if (const auto* value = dynamic_cast<cShaderParameter<float>*>(parameter))
        value_ = value->value;
}

void cShdLightmap::upload_parameters() {
    cgGLSetParameter1f(blend_, value_);
}
