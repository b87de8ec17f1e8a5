// Revives the lowest-numbered dead particles on a horizontal ring around
// the emitter position, at most `emit_count` per call, drawing radius, angle
// and the upward initial velocity from the shared random table.
#pragma once

#include "toolkit/cParticleEmitter.h"

class cParticleEmitterCircle : public cParticleEmitter {
public:
    void emit(cParticleSystem& system, float dt) override;

    float radius = 0;     // set by the owner
    float initvel = 1000; // scale of the initial velocity

private:
    void revive(cParticleSystem& system, size_t i) const;
};
