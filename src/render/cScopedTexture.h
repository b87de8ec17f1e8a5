// A picture bound and enabled on a texture unit for the life of the object: the unit is made
// active, and the picture is unbound and its target disabled again at the end, leaving that
// unit active. A descriptor that holds no texture, or none at all, binds nothing.
#pragma once

#include "cTextureDesc.h"

#include <GL/gl.h>

class cScopedTexture {
public:
    explicit cScopedTexture(const cTextureDesc& texture, GLenum unit = GL_TEXTURE0);
    cScopedTexture(const cTextureDesc* texture, GLenum unit);
    ~cScopedTexture();
    cScopedTexture(const cScopedTexture&) = delete;
    cScopedTexture& operator=(const cScopedTexture&) = delete;

private:
    const cTextureDesc* texture_; // none: nothing bound
    GLenum unit_;
};
