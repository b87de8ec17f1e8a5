#include "cRenderTarget_fbo.h"

#include "GlExtensions.h"

namespace {

GLuint bound_framebuffer() {
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
    return static_cast<GLuint>(bound);
}

} // namespace

cRenderTarget_fbo::cRenderTarget_fbo(unsigned width, unsigned height)
    : width_(width), height_(height), texture_target_(GL_TEXTURE_RECTANGLE_ARB) {}

void cRenderTarget_fbo::create_texture() {
    glGenTextures(1, &texture_);
    glBindTexture(texture_target_, texture_);
    glTexParameteri(texture_target_, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(texture_target_, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(texture_target_, 0);
    glBindTexture(texture_target_, texture_);
    glTexParameteri(texture_target_, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(texture_target_, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(texture_target_, 0, GL_RGBA8, static_cast<GLsizei>(width_),
                 static_cast<GLsizei>(height_), 0, GL_BGRA, texel_type_, nullptr);
}

// Completeness is not queried: every size the pool asks for is renderable.
void cRenderTarget_fbo::create() {
    const GLuint bound = bound_framebuffer();
    create_texture();
    ext::glGenFramebuffersEXT(1, &framebuffer_);
    ext::glGenRenderbuffersEXT(1, &depth_);
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer_);
    ext::glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, texture_target_,
                                   texture_, 0);
    if (with_depth_) {
        ext::glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, depth_);
        ext::glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT24,
                                      static_cast<GLsizei>(width_), static_cast<GLsizei>(height_));
        ext::glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT,
                                          GL_RENDERBUFFER_EXT, depth_);
    }
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, bound);
    glBindTexture(texture_target_, 0);
}

void cRenderTarget_fbo::begin() {
    glGetIntegerv(GL_VIEWPORT, saved_viewport_);
    saved_framebuffer_ = static_cast<GLint>(bound_framebuffer());
    glViewport(0, 0, static_cast<GLsizei>(width_), static_cast<GLsizei>(height_));
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer_);
    glGetIntegerv(GL_DRAW_BUFFER, &saved_draw_buffer_);
    glDrawBuffer(GL_COLOR_ATTACHMENT0_EXT);
}

void cRenderTarget_fbo::end() {
    glDrawBuffer(static_cast<GLenum>(saved_draw_buffer_));
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(saved_framebuffer_));
    glViewport(saved_viewport_[0], saved_viewport_[1], saved_viewport_[2], saved_viewport_[3]);
}

void cRenderTarget_fbo::bind_texture() {
    glBindTexture(texture_target_, texture_);
}

void cRenderTarget_fbo::unbind_texture() {
    glBindTexture(texture_target_, 0);
}

// Deleting a bound framebuffer unbinds it; any other binding stays.
cRenderTarget_fbo::~cRenderTarget_fbo() {
    unbind_texture();
    ext::glDeleteFramebuffersEXT(1, &framebuffer_);
    ext::glDeleteRenderbuffersEXT(1, &depth_);
    glDeleteTextures(1, &texture_);
}

void cRenderTarget_fbo::enable_texture() {
    glEnable(texture_target_);
}

void cRenderTarget_fbo::disable_texture() {
    glDisable(texture_target_);
}
