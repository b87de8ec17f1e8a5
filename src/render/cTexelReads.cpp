#include "cTexelReads.h"

#include "GlExtensions.h"

cTexelReads::cTexelReads(std::initializer_list<iRenderTarget*> targets) {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (iRenderTarget* target : targets)
        if (target && static_cast<GLint>(target->width()) == viewport[2] &&
            static_cast<GLint>(target->height()) == viewport[3]) {
            filter(*target, GL_NEAREST);
            switched_.push_back(target);
        }
}

// Back to the linear filter every target is made with.
cTexelReads::~cTexelReads() {
    for (iRenderTarget* target : switched_)
        filter(*target, GL_LINEAR);
}

// On the active unit, whose binding for the target's kind of texture is left as it was.
void cTexelReads::filter(iRenderTarget& target, GLint mode) {
    const GLenum kind = target.texture_target();
    GLint bound = 0;
    glGetIntegerv(kind == GL_TEXTURE_RECTANGLE_ARB ? GL_TEXTURE_BINDING_RECTANGLE_ARB
                                                   : GL_TEXTURE_BINDING_2D,
                  &bound);
    target.bind_texture();
    glTexParameteri(kind, GL_TEXTURE_MIN_FILTER, mode);
    glTexParameteri(kind, GL_TEXTURE_MAG_FILTER, mode);
    glBindTexture(kind, static_cast<GLuint>(bound));
}
