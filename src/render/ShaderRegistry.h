// Lazy registration for the effects: a shader is compiled the first time an effect needs it
// in the current shader manager. Asking again registers nothing and prints nothing, so a
// name is never compiled twice and never reported as a duplicate.
#pragma once

#include "cShaderManager_CG.h"

#include <string>

template <class T, class... tMore>
void ensure_shader(const std::string& name, const tMore&... more) {
    if (!shader_manager().find(name))
        shader_manager().register_shader<T>(name, more...);
}
