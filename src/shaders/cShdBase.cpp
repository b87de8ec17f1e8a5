#include "cShdBase.h"

#include "base/Messages.h"

#include <algorithm>

cShdBase::cShdBase(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
                   const char* class_name, std::string missing_report)
    : cShader_CG(vertex_profile, manager, fragment_profile), class_name_(class_name),
      missing_report_(std::move(missing_report)) {}

void cShdBase::uniform(eStage stage, const char* name, float* values, int count) {
    uniforms_.push_back({stage, name, values, count, nullptr});
}

void cShdBase::init_parameters() {
    bool all = true;
    for (sUniform& u : uniforms_) {
        u.handle =
            cgGetNamedParameter(u.stage == VERTEX ? vertex_program_ : fragment_program_, u.name);
        all = all && u.handle;
    }
    if (!all && !missing_report_.empty())
        msg_err() << missing_report_ << std::endl;
}

// A record at another index, or of another type, is a caller's slip: drawing goes on with the
// values the shader had.
void cShdBase::set_parameter(int index, cShaderParameterBase* parameter) {
    if (uniforms_.empty())
        return cShader_CG::set_parameter(index, parameter);
    if (index != kIndex)
        msg_err() << "# warning: " << class_name_ << "::set_parameter: no parameter at index "
                  << index << ", nothing set" << std::endl;
    else if (!take(parameter))
        msg_err() << "# warning: " << class_name_ << "::set_parameter: index " << index
                  << " given a value of another type, nothing set" << std::endl;
}

void cShdBase::upload_parameters() {
    for (const sUniform& u : uniforms_) {
        if (u.count == 1)
            cgGLSetParameter1f(u.handle, u.values[0]);
        else if (u.count == 2)
            cgGLSetParameter2fv(u.handle, u.values);
        else if (u.count == 3)
            cgGLSetParameter3fv(u.handle, u.values);
        else
            cgGLSetParameter4fv(u.handle, u.values);
    }
}

bool cShdBase::copy(cShaderParameterBase* parameter, float* into, int count) {
    const auto* values = dynamic_cast<cShaderParameter<float*>*>(parameter);
    if (!values || !values->value)
        return false;
    std::copy(values->value, values->value + count, into);
    return true;
}

bool cShdBase::copy(cShaderParameterBase* parameter, float& into) {
    const auto* value = dynamic_cast<cShaderParameter<float>*>(parameter);
    if (!value)
        return false;
    into = value->value;
    return true;
}
