// A sphere that particles cannot enter: a live particle inside it is moved
// radially onto its surface (straight up from the centre if it sits exactly
// there); one on or outside the surface keeps its position exactly.
#pragma once

#include "toolkit/iParticleSystemUpdater.h"

class cSphereConstraint : public iParticleSystemUpdater {
public:
    void apply(cParticleSystem& system, int elapsed) override;

    Vec3f sphpos;
    float sphrad = 1;
};
