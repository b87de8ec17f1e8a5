#include "toolkit/cSphereConstraint.h"

void cSphereConstraint::apply(cParticleSystem& system, int /*elapsed*/) {
    system.for_each_alive([&](size_t i) {
        Vec3f& p = system.positions[i];
        const Vec3f out = p - sphpos;
        const float r = out.length();
        if (r >= sphrad)
            return;
        // The centre itself has no outward direction: up is the way the
        // emitted particles travel anyway.
        p = r > 0.0f ? sphpos + out * (sphrad / r) : sphpos + Vec3f(0, sphrad, 0);
    });
}
