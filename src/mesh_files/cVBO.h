// One OpenGL buffer object, owned: generated on construction, deleted on
// destruction. Static buffers are filled once; buffers that are refilled are
// sized once as dynamic and written through a write-only mapping.
#pragma once

#include <GL/gl.h>
#include <cstdint>

class cVBO {
public:
    explicit cVBO(int32_t components_);
    ~cVBO();
    cVBO(const cVBO&) = delete;
    cVBO& operator=(const cVBO&) = delete;

    // Sends `count` elements to the buffer bound on `target`.
    void fill(int32_t count, const void* data, GLenum target = GL_ARRAY_BUFFER);
    // Makes the buffer dynamic and gives it room for `count` elements.
    void size_for_refill(int32_t count);
    void* map_for_writing();
    void unmap();
    void set_as_vertex_array();
    void set_as_normal_array();
    // On the client texture unit selected now.
    void set_as_texcoord_array();
    void bind(GLenum target = GL_ARRAY_BUFFER) const;

    int32_t components;
    GLuint id = 0;
    GLenum usage = GL_STATIC_DRAW;
    GLenum target = GL_ARRAY_BUFFER;
};
