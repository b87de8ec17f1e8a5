// A swirl around an axis through vtxpos along the unit vector vtxvec: each
// call adds vtxstrength x (axis cross offset-from-axis) to every live
// velocity, so particles on the axis feel nothing and the swirl grows outward.
#pragma once

#include "toolkit/iParticleSystemUpdater.h"

class cVortex : public iParticleSystemUpdater {
public:
    void apply(cParticleSystem& system, int elapsed) override;

    Vec3f vtxvec{0, 1, 0}; // the owner gives a unit vector
    Vec3f vtxpos;
    float vtxstrength = 1;
};
