#include "toolkit/cParticleSystem.h"

#include <algorithm>

void cParticleSystem::init(float emit_count_, float drag_, float life_, const Vec3f& gravity_,
                           float point_size_) {
    positions.assign(kCapacity, Vec3f());
    prev_positions.assign(kCapacity, Vec3f());
    velocities.assign(kCapacity, Vec3f());
    remaining_life.assign(kCapacity, life_);
    alive_bits_.assign((kCapacity + 31) / 32, 0u);
    gravity = gravity_;
    drag = drag_;
    life = life_;
    point_size = point_size_;
    emit_count = emit_count_;
}

void cParticleSystem::update(float dt) {
    const float keep = 1.0f - drag;
    const Vec3f fall = gravity * dt;
    for (size_t w = 0; w < alive_bits_.size(); ++w) {
        uint32_t dead = 0;
        for (uint32_t bits = alive_bits_[w]; bits; bits &= bits - 1) {
            const int bit = __builtin_ctz(bits);
            const size_t i = w * 32 + static_cast<size_t>(bit);
            remaining_life[i] -= dt;
            if (remaining_life[i] <= 0.0f) {
                dead |= 1u << bit;
                continue;
            }
            prev_positions[i] = positions[i];
            positions[i] += velocities[i] * dt;
            velocities[i] = velocities[i] * keep + fall;
        }
        alive_bits_[w] &= ~dead;
    }
}

size_t cParticleSystem::next_dead(size_t from) const {
    for (size_t w = from >> 5; w < alive_bits_.size(); ++w) {
        uint32_t dead = ~alive_bits_[w];
        if (w == from >> 5)
            dead &= ~0u << (from & 31);
        if (dead)
            return std::min(w * 32 + static_cast<size_t>(__builtin_ctz(dead)), size());
    }
    return size();
}

size_t cParticleSystem::alive_count() const {
    size_t count = 0;
    for (uint32_t bits : alive_bits_)
        count += static_cast<size_t>(__builtin_popcount(bits));
    return count;
}
