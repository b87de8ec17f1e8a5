#include "toolkit/cGravitySink.h"

#include <algorithm>

void cGravitySink::apply(cParticleSystem& system, int /*elapsed*/) {
    system.for_each_alive([&](size_t i) {
        const Vec3f d = sinkpos - system.positions[i];
        const float r = d.length();
        // On the point itself the pull has no direction; it is left out.
        if (r <= 0.0f)
            return;
        const float clamped = std::max(r, 0.001f);
        system.velocities[i] += d * (sinkstrength / (r * clamped));
    });
}
