// Seeded hashes and noises for painted pictures and the bakes' scattered details: lattice
// hashes, a random stream, value noise and its octaves in 2D (plain and tiling), and 3D
// gradient noise with cellular distance. A seed gives the same values on every machine.
#pragma once

#include "geometry/Vec3.h"

#include <cstdint>

class cPaintNoise {
public:
    // A well-mixed 32-bit hash of a lattice point and a seed.
    static uint32_t hash(int x, int y, int z, uint32_t seed);
    // The hash as a value in 0..1 (16 bits of it).
    static float hash01(int x, int y, int z, uint32_t seed);
    static float hash01(int x, int y, uint32_t seed) { return hash01(x, y, 0, seed); }
    // The next number of a linear congruential stream in 0..1; `state` moves on.
    static float random(uint32_t& state);

    // `octaves` of smooth value noise, each at 2.03 times the frequency and half the weight
    // of the last, in 0..1; the lattice has one cell per unit of x and y.
    static float fbm(float x, float y, int octaves, uint32_t seed);
    // The same with frequencies doubling, repeating every `period` units in x and y, so a
    // picture covering whole periods tiles without a seam.
    static float tiled_fbm(float x, float y, int period, int octaves, uint32_t seed);

    // Gradient noise, roughly -1..1, smooth everywhere.
    static float gradient(const Vec3f& p, uint32_t seed);
    // `octaves` of gradient noise, each at 2.03 times the frequency and half the weight;
    // about -1..1. Sampling on a sphere's surface keeps spherical maps free of seams.
    static float fbm(const Vec3f& p, int octaves, uint32_t seed);
    // Distances to the nearest and second-nearest feature point (one jittered point per unit
    // cell): f1 is small at cell centres, f2 - f1 small on the lanes between cells.
    static void cells(const Vec3f& p, uint32_t seed, float* f1, float* f2);

private:
    static float value(float x, float y, int period, uint32_t seed);
    static float corner(int x, int y, int z, const Vec3f& d, uint32_t seed);
};
