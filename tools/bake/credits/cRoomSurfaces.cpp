#include "cRoomSurfaces.h"

#include "PaintMath.h"
#include "cCreditsRoom.h"
#include "cPaintNoise.h"

#include <cmath>

namespace {

constexpr uint32_t kStains = 4127;
constexpr uint32_t kRust = 5521;

// Smooth noise in 0..1 over the room's space.
float fbm(const Vec3f& p, uint32_t seed) {
    return 0.5f + 0.5f * cPaintNoise::fbm(p, 4, seed);
}

// Broad stains and a finer mottle, both larger than a texel so they do not sparkle.
float grain(const Vec3f& p) {
    const float coarse = fbm(p * (1.0f / 110.0f), kStains);
    const float fine = fbm(p * (1.0f / 28.0f) + Vec3f(17, 3, 5), kStains);
    return 0.84f + 0.22f * coarse + 0.06f * fine;
}

sRgb concrete(const Vec3f& p, sRgb base) {
    return base * grain(p);
}

// Slabs of slightly different stone.
sRgb floor_stone(const Vec3f& p, sRgb base) {
    const float slab =
        cPaintNoise::hash01(int(std::floor(p.x / 100)), 0, int(std::floor(p.z / 100)), kStains);
    return base * (grain(p) * (0.85f + 0.25f * slab));
}

// Painted metal, rusting in patches.
sRgb pipe_paint(const Vec3f& p, sRgb base) {
    const float rust = clamp01((fbm(p * (1.0f / 30.0f), kRust) - 0.55f) * 4);
    return sRgb{base.r + 0.15f * rust, base.g - 0.05f * rust, base.b - 0.14f * rust} * grain(p);
}

// Pale stone with veins.
sRgb pillar_stone(const Vec3f& p, sRgb base) {
    const float coarse = fbm(p * (1.0f / 110.0f), kStains);
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
    // Softer than the baker's default, so the wall right by each lamp glows warm without
    // burning out to white under the room's grade.
    rig.lamp_softness = 60;
    return rig;
}
