#include "mesh_files/cVBO.h"

#include "render/GlErrors.h"
#include "render/GlExtensions.h"

cVBO::cVBO(int32_t components_) : components(components_) {
    ext::glGenBuffersARB(1, &id);
}

cVBO::~cVBO() {
    if (id != 0)
        ext::glDeleteBuffersARB(1, &id);
    id = 0;
}

void cVBO::bind(GLenum on) const {
    ext::glBindBufferARB(on, id);
}

void cVBO::fill(int32_t count, const void* data, GLenum on) {
    bind(on);
    ext::glBufferDataARB(on, static_cast<GLsizeiptr>(count) * components * 4, data, usage);
    ext::glBindBufferARB(on, 0);
}

void cVBO::size_for_refill(int32_t count) {
    usage = GL_DYNAMIC_DRAW;
    fill(count, nullptr);
}

void* cVBO::map_for_writing() {
    bind();
    return ext::glMapBufferARB(GL_ARRAY_BUFFER, GL_WRITE_ONLY);
}

void cVBO::unmap() {
    bind();
    if (!ext::glUnmapBufferARB(GL_ARRAY_BUFFER))
        check_gl_error("cVBO::unmap");
}

void cVBO::set_as_vertex_array() {
    bind();
    glVertexPointer(components, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_VERTEX_ARRAY);
}

void cVBO::set_as_normal_array() {
    bind();
    glNormalPointer(GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_NORMAL_ARRAY);
}

void cVBO::set_as_texcoord_array() {
    bind();
    glTexCoordPointer(components, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}
