// Seeded 3D noise for the sun's pictures: smooth gradient noise summed in octaves, and
// cellular distance for granulation. Sampling on the sphere's surface keeps spherical maps
// free of seams and pinched poles; a seed always gives the same values on every machine.
#pragma once

#include "geometry/Vec3.h"

#include <cstdint>

class cSunNoise {
public:
    explicit cSunNoise(uint32_t seed) : seed_(seed) {}

    // Gradient noise, roughly -1..1, smooth everywhere.
    float gradient(const Vec3f& p) const;
    // `octaves` of gradient noise, each twice the frequency and half the weight; about -1..1.
    float fbm(const Vec3f& p, int octaves) const;
    // Distances to the nearest and second-nearest feature point (one jittered point per unit
    // cell): f1 is small at cell centres, f2 - f1 small on the lanes between cells.
    void cells(const Vec3f& p, float* f1, float* f2) const;

private:
    uint32_t hash(int x, int y, int z, uint32_t salt) const;
    float corner(int x, int y, int z, const Vec3f& d) const;

    uint32_t seed_;
};

// A deterministic hash value in 0..1 for grain and dither.
float sun_hash01(uint32_t x, uint32_t y, uint32_t seed);
