// An updater bends the motion of every live particle once per frame: it
// changes velocities or positions and never revives or retires particles.
// `elapsed` is the frame time in milliseconds; the updaters so far ignore it.
#pragma once

#include "toolkit/cParticleSystem.h"

class iParticleSystemUpdater {
public:
    virtual ~iParticleSystemUpdater() = default;
    virtual void apply(cParticleSystem& system, int elapsed) = 0;
};
