#include "toolkit/cVortex.h"

void cVortex::apply(cParticleSystem& system, int /*elapsed*/) {
    system.for_each_alive([&](size_t i) {
        const Vec3f& p = system.positions[i];
        const float t = vtxvec.dot(p - vtxpos);
        const Vec3f off_axis = p - (vtxpos + vtxvec * t);
        system.velocities[i] += vtxvec.cross(off_axis) * vtxstrength;
    });
}
