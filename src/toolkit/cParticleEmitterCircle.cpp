#include "toolkit/cParticleEmitterCircle.h"

#include "base/Pi.h"

#include "toolkit/cRandomTable.h"

#include <cmath>

namespace {} // namespace

void cParticleEmitterCircle::emit(cParticleSystem& system, float /*dt*/) {
    // The count is met before anything is revived: only particle 0 is looked at.
    if (system.emit_count <= 0) {
        if (system.size() > 0 && !system.is_alive(0))
            revive(system, 0);
        return;
    }
    // Live particles never change the count, so the scan jumps from one dead
    // particle to the next.
    float revived = 0;
    for (size_t i = system.next_dead(0); i < system.size(); i = system.next_dead(i + 1)) {
        revive(system, i);
        revived += 1;
        if (revived >= system.emit_count)
            return;
    }
}

void cParticleEmitterCircle::revive(cParticleSystem& system, size_t i) const {
    cRandomTable& table = random_table();
    const float rho = next_random() * radius;
    const float theta = next_random() * kTwoPi;
    const Vec3f at(position_.x + std::cos(theta) * rho, position_.y,
                   position_.z + std::sin(theta) * rho);
    system.positions[i] = at;
    system.prev_positions[i] = at;
    // The velocity takes the next three table values, read backwards, and
    // steps the cursor past them: all components are non-negative, so the
    // particles rise from the ring and drift toward +x and +z.
    const size_t k = table.cursor();
    const float a = table.at(k + 3), b = table.at(k + 2), d = table.at(k + 1);
    table.set_cursor(k + 3);
    system.velocities[i] = Vec3f(initvel * a * 0.05f, initvel * b * 0.5f, initvel * d * 0.05f);
    system.remaining_life[i] = system.life;
    system.set_alive(i, true);
}
