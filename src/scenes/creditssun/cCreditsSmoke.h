// The dark smoke of the credits sun: particles rise from a ring on the centre ring's top,
// are pulled toward the sun, swirl about the room's axis and are pushed out of the sun's
// sphere. They are emitted for the first 13 s only and live 3 s, so the smoke is gone by 16 s.
#pragma once

#include "toolkit/cGravitySink.h"
#include "toolkit/cPSRenderPoints.h"
#include "toolkit/cParticleEmitterCircle.h"
#include "toolkit/cParticleSystem.h"
#include "toolkit/cSphereConstraint.h"
#include "toolkit/cVortex.h"

#include <cstdint>

class cCreditsSmoke {
public:
    static constexpr int32_t kEmitMs = 13000;
    static constexpr float kSunRadius = 29; // the sphere's radius at sun scale 1

    ~cCreditsSmoke();

    // The pool and the ring (once, while the scene loads); no GL needed.
    void load();
    // The renderer's vertex buffer (once, with a GL context).
    void create_buffer();
    // The settings of a run of the scene: pull, swirl, drag, ring size and speed.
    void init();
    // One frame, `since_start` ms after the scene's first frame, `dt` s long, with the sun
    // at `sun_scale`: emit (early on only), pull, swirl, move, keep out of the sun.
    void step(int32_t since_start, float dt, float sun_scale);
    // Each point darkens what lies behind it to a tenth.
    void draw();

    const cParticleSystem& system() const { return system_; }
    const cSphereConstraint& sphere() const { return sphere_; }

private:
    cParticleSystem system_;
    cPSRenderPoints points_;
    cParticleEmitterCircle ring_;
    cGravitySink sink_;
    cSphereConstraint sphere_;
    cVortex vortex_;
};
