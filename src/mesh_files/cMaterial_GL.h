// A material with its textures on the GL side: ambient, diffuse, specular
// and a fourth texture record (-1 when empty). `apply` binds the first three
// to units 2, 0 and 1 and lights their colour channel white.
#pragma once

#include "mesh_files/cMaterial.h"
#include "render/cTextureDesc.h"

class cMaterial_GL : public cMaterial {
public:
    enum eTexture { kAmbient, kDiffuse, kSpecular, kFourth, kTextures };

    using cMaterial::cMaterial;
    cMaterial_GL(const cMaterial_GL& other) = default;
    using cMaterial::operator=;
    // Also takes the emission and the texture records.
    cMaterial_GL& operator=(const cMaterial_GL& other);

    void apply() const override;
    // Gets the named textures from the texture manager and copies `alpha`
    // into the alpha of every colour. Run once, right after loading.
    void load_textures();
    // Units 2, 1 and 0: 2D texturing off, no texture bound; unit 0 active.
    static void reset_texture_units();

    cTextureDesc textures[kTextures];
};
