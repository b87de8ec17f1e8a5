#include "toolkit/cPSRenderPoints.h"

#include "render/GlExtensions.h"
#include "render/cSavedState.h"

void cPSRenderPoints::create_buffer() {
    if (vbo)
        return;
    ext::glGenBuffersARB(1, &vbo);
    ext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    ext::glBufferDataARB(GL_ARRAY_BUFFER_ARB, kBufferBytes, nullptr, GL_DYNAMIC_DRAW_ARB);
    ext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void cPSRenderPoints::delete_buffer() {
    if (vbo)
        ext::glDeleteBuffersARB(1, &vbo);
    vbo = 0;
}

void cPSRenderPoints::render(const cParticleSystem& system) {
    point_count = 0;
    if (!vbo)
        return; // the owner has not made the buffer: nothing to stream into
    const cSavedState saved(0xfffff);
    glDepthMask(GL_FALSE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_CULL_FACE);
    set_point_state(system.point_size);
    write_positions(system);
    if (point_count > 0)
        draw_points();
    ext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void cPSRenderPoints::set_point_state(float point_size) {
    const GLfloat attenuation[3] = {1.0f, 0.01f, 0.0f};
    ext::glPointParameterfvARB(GL_POINT_DISTANCE_ATTENUATION_ARB, attenuation);
    ext::glPointParameterfARB(GL_POINT_SIZE_MIN_ARB, 1.0f);
    glPointSize(point_size);
    ext::glPointParameterfARB(GL_POINT_SIZE_MAX_ARB, 0.4f * point_size);
}

void cPSRenderPoints::write_positions(const cParticleSystem& system) {
    ext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    auto* out = static_cast<Vec3f*>(ext::glMapBufferARB(GL_ARRAY_BUFFER_ARB, GL_WRITE_ONLY_ARB));
    if (!out)
        return;
    const size_t room = kBufferBytes / sizeof(Vec3f);
    system.for_each_alive([&](size_t i) {
        if (point_count < room)
            out[point_count++] = system.positions[i];
    });
    ext::glUnmapBufferARB(GL_ARRAY_BUFFER_ARB);
}

void cPSRenderPoints::draw_points() const {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(point_count));
    glDisableClientState(GL_VERTEX_ARRAY);
}
