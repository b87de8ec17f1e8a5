#include "platform/RuntimeRandom.h"
#include "toolkit/cGravitySink.h"
#include "toolkit/cParticleEmitterCircle.h"
#include "toolkit/cRandomTable.h"
#include "toolkit/cSphereConstraint.h"
#include "toolkit/cVortex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expect_vec(const Vec3f& got, const Vec3f& want, float tolerance = 1e-5f) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

// A pool with no drag, no gravity and a life of 2 s.
cParticleSystem pool() {
    cParticleSystem system;
    system.init(100, 0, 2, Vec3f(), 3);
    return system;
}

// Particle 0 alive at `p`, at rest.
cParticleSystem one_at(const Vec3f& p) {
    cParticleSystem system = pool();
    system.positions[0] = p;
    system.set_alive(0, true);
    return system;
}

} // namespace

TEST(RandomTable, FollowsTheClassicRuntimeSequenceRepeatsExactlyAndWraps) {
    cRandomTable& table = random_table();
    table.fill();
    // The first values of the classic generator from its start state.
    const int classic[] = {41, 18467, 6334, 26500, 19169};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(table.at(static_cast<size_t>(i)), classic[i] / 32767.0f) << i;
    std::vector<float> first;
    for (size_t i = 0; i < cRandomTable::kSize; ++i)
        first.push_back(table.at(i));
    mrl_srand(12345); // a scene reseeding before the next fill changes nothing
    mrl_rand();
    table.fill();
    for (size_t i = 0; i < cRandomTable::kSize; ++i)
        ASSERT_EQ(table.at(i), first[i]) << i;
    EXPECT_EQ(next_random(), table.at(1)); // the cursor advances first
    table.set_cursor(cRandomTable::kSize - 1);
    EXPECT_EQ(next_random(), table.at(0));
    EXPECT_EQ(table.cursor(), 0u);
}

TEST(ParticleEmitter, RevivesTheLowestDeadFirstAndStopsAtTheCount) {
    random_table().fill();
    cParticleSystem system = pool();
    system.set_alive(1, true);
    system.set_alive(3, true);
    cParticleEmitterCircle emitter;
    emitter.radius = 2;
    emitter.emit(system, 0.016f);
    EXPECT_EQ(system.alive_count(), 102u);
    EXPECT_TRUE(system.is_alive(101));
    EXPECT_FALSE(system.is_alive(102));       // 100 revived: 0, 2, 4..101
    EXPECT_EQ(random_table().cursor(), 500u); // five table values per particle

    cParticleSystem gaps = pool(); // whole words of live particles are passed over
    for (size_t i = 0; i < 70; ++i)
        gaps.set_alive(i, i != 40);
    gaps.emit_count = 2;
    emitter.emit(gaps, 0.016f);
    EXPECT_TRUE(gaps.is_alive(40));
    EXPECT_TRUE(gaps.is_alive(70));
    EXPECT_FALSE(gaps.is_alive(71));

    cParticleSystem full = pool();
    full.emit_count = 40000;
    emitter.emit(full, 0.016f);
    EXPECT_EQ(full.alive_count(), cParticleSystem::kCapacity);
}

TEST(ParticleEmitter, PlacesOnTheRingAndTakesTheVelocityFromTheNextThreeValues) {
    cRandomTable& table = random_table();
    table.fill();
    table.set_cursor(1000);
    cParticleSystem system = pool();
    system.emit_count = 1;
    cParticleEmitterCircle emitter;
    emitter.radius = 3;
    emitter.initvel = 10;
    emitter.set_position(Vec3f(1, 2, 3));
    emitter.emit(system, 0.016f);
    const float rho = table.at(1001) * 3, theta = table.at(1002) * 6.2831853f;
    expect_vec(system.positions[0], Vec3f(1 + std::cos(theta) * rho, 2, 3 + std::sin(theta) * rho));
    EXPECT_EQ(system.prev_positions[0], system.positions[0]);
    expect_vec(system.velocities[0], Vec3f(10 * table.at(1005) * 0.05f, 10 * table.at(1004) * 0.5f,
                                           10 * table.at(1003) * 0.05f));
    EXPECT_EQ(table.cursor(), 1005u);
    EXPECT_EQ(system.remaining_life[0], 2.0f);
}

