// An off-screen colour image that scenes and effects draw into and then read
// as a texture. begin/end do not nest: end always returns to the window, so
// a caller finishes one target before beginning the next.
#pragma once

#include <GL/gl.h>

class iRenderTarget {
public:
    virtual void create() = 0;
    // Viewport and draw buffer to the target; end restores both.
    virtual void begin() = 0;
    virtual void end() = 0;
    // On the active texture unit.
    virtual void bind_texture() = 0;
    virtual void unbind_texture() = 0;
    virtual ~iRenderTarget() = default;
    virtual void enable_texture() = 0;
    virtual void disable_texture() = 0;

    virtual unsigned width() const = 0;
    virtual unsigned height() const = 0;
    virtual GLenum texture_target() const = 0;
    virtual GLuint texture() const = 0;
};
