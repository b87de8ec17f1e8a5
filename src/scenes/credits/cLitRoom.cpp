#include "cLitRoom.h"

#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "shaders/cShdLightmap.h"

namespace {

void bind_map(GLenum unit, const cTextureDesc& map) {
    ext::glActiveTexture(unit);
    if (map.valid()) {
        glBindTexture(GLenum(map.target), GLuint(map.id));
        glEnable(GLenum(map.target));
    }
}

void unbind_map(GLenum unit, const cTextureDesc& map) {
    ext::glActiveTexture(unit);
    if (map.valid()) {
        glDisable(GLenum(map.target));
        glBindTexture(GLenum(map.target), 0);
    }
}

} // namespace

void cLitRoom::load(const tMeshFiles& meshes, const tMapFiles& maps) {
    for (size_t i = 0; i < pieces_.size(); ++i)
        pieces_[i] = BzObjLoader::load_uploaded(meshes[i], true);
    for (size_t i = 0; i < maps_.size(); ++i)
        maps_[i] = texture_manager().get_texture(maps[i], false, GL_CLAMP, 0);
    ensure_shader<cShdLightmap>("lightmap_shader");
}

void cLitRoom::draw() const {
    shader_manager().bind("lightmap_shader");
    for (size_t i = 0; i < pieces_.size(); ++i) {
        if (!pieces_[i])
            continue;
        bind_map(GL_TEXTURE0, maps_[2 * i]);
        bind_map(GL_TEXTURE1, maps_[2 * i + 1]);
        pieces_[i]->draw();
        unbind_map(GL_TEXTURE1, maps_[2 * i + 1]);
        unbind_map(GL_TEXTURE0, maps_[2 * i]);
    }
}
