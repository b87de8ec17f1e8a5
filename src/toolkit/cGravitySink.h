// An attracting point: each call adds a pull of sinkstrength / r toward
// sinkpos to every live velocity, with r clamped to at least 0.001 so a
// particle near the point is never flung away; one exactly on it is not pulled.
#pragma once

#include "toolkit/iParticleSystemUpdater.h"

class cGravitySink : public iParticleSystemUpdater {
public:
    void apply(cParticleSystem& system, int elapsed) override;

    Vec3f sinkpos;
    float sinkstrength = 1;
};
