// The base of everything that revives dead particles of a system: it holds
// the emitter's position, which the owner moves freely between frames.
// An emitter never allocates; it only reuses the pool's dead particles.
#pragma once

#include "toolkit/cParticleSystem.h"

class cParticleEmitter {
public:
    virtual ~cParticleEmitter() = default;
    // Revives dead particles of `system`; `dt` is the frame time in seconds.
    virtual void emit(cParticleSystem& system, float dt) = 0;
    virtual void set_position(const Vec3f& position) { position_ = position; }

protected:
    Vec3f position_;
};
