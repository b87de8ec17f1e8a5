// The simulation behind the sun's glowing points: particles born on random points of a mesh's
// triangles, flying out along the triangle's normal and dying at a random age. It draws every
// random value from the shared table and needs no GL, so the same run gives the same cloud.
#pragma once

#include "geometry/Vec3.h"
#include "mesh_files/cMeshObj_data.h"
#include "render/points/PointStyle.h"

#include <vector>

struct sSunParticle {
    Vec3f position;
    Vec3f velocity; // units per second
    float age = 0;  // seconds
};
static_assert(sizeof(sSunParticle) == 7 * sizeof(float), "positions are read 7 floats apart");

class cSunParticleField {
public:
    // Never more live particles than this.
    static constexpr int kMaxParticles = 99999;

    // `mesh` keeps its client positions and indices for as long as the field lives.
    explicit cSunParticleField(const cMeshObj_data* mesh) : mesh_(mesh) {}

    // Emits up to 2 x rate new particles (rate is per step, not per second), moves every
    // particle by dt seconds and removes those past their lifetime, swapping in the last one.
    void step(float dt);
    void clear() { particles_.clear(); }

    // Lifetime test: a particle dies once age^exponent exceeds L^2, L = base + span x random.
    Vec3f lifetime{2.5f, 3.6f, 0.0f};
    // The chance that a particle of a lifetime with exponent 0 dies in a step of dt seconds.
    float death_chance(float dt) const;
    float rate = 10000;

    const std::vector<sSunParticle>& particles() const { return particles_; }
    // The live particles' positions, for drawing.
    sPointSource points() const {
        return {particles_.empty() ? nullptr : &particles_[0].position.x,
                sizeof(sSunParticle) / sizeof(float), count()};
    }
    int count() const { return static_cast<int>(particles_.size()); }

private:
    void emit();
    sSunParticle born_on_mesh() const;
    void age_and_kill(float dt);

    const cMeshObj_data* mesh_; // not owned
    std::vector<sSunParticle> particles_;
};