// Drag 0.5, gravity -4: two steps of 0.5 s from the origin at (2, 0, 0); a life
// of 1.5 s ends exactly in the third step, which leaves the particle as it was.
TEST(ParticleSystem, IntegratesWithTheOldVelocityThenDragsFallsAndDiesAtZero) {
    cParticleSystem system;
    system.init(1, 0.5f, 1.5f, Vec3f(0, -4, 0), 1);
    system.set_alive(0, true);
    system.velocities[0] = Vec3f(2, 0, 0);
    for (int step = 0; step < 3; ++step)
        system.update(0.5f);
    EXPECT_FALSE(system.is_alive(0));
    expect_vec(system.positions[0], Vec3f(1.5f, -1, 0));
    expect_vec(system.velocities[0], Vec3f(0.5f, -3, 0));
    expect_vec(system.prev_positions[0], Vec3f(1, 0, 0));
}

TEST(GravitySink, PullsWithOneOverDistanceClampedNearThePoint) {
    const struct {
        Vec3f at;
        Vec3f pull; // sink at the origin, strength 2
    } cases[] = {
        {Vec3f(4, 0, 0), Vec3f(-0.5f, 0, 0)},
        {Vec3f(0, -0.0005f, 0), Vec3f(0, 2000, 0)}, // 2 / 0.001, not 2 / 0.0005
        {Vec3f(0, 0, 0), Vec3f(0, 0, 0)},           // on the point: no direction, no pull
    };
    for (const auto& c : cases) {
        cParticleSystem system = one_at(c.at);
        cGravitySink sink;
        sink.sinkstrength = 2;
        sink.apply(system, 16);
        expect_vec(system.velocities[0], c.pull, 0.01f);
        EXPECT_EQ(system.positions[0], c.at);
    }
}

TEST(Vortex, SwirlsAroundTheAxisThroughItsPoint) {
    const struct {
        Vec3f axis, point, at, push; // strength 2
    } cases[] = {
        {Vec3f(0, 1, 0), Vec3f(), Vec3f(1, 5, 0), Vec3f(0, 0, -2)},
        {Vec3f(1, 0, 0), Vec3f(0, 2, 0), Vec3f(7, 2, 3), Vec3f(0, -6, 0)},
        {Vec3f(0, 1, 0), Vec3f(3, 0, 3), Vec3f(3, -8, 3), Vec3f()}, // on the axis
    };
    for (const auto& c : cases) {
        cParticleSystem system = one_at(c.at);
        cVortex vortex;
        vortex.vtxvec = c.axis;
        vortex.vtxpos = c.point;
        vortex.vtxstrength = 2;
        vortex.apply(system, 16);
        expect_vec(system.velocities[0], c.push);
    }
}

TEST(SphereConstraint, MovesInsideParticlesOntoTheSurfaceOnly) {
    const struct {
        Vec3f at, after; // sphere of radius 2 around (1, 1, 1)
    } cases[] = {
        {Vec3f(1, 0.5f, 1), Vec3f(1, -1, 1)},
        {Vec3f(1, 1, 1), Vec3f(1, 3, 1)}, // the centre: straight up
        {Vec3f(3.3f, 1.1f, 0.7f), Vec3f(3.3f, 1.1f, 0.7f)},
    };
    for (const auto& c : cases) {
        cParticleSystem system = one_at(c.at);
        system.velocities[0] = Vec3f(1, 2, 3);
        cSphereConstraint sphere;
        sphere.sphpos = Vec3f(1, 1, 1);
        sphere.sphrad = 2;
        sphere.apply(system, 16);
        expect_vec(system.positions[0], c.after);
        EXPECT_EQ(system.velocities[0], Vec3f(1, 2, 3));
    }
}
