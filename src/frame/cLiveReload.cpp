#include "cLiveReload.h"

#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"

void cLiveReload::start() {
    for (const std::string& file : shader_manager().source_files())
        watch_.watch(file);
    for (const std::string& file : texture_manager().source_files())
        watch_.watch(file);
}

void cLiveReload::apply() {
    for (const std::string& file : watch_.settled()) {
        shader_manager().reload_file(file);
        texture_manager().reload_file(file);
    }
}
