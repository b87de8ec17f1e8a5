// Draws the live particles in immediate mode as one batch of points, each
// grey by the share of its life that is left (white when just emitted).
// It sets no GL state of its own; a system without life draws them white.
#pragma once

#include "toolkit/iParticleSystemRender.h"

class cPSRenderIMM : public iParticleSystemRender {
public:
    void render(const cParticleSystem& system) override;
};
