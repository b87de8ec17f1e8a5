#include "cSunNoise.h"

#include <cmath>

namespace {

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

int floor_int(float v) {
    return static_cast<int>(std::floor(v));
}

} // namespace

float sun_hash01(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

uint32_t cSunNoise::hash(int x, int y, int z, uint32_t salt) const {
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u ^
                 static_cast<uint32_t>(z) * 83492791u ^ (seed_ + salt) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    h *= 3266489917u;
    return h ^ (h >> 16);
}

// The dot of the lattice corner's pseudo-random gradient (one of twelve cube edges) with d.
float cSunNoise::corner(int x, int y, int z, const Vec3f& d) const {
    static const float g[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                   {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                   {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
    const float* v = g[hash(x, y, z, 0) % 12];
    return v[0] * d.x + v[1] * d.y + v[2] * d.z;
}

float cSunNoise::gradient(const Vec3f& p) const {
    const int x = floor_int(p.x), y = floor_int(p.y), z = floor_int(p.z);
    const Vec3f f(p.x - x, p.y - y, p.z - z);
    float c[2][2][2];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                c[i][j][k] = corner(x + i, y + j, z + k, Vec3f(f.x - i, f.y - j, f.z - k));
    const float u = fade(f.x), v = fade(f.y), w = fade(f.z);
    const float x00 = lerp(c[0][0][0], c[1][0][0], u), x10 = lerp(c[0][1][0], c[1][1][0], u);
    const float x01 = lerp(c[0][0][1], c[1][0][1], u), x11 = lerp(c[0][1][1], c[1][1][1], u);
    return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float cSunNoise::fbm(const Vec3f& p, int octaves) const {
    float sum = 0, weight = 0.5f, scale = 1;
    for (int o = 0; o < octaves; ++o) {
        // Each octave is shifted so the lattices of the octaves do not line up.
        sum += weight * gradient(p * scale + Vec3f(17.3f * o, 5.1f * o, 11.7f * o));
        weight *= 0.5f;
        scale *= 2.03f;
    }
    return sum * 1.6f;
}

void cSunNoise::cells(const Vec3f& p, float* f1, float* f2) const {
    const int x = floor_int(p.x), y = floor_int(p.y), z = floor_int(p.z);
    float best = 1e9f, second = 1e9f;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            for (int k = -1; k <= 1; ++k) {
                const uint32_t h = hash(x + i, y + j, z + k, 7);
                const Vec3f point(x + i + (h & 0x3FF) / 1023.0f,
                                  y + j + ((h >> 10) & 0x3FF) / 1023.0f,
                                  z + k + ((h >> 20) & 0x3FF) / 1023.0f);
                const float d = (point - p).length();
                if (d < best) {
                    second = best;
                    best = d;
                } else if (d < second) {
                    second = d;
                }
            }
    *f1 = best;
    *f2 = second;
}
