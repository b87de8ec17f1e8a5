#include "cRoomSurfaces.h"

#include "cCreditsRoom.h"

#include <algorithm>
#include <cmath>

namespace {

cRgb operator*(cRgb a, float s) {
    return {a.r * s, a.g * s, a.b * s};
}

uint32_t mix(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float lattice(int x, int y, int z) {
    return float(mix(uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ uint32_t(z) * 83492791u) >>
                 8) /
           16777216.0f;
}

float value_noise(Vec3f p) {
    const int x = int(std::floor(p.x)), y = int(std::floor(p.y)), z = int(std::floor(p.z));
    auto fade = [](float t) { return t * t * (3 - 2 * t); };
    const float fx = fade(p.x - float(x)), fy = fade(p.y - float(y)), fz = fade(p.z - float(z));
    float c[2][2];
    for (int j = 0; j < 2; ++j)
        for (int k = 0; k < 2; ++k)
            c[j][k] = lattice(x, y + j, z + k) +
                      (lattice(x + 1, y + j, z + k) - lattice(x, y + j, z + k)) * fx;
    const float a = c[0][0] + (c[1][0] - c[0][0]) * fy, b = c[0][1] + (c[1][1] - c[0][1]) * fy;
    return a + (b - a) * fz;
}

float fbm(Vec3f p) {
    float sum = 0, amp = 0.5f;
    for (int o = 0; o < 4; ++o, amp *= 0.5f, p = p * 2.03f)
        sum += amp * value_noise(p);
    return sum / 0.9375f;
}

// Broad stains and a finer mottle, both larger than a texel so they do not sparkle.
float grain(const Vec3f& p) {
    const float coarse = fbm(p * (1.0f / 110.0f)), fine = fbm(p * (1.0f / 28.0f) + Vec3f(17, 3, 5));
    return 0.84f + 0.22f * coarse + 0.06f * fine;
}

cRgb concrete(const Vec3f& p, cRgb base) {
    return base * grain(p);
}

// Slabs of slightly different stone.
cRgb floor_stone(const Vec3f& p, cRgb base) {
    const float slab = lattice(int(std::floor(p.x / 100)), 0, int(std::floor(p.z / 100)));
    return base * (grain(p) * (0.85f + 0.25f * slab));
}

// Painted metal, rusting in patches.
cRgb pipe_paint(const Vec3f& p, cRgb base) {
    const float rust = std::clamp((fbm(p * (1.0f / 30.0f)) - 0.55f) * 4, 0.0f, 1.0f);
    return cRgb{base.r + 0.15f * rust, base.g - 0.05f * rust, base.b - 0.14f * rust} * grain(p);
}

// Pale stone with veins.
cRgb pillar_stone(const Vec3f& p, cRgb base) {
    const float coarse = fbm(p * (1.0f / 110.0f));
    const float vein = 0.5f + 0.5f * std::sin(p.y * 0.02f + p.x * 0.013f + 9 * coarse);
    return base * (grain(p) * (0.9f + 0.12f * vein * vein * vein));
}

} // namespace

std::vector<cLightSurface> cRoomSurfaces::surfaces() {
    return {{{0.60f, 0.57f, 0.53f}, concrete, false},
            {{0.50f, 0.47f, 0.44f}, floor_stone, false},
            {{0.30f, 0.24f, 0.18f}, concrete, true},
            {{0.32f, 0.33f, 0.34f}, pipe_paint, false},
            {{0.70f, 0.67f, 0.62f}, pillar_stone, false}};
}

cLightRig cRoomSurfaces::rig() {
    cLightRig rig;
    rig.lamps = cCreditsRoom::lamps();
    rig.skylight_radius = cCreditsRoom::kSkylight;
    rig.skylight_height = 700;
    return rig;
}
