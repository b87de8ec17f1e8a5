// The solar flare's clockwork without a window: the flares' spread, renewal and thinning, a
// flare's fade and gas shift over its life, the surface particles' birth, flight and death,
// and the scene's title, growth and glow timings.
#include "scenes/solarflare/cSceneSolarFlare.h"
#include "scenes/sun/cSunParticleField.h"
#include "toolkit/cRandomTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

cDemoTime at(int32_t now, int32_t prev) {
    cDemoTime time;
    time.now_ms = now;
    time.prev_ms = prev;
    return time;
}

// A regular octahedron of radius 2, wound counter-clockwise from outside.
cMeshObj_data octahedron() {
    cMeshObj_data mesh;
    mesh.positions = {2, 0, 0, -2, 0, 0, 0, 2, 0, 0, -2, 0, 0, 0, 2, 0, 0, -2};
    mesh.indices = {0, 2, 4, 2, 1, 4, 1, 3, 4, 3, 0, 4, 2, 0, 5, 1, 2, 5, 3, 1, 5, 0, 3, 5};
    return mesh;
}

Vec3f corner(const cMeshObj_data& mesh, size_t index) {
    const size_t at = mesh.indices[index] * 3;
    return {mesh.positions[at], mesh.positions[at + 1], mesh.positions[at + 2]};
}

// True if p lies on one of the mesh's triangles with a velocity of 2 along its normal.
bool on_a_triangle_flying_out(const cMeshObj_data& mesh, const sSunParticle& p) {
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const Vec3f a = corner(mesh, t), e1 = corner(mesh, t + 1) - a, e2 = corner(mesh, t + 2) - a;
        const Vec3f n = e1.cross(e2).normalized(), d = p.position - a;
        if (std::fabs(d.dot(n)) > 1e-4f)
            continue;
        // Barycentric coordinates of d in (e1, e2).
        const float d11 = e1.dot(e1), d12 = e1.dot(e2), d22 = e2.dot(e2);
        const float x = d.dot(e1), y = d.dot(e2), det = d11 * d22 - d12 * d12;
        const float u = (d22 * x - d12 * y) / det, v = (d11 * y - d12 * x) / det;
        if (u >= -1e-4f && v >= -1e-4f && u + v <= 1 + 1e-4f)
            return (p.velocity - n * 2.0f).length() < 1e-4f;
    }
    return false;
}

class SolarFlareTest : public ::testing::Test {
protected:
    void SetUp() override { random_table().fill(); }
};

} // namespace

TEST_F(SolarFlareTest, FlaresSpreadOverOneDecayRenewWhenExpiredAndThinOnlyAsTheyExpire) {
    cSunFlares sun;
    sun.set_flare_count(250);
    constexpr int32_t t = 20000;
    sun.start(t);
    ASSERT_EQ(sun.flares().size(), 250u);
    int32_t first = t, last = t - 3500;
    for (const sFlare& f : sun.flares()) {
        EXPECT_GE(f.start, t - 3500);
        EXPECT_LE(f.start, t);
        first = std::min(first, f.start);
        last = std::max(last, f.start);
    }
    EXPECT_LT(first, t - 3300) << "the starts cover the whole decay period";
    EXPECT_GT(last, t - 200);
    sun.advance(at(t + 3501, t));
    ASSERT_EQ(sun.flares().size(), 250u);
    for (const sFlare& f : sun.flares())
        EXPECT_EQ(f.start, t + 3501) << "every flare renewed";
    sun.start(t + 3501); // spread again, then lower the count
    sun.set_flare_count(100);
    size_t before = sun.flares().size();
    for (int32_t now = t + 3501 + 100; now <= t + 3501 + 3600; now += 100) {
        sun.advance(at(now, now - 100));
        size_t expired = 0;
        EXPECT_LE(sun.flares().size(), before);
        EXPECT_GE(sun.flares().size(), 100u);
        for (const sFlare& f : sun.flares())
            expired += now > f.start + 3500;
        EXPECT_EQ(expired, 0u) << "no expired flare stays";
        before = sun.flares().size();
    }
    EXPECT_EQ(sun.flares().size(), 100u) << "within one decay period";
}

