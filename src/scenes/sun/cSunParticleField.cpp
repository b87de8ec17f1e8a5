#include "cSunParticleField.h"

#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <cmath>

void cSunParticleField::step(float dt) {
    emit();
    age_and_kill(dt);
}

void cSunParticleField::emit() {
    const int wanted = static_cast<int>(2.0f * next_random() * rate);
    const int room = kMaxParticles - count();
    const int n = std::max(0, std::min(wanted, room));
    if (!mesh_ || mesh_->indices.size() < 3)
        return;
    for (int i = 0; i < n; ++i)
        particles_.push_back(born_on_mesh());
}

sSunParticle cSunParticleField::born_on_mesh() const {
    const float r1 = next_random(), r2 = next_random(), r3 = next_random();
    const size_t triangles = (mesh_->indices.size() - 1) / 3;
    const size_t triangle = static_cast<size_t>(r1 * static_cast<float>(triangles));
    float u = r3, v = r2;
    if (u + v > 1) { // folded back into the triangle: points stay evenly spread over it
        u = 1 - u;
        v = 1 - v;
    }
    Vec3f corner[3];
    for (int k = 0; k < 3; ++k) {
        const size_t at = static_cast<size_t>(mesh_->indices[triangle * 3 + k]) * 3;
        corner[k] = Vec3f(mesh_->positions[at], mesh_->positions[at + 1], mesh_->positions[at + 2]);
    }
    const Vec3f e1 = corner[1] - corner[0], e2 = corner[2] - corner[0];
    sSunParticle p;
    p.position = corner[0] + e1 * u + e2 * v;
    p.velocity = e1.cross(e2).normalized() * 2.0f;
    return p;
}

// With exponent 0 the test L^2 - 1 < 0 does not look at the age: it is a chance of death per
// update. It is taken per sixtieth of a second, so the cloud is as thin round the sun at any
// frame rate as at 60 frames a second (at 60 exactly as the plain test).
float cSunParticleField::death_chance(float dt) const {
    const float per_frame = lifetime.y > 0 ? std::clamp((1 - lifetime.x) / lifetime.y, 0.0f, 1.0f)
                                           : (lifetime.x < 1 ? 1.0f : 0.0f);
    return 1 - std::pow(1 - per_frame, dt * 60);
}

void cSunParticleField::age_and_kill(float dt) {
    const bool by_chance = lifetime.z == 0;
    const float chance = by_chance ? death_chance(dt) : 0;
    for (size_t i = 0; i < particles_.size();) {
        sSunParticle& p = particles_[i];
        p.position += p.velocity * dt;
        p.age += dt;
        const float r = next_random();
        const float l = lifetime.x + lifetime.y * r;
        if (by_chance ? r < chance : l * l - std::pow(p.age, lifetime.z) < 0) {
            p = particles_.back(); // order does not matter: swap in the last and look again
            particles_.pop_back();
        } else {
            ++i;
        }
    }
}
