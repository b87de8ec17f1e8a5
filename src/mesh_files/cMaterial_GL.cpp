#include "mesh_files/cMaterial_GL.h"

#include "render/GlExtensions.h"
#include "render/cTextureManager.h"

#include <algorithm>

namespace {

cTextureDesc load(const std::string& name, GLint wrap) {
    return texture_manager().get_texture(name, true, wrap, 0);
}

} // namespace

cMaterial_GL& cMaterial_GL::operator=(const cMaterial_GL& other) {
    if (this == &other)
        return *this;
    copy_surface(other);
    std::copy(other.emission, other.emission + 4, emission);
    std::copy(std::begin(other.textures), std::end(other.textures), textures);
    return *this;
}

void cMaterial_GL::apply() const {
    cMaterial::apply();
    static const float kWhite[4] = {1, 1, 1, 1};
    const struct {
        eTexture record;
        GLenum colour, unit;
    } bindings[] = {{kAmbient, GL_AMBIENT, GL_TEXTURE2},
                    {kDiffuse, GL_DIFFUSE, GL_TEXTURE0},
                    {kSpecular, GL_SPECULAR, GL_TEXTURE1}};
    for (const auto& b : bindings) {
        const cTextureDesc& t = textures[b.record];
        if (t.id == -1)
            continue;
        glMaterialfv(GL_FRONT_AND_BACK, b.colour, kWhite);
        ext::glActiveTextureARB(b.unit);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(static_cast<GLenum>(t.target), static_cast<GLuint>(t.id));
    }
}

void cMaterial_GL::load_textures() {
    if (!texture_names[kAmbientTex].empty())
        textures[kAmbient] = load(texture_names[kAmbientTex], GL_CLAMP);
    if (!texture_names[kDiffuseTex].empty())
        textures[kDiffuse] = load(texture_names[kDiffuseTex], GL_CLAMP);
    else if (!texture_names[kTiledTex].empty())
        textures[kDiffuse] = load(texture_names[kTiledTex], GL_REPEAT);
    if (!texture_names[kSpecularTex].empty())
        textures[kSpecular] = load(texture_names[kSpecularTex], GL_CLAMP);
    for (float* colour : {ambient, diffuse, specular, emission})
        colour[3] = alpha;
}

void cMaterial_GL::reset_texture_units() {
    for (GLenum unit : {GL_TEXTURE2, GL_TEXTURE1, GL_TEXTURE0}) {
        ext::glActiveTextureARB(unit);
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}
