#include "cScopedTexture.h"

#include "GlExtensions.h"

cScopedTexture::cScopedTexture(const cTextureDesc& texture, GLenum unit)
    : cScopedTexture(&texture, unit) {}

cScopedTexture::cScopedTexture(const cTextureDesc* texture, GLenum unit)
    : texture_(texture && texture->valid() ? texture : nullptr), unit_(unit) {
    ext::glActiveTexture(unit_);
    if (!texture_)
        return;
    glEnable(static_cast<GLenum>(texture_->target));
    glBindTexture(static_cast<GLenum>(texture_->target), static_cast<GLuint>(texture_->id));
}

cScopedTexture::~cScopedTexture() {
    ext::glActiveTexture(unit_);
    if (!texture_)
        return;
    glBindTexture(static_cast<GLenum>(texture_->target), 0);
    glDisable(static_cast<GLenum>(texture_->target));
}
