// Streams the positions of the live particles into one preallocated vertex
// buffer (room for the whole pool) and draws them with a single call of
// distance-attenuated points; with no live particle it issues no draw at all.
#pragma once

#include "toolkit/iParticleSystemRender.h"

#include <GL/gl.h>

class cPSRenderPoints : public iParticleSystemRender {
public:
    // The buffer's size: one position per particle of a full pool.
    static constexpr size_t kBufferBytes = cParticleSystem::kCapacity * sizeof(Vec3f);

    // Makes the vertex buffer the renderer streams into (once, by the owner).
    void create_buffer();
    void delete_buffer();
    void render(const cParticleSystem& system) override;

    // Kept for the owner, who sets the blending; render does not apply them.
    GLenum src_blend = GL_SRC_ALPHA;
    GLenum dst_blend = GL_ONE_MINUS_SRC_ALPHA;
    GLuint vbo = 0;
    size_t point_count = 0; // points written by the last render

private:
    static void set_point_state(float point_size);
    void write_positions(const cParticleSystem& system);
    void draw_points() const;
};