TEST_F(SolarFlareTest, FlareFadesInAndOutWhileItsGasSlidesAcrossTheSheet) {
    const struct {
        float f, alpha, uvshift;
    } cases[] = {
        {0.05f, 0.626f, -0.9f}, {0.5f, 1.0f, 0.0f}, {1.0f, 0.0f, 1.0f}, {1.2f, 0.0f, 1.4f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(cSunFlares::flare_alpha(c.f), c.alpha, 1e-3f) << c.f;
        EXPECT_NEAR(cSunFlares::flare_uvshift(c.f), c.uvshift, 1e-5f) << c.f;
    }
    const sFlare flare = cSunFlares::new_flare();
    const auto& m = flare.orientation;
    for (int col = 0; col < 3; ++col) // a rotation: orthonormal columns, nothing moved
        EXPECT_NEAR(m[col * 4] * m[col * 4] + m[col * 4 + 1] * m[col * 4 + 1] +
                        m[col * 4 + 2] * m[col * 4 + 2],
                    1.0f, 1e-5f);
    EXPECT_EQ(m[15], 1.0f);
    EXPECT_EQ(m[12] + m[13] + m[14], 0.0f);
}

TEST_F(SolarFlareTest, ParticlesAreBornOnTheTrianglesFlyOutAndDieAtTheirLifetime) {
    const cMeshObj_data mesh = octahedron();
    cSunParticleField field(&mesh);
    field.lifetime = Vec3f(30.36f, 24.88f, 35.41f);
    field.rate = 500;
    field.step(0);
    ASSERT_GT(field.count(), 0);
    for (const sSunParticle& p : field.particles())
        ASSERT_TRUE(on_a_triangle_flying_out(mesh, p)) << p.position.x << " " << p.position.y;
    const int born = field.count();
    field.rate = 0;
    float age = 0;
    for (; age < 1.2f; age += 0.01f)
        field.step(0.01f);
    EXPECT_EQ(field.count(), born) << "none dies before 1.2 s";
    for (; age < 1.26f; age += 0.01f)
        field.step(0.01f);
    EXPECT_EQ(field.count(), 0) << "all dead by 1.26 s";

    field.lifetime = Vec3f(2.5f, 3.6f, 0); // L^2 >= 6.25 > 1 = age^0: nobody dies
    field.rate = 40000;
    for (int i = 0; i < 6; ++i)
        field.step(0.5f);
    EXPECT_EQ(field.count(), cSunParticleField::kMaxParticles);

    // The credits sun's cloud (L = 40 r, exponent 0): a fortieth dies in each 60th of a
    // second, and a second at 5 frames a second thins it as much as one at 60.
    field.lifetime = Vec3f(0, 40, 0);
    EXPECT_NEAR(field.death_chance(1 / 60.0f), 0.025f, 1e-6f);
    EXPECT_NEAR(std::pow(1 - field.death_chance(0.2f), 5.0f),
                std::pow(1 - field.death_chance(1 / 60.0f), 60.0f), 1e-5f);
}

TEST_F(SolarFlareTest, TitleGrowthAndGlowFollowTheClock) {
    EXPECT_NEAR(cSceneSolarFlare::overlay_alpha(9000), 0.352f, 1e-4f);
    EXPECT_NEAR(cSceneSolarFlare::overlay_alpha(13000), 0.6f, 1e-4f);
    EXPECT_EQ(cSceneSolarFlare::overlay_alpha(7000), 0.0f);
    EXPECT_LT(cSceneSolarFlare::overlay_alpha(20000), 0.0f) << "not drawn from 20 s";

    EXPECT_EQ(cSceneSolarFlare::sun_scale(40000, 8130, -1), 0.0f) << "no scene-1 event";
    EXPECT_EQ(cSceneSolarFlare::sun_scale(8130, 8130, 8130), 0.0f);
    EXPECT_NEAR(cSceneSolarFlare::sun_scale(48130, 8130, 73215), 1.3f * 40000 / 65085, 1e-5f);
    EXPECT_EQ(cSceneSolarFlare::sun_scale(73215, 8130, 73215), 1.0f);

    cGlowParams glow{105, 2, 0.07f};
    const struct {
        int32_t t, impact;
        float multiplier, distance;
    } cases[] = {{10000, -1, 0.07f, 2},
                 {25000, -1, 0.12f, 2},
                 {41000, -1, 0.67f, 2},
                 {47796, 47796, 0.67f, 2},
                 {48096, 47796, 3.67f, 4}};
    for (const auto& c : cases) {
        cSceneSolarFlare::glow_at(c.t, c.impact, glow);
        EXPECT_NEAR(glow.multiplier, c.multiplier, 1e-4f) << c.t;
        EXPECT_NEAR(glow.distance, c.distance, 1e-5f) << c.t;
    }
}
