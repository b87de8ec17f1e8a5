// A renderer draws the live particles of a system as points with the
// caller's colour, blending and matrices. Dead particles are never drawn,
// however long they kept their last position.
#pragma once

#include "toolkit/cParticleSystem.h"

class iParticleSystemRender {
public:
    virtual ~iParticleSystemRender() = default;
    virtual void render(const cParticleSystem& system) = 0;
};
