#include "cLitRoom.h"

#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "render/cShaderParameter.h"
#include "render/cTextureManager.h"
#include "shaders/cShdLightmap.h"

void cLitRoom::load(const tMeshFiles& meshes, const tMapFiles& maps) {
    for (size_t i = 0; i < pieces_.size(); ++i)
        pieces_[i] = BzObjLoader::load_uploaded(meshes[i], true);
    for (size_t i = 0; i < maps_.size(); ++i)
        maps_[i] = texture_manager().get_texture(maps[i], false, GL_CLAMP, 0);
    ensure_shader<cShdLightmap>("lightmap_shader", true);
    ensure_shader<cShdLightmap>("lightmap_on_shader", false);
}

void cLitRoom::draw(float blend) const {
    if (blend >= 1) { // the lamps-off map would be read for nothing
        shader_manager().bind("lightmap_on_shader");
    } else {
        cShaderParameter<float> parameter(blend);
        shader_manager().set_parameter("lightmap_shader", cShdBase::kIndex, &parameter);
        shader_manager().bind("lightmap_shader");
    }
    // Every pixel is opaque: blending would read back each pixel drawn over for nothing.
    const cSavedState saved(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    // Last piece first: the pillars and pipes stand in front of the floor and walls, whose
    // hidden pixels the depth test then drops before they are shaded.
    for (size_t i = pieces_.size(); i-- > 0;) {
        if (!pieces_[i])
            continue;
        const cScopedTexture base(maps_[2 * i], GL_TEXTURE0);
        const cScopedTexture light(maps_[2 * i + 1], GL_TEXTURE1);
        pieces_[i]->draw();
    }
}
