// A render target made of a framebuffer object with a depth renderbuffer and
// a colour texture. The texture is always a rectangle texture addressed in
// texels; its contents are undefined until something draws into it. Ending a
// target rebinds the framebuffer that was bound before it, which is not
// always 0: a window system may draw the window through a framebuffer of its own.
#pragma once

#include "iRenderTarget.h"

class cRenderTarget_fbo : public iRenderTarget {
public:
    cRenderTarget_fbo(unsigned width, unsigned height);
    cRenderTarget_fbo(const cRenderTarget_fbo&) = delete;
    cRenderTarget_fbo& operator=(const cRenderTarget_fbo&) = delete;

    void create() override;
    void begin() override;
    void end() override;
    void bind_texture() override;
    void unbind_texture() override;
    ~cRenderTarget_fbo() override;
    void enable_texture() override;
    void disable_texture() override;

    unsigned width() const override { return width_; }
    unsigned height() const override { return height_; }
    GLenum texture_target() const override { return texture_target_; }
    GLuint texture() const override { return texture_; }
    GLuint framebuffer() const { return framebuffer_; }

private:
    void create_texture();

    unsigned width_;
    unsigned height_;
    GLuint framebuffer_ = 0;
    GLuint depth_ = 0;
    GLuint texture_ = 0;
    GLenum texture_target_;
    GLenum texel_type_ = GL_FLOAT;
    bool with_depth_ = true;
    GLint saved_viewport_[4] = {-1, -1, -1, -1};
    GLint saved_draw_buffer_ = 0;
    GLint saved_framebuffer_ = 0;
};
