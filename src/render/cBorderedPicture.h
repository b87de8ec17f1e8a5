// A picture copied into a texture one texel larger on every side, the extra ring transparent
// black, read clamped to its edge: linear reads of it give what reads of the picture clamped
// to a transparent border (GL_CLAMP) give, without the software renderer's slow border path.
#pragma once

#include "cTextureDesc.h"

#include <GL/gl.h>

class cBorderedPicture {
public:
    static constexpr int kBorder = 1; // texels on each side

    // Copies `picture` (a rectangle texture) texel for texel; for any other, or none, it holds
    // no texture.
    explicit cBorderedPicture(const cTextureDesc& picture);
    ~cBorderedPicture();
    cBorderedPicture(const cBorderedPicture&) = delete;
    cBorderedPicture& operator=(const cBorderedPicture&) = delete;

    // The copy, kBorder texels wider than the picture on each side.
    const cTextureDesc& texture() const { return texture_; }

private:
    GLuint id_ = 0;
    cTextureDesc texture_;
};
