// A fixed pool of 40000 point particles kept as parallel arrays, with one
// live bit each. After `init` nothing is allocated: emitters revive dead
// particles, updaters bend live ones, `update` integrates and retires them.
#pragma once

#include "geometry/Vec3.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class cParticleSystem {
public:
    static constexpr size_t kCapacity = 40000;

    virtual ~cParticleSystem() = default;

    // Builds the pool: every particle dead, at the origin, at rest, with a
    // full `life` left. Called once by the owner's load.
    void init(float emit_count, float drag, float life, const Vec3f& gravity, float point_size);
    // Explicit Euler step of `dt` seconds for every live particle; a
    // particle whose life runs out in this step dies where it stands.
    void update(float dt);

    size_t size() const { return positions.size(); }
    bool is_alive(size_t i) const { return (alive_bits_[i >> 5] >> (i & 31)) & 1u; }
    void set_alive(size_t i, bool alive) {
        const uint32_t bit = 1u << (i & 31);
        alive_bits_[i >> 5] = alive ? (alive_bits_[i >> 5] | bit) : (alive_bits_[i >> 5] & ~bit);
    }
    size_t alive_count() const;
    // The first dead particle at or after `from`; size() if there is none.
    size_t next_dead(size_t from) const;

    // Calls f(i) for every live particle in index order; dead words of 32
    // particles are skipped whole.
    template <class F> void for_each_alive(F f) const {
        for (size_t w = 0; w < alive_bits_.size(); ++w)
            for (uint32_t bits = alive_bits_[w]; bits; bits &= bits - 1)
                f(w * 32 + static_cast<size_t>(__builtin_ctz(bits)));
    }

    std::vector<Vec3f> positions;
    std::vector<Vec3f> prev_positions;
    std::vector<Vec3f> velocities;
    std::vector<float> remaining_life;

    Vec3f gravity;
    float drag = 0;       // fraction of the velocity lost per update call
    float life = 0;       // seconds every emitted particle lives
    float point_size = 1; // GL point size of the point renderer
    float emit_count = 0; // the most particles one emit call revives

private:
    std::vector<uint32_t> alive_bits_;
};
