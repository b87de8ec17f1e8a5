// The sun's glowing points: the particle field streamed each update into one dynamic buffer
// object, mapped write-only, and drawn as points in one call. The buffer is made once with
// room for 100 000 positions, one more than the field ever holds.
#pragma once

#include "cSunParticleField.h"
#include "mesh_files/cVBO.h"

class cSunParticles : public cSunParticleField {
public:
    static constexpr int kBufferPositions = 100000;

    // Needs a GL context: creates and sizes the point buffer.
    explicit cSunParticles(const cMeshObj_data* mesh);

    // Steps the field by dt seconds; the positions reach the buffer when next rendered.
    void update(float dt);
    // The live particles as points with the caller's colour, size and blending.
    void render();

    const cVBO& buffer() const { return buffer_; }

private:
    void upload();

    cVBO buffer_{3};
    bool uploaded_ = false;
};
