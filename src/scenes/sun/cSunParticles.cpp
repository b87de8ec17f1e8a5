#include "cSunParticles.h"

#include "render/GlExtensions.h"
#include "render/PointBatches.h"

#include <cstring>

cSunParticles::cSunParticles(const cMeshObj_data* mesh) : cSunParticleField(mesh) {
    buffer_.size_for_refill(kBufferPositions);
}

void cSunParticles::update(float dt) {
    step(dt);
    uploaded_ = false;
}

void cSunParticles::upload() {
    auto* out = static_cast<float*>(buffer_.map_for_writing());
    if (!out) { // a refused mapping leaves last frame's points; the unmap below reports why
        buffer_.unmap();
        ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
        return;
    }
    for (const sSunParticle& p : particles()) {
        std::memcpy(out, &p.position, sizeof(float) * 3);
        out += 3;
    }
    buffer_.unmap();
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
}

// The buffer copies the field's positions: filled once per step, when drawn.
void cSunParticles::render() {
    if (!uploaded_)
        upload();
    uploaded_ = true;
    buffer_.set_as_vertex_array();
    draw_points_in_batches(0, count());
    glDisableClientState(GL_VERTEX_ARRAY);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
}
