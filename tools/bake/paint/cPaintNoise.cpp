#include "cPaintNoise.h"

#include "BakeRandom.h"
#include "PaintMath.h"

#include <cmath>

namespace {

constexpr float kLacunarity = 2.03f;

// Quintic ease for gradient noise: its second derivative is continuous too.
float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int floor_int(float v) {
    return static_cast<int>(std::floor(v));
}

// `period` > 0 wraps a lattice index into 0..period-1; 0 leaves it as it is.
int wrap(int i, int period) {
    return period > 0 ? ((i % period) + period) % period : i;
}

// The weighted sum of `count` octaves, the first at weight 1/2, each next at half the last.
template <class tOctave> float octaves(int count, tOctave octave) {
    float sum = 0, weight = 0.5f;
    for (int o = 0; o < count; ++o, weight *= 0.5f)
        sum += weight * octave(o);
    return sum;
}

// The octaves' total weight, to bring a sum of 0..1 octaves back to 0..1.
float octave_weight(int count) {
    return 1 - std::ldexp(1.0f, -count);
}

} // namespace

uint32_t cPaintNoise::hash(int x, int y, int z, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(z) * 2147483647u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float cPaintNoise::hash01(int x, int y, int z, uint32_t seed) {
    return static_cast<float>(hash(x, y, z, seed) & 0xFFFFu) / 65535.0f;
}

float cPaintNoise::random(uint32_t& state) {
    return next_random(state);
}

// Value noise: lattice hashes blended with the smooth step.
float cPaintNoise::value(float x, float y, int period, uint32_t seed) {
    const int ix = floor_int(x), iy = floor_int(y);
    const float sx = smoothstep(0, 1, x - ix), sy = smoothstep(0, 1, y - iy);
    const int x0 = wrap(ix, period), x1 = wrap(ix + 1, period);
    const int y0 = wrap(iy, period), y1 = wrap(iy + 1, period);
    const float top = lerp(hash01(x0, y0, seed), hash01(x1, y0, seed), sx);
    const float bottom = lerp(hash01(x0, y1, seed), hash01(x1, y1, seed), sx);
    return lerp(top, bottom, sy);
}

float cPaintNoise::fbm(float x, float y, int count, uint32_t seed) {
    const float sum = octaves(count, [&](int o) {
        const float scale = std::pow(kLacunarity, static_cast<float>(o));
        return value(x * scale, y * scale, 0, seed + static_cast<uint32_t>(o));
    });
    return sum / octave_weight(count);
}

float cPaintNoise::tiled_fbm(float x, float y, int period, int count, uint32_t seed) {
    const float sum = octaves(count, [&](int o) {
        const float scale = static_cast<float>(1 << o);
        return value(x * scale, y * scale, period << o, seed + static_cast<uint32_t>(o));
    });
    return sum / octave_weight(count);
}

// The dot of the lattice corner's pseudo-random gradient (one of twelve cube edges) with d.
float cPaintNoise::corner(int x, int y, int z, const Vec3f& d, uint32_t seed) {
    static const float g[12][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0},
                                   {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
                                   {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}};
    const float* v = g[hash(x, y, z, seed) % 12];
    return v[0] * d.x + v[1] * d.y + v[2] * d.z;
}

float cPaintNoise::gradient(const Vec3f& p, uint32_t seed) {
    const int x = floor_int(p.x), y = floor_int(p.y), z = floor_int(p.z);
    const Vec3f f(p.x - x, p.y - y, p.z - z);
    float c[2][2][2];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                c[i][j][k] = corner(x + i, y + j, z + k, Vec3f(f.x - i, f.y - j, f.z - k), seed);
    const float u = fade(f.x), v = fade(f.y), w = fade(f.z);
    const float x00 = lerp(c[0][0][0], c[1][0][0], u), x10 = lerp(c[0][1][0], c[1][1][0], u);
    const float x01 = lerp(c[0][0][1], c[1][0][1], u), x11 = lerp(c[0][1][1], c[1][1][1], u);
    return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float cPaintNoise::fbm(const Vec3f& p, int count, uint32_t seed) {
    // Each octave is shifted so the lattices of the octaves do not line up.
    return 1.6f * octaves(count, [&](int o) {
               const float scale = std::pow(kLacunarity, static_cast<float>(o));
               return gradient(p * scale + Vec3f(17.3f * o, 5.1f * o, 11.7f * o), seed);
           });
}

void cPaintNoise::cells(const Vec3f& p, uint32_t seed, float* f1, float* f2) {
    const int x = floor_int(p.x), y = floor_int(p.y), z = floor_int(p.z);
    float best = 1e9f, second = 1e9f;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            for (int k = -1; k <= 1; ++k) {
                const uint32_t h = hash(x + i, y + j, z + k, seed + 7);
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
