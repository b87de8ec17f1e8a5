#include "cLitRoom.h"

#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
#include "render/ShaderRegistry.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "shaders/cShdLightmap.h"

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
        const cScopedTexture base(maps_[2 * i], GL_TEXTURE0);
        const cScopedTexture light(maps_[2 * i + 1], GL_TEXTURE1);
        pieces_[i]->draw();
    }
}
