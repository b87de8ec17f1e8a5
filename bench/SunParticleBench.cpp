// sun_particle_bench: times one update of the solar flare's surface points at the scene's
// settings (4000 emitted per update, lifetime 30.36 / 24.88 / 35.41) once the field holds its
// full 99 999, at 60 updates a second: the step, and the copy of every position a mapped upload
// does.
#include "scenes/sun/cSunParticleField.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kFrames = 200;
constexpr float kFrameSeconds = 1.0f / 60.0f;

// A globe of 64 x 32 quads of radius 26, like the sun's.
cMeshObj_data globe() {
    cMeshObj_data mesh;
    constexpr int kAround = 64, kUp = 32;
    for (int r = 0; r <= kUp; ++r)
        for (int c = 0; c <= kAround; ++c) {
            const float lat = 3.14159265f * (float(r) / kUp - 0.5f);
            const float angle = 6.2831853f * float(c) / kAround;
            mesh.positions.insert(mesh.positions.end(),
                                  {26 * std::cos(lat) * std::cos(angle), 26 * std::sin(lat),
                                   -26 * std::cos(lat) * std::sin(angle)});
        }
    for (int r = 0; r < kUp; ++r)
        for (int c = 0; c < kAround; ++c) {
            const uint32_t a = uint32_t(r * (kAround + 1) + c), b = a + kAround + 1;
            mesh.indices.insert(mesh.indices.end(), {a, a + 1, b + 1, a, b + 1, b});
        }
    return mesh;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    random_table().fill();
    const cMeshObj_data mesh = globe();
    cSunParticleField field(&mesh);
    field.rate = 4000;
    field.lifetime = Vec3f(30.36f, 24.88f, 35.41f);
    for (int i = 0; i < 200 && field.count() < cSunParticleField::kMaxParticles; ++i)
        field.step(kFrameSeconds);
    std::vector<float> upload(size_t(cSunParticleField::kMaxParticles) * 3);
    std::vector<double> step_ms, copy_ms;
    int least = field.count();
    for (int f = 0; f < kFrames; ++f) {
        const auto start = std::chrono::steady_clock::now();
        field.step(kFrameSeconds);
        const auto stepped = std::chrono::steady_clock::now();
        float* out = upload.data();
        for (const sSunParticle& p : field.particles()) {
            std::memcpy(out, &p.position, sizeof(float) * 3);
            out += 3;
        }
        const auto copied = std::chrono::steady_clock::now();
        step_ms.push_back(std::chrono::duration<double, std::milli>(stepped - start).count());
        copy_ms.push_back(std::chrono::duration<double, std::milli>(copied - stepped).count());
        least = std::min(least, field.count());
    }
    std::printf("# sun_particle_bench: %d to %d live particles over %d updates\n", least,
                cSunParticleField::kMaxParticles, kFrames);
    std::printf("# sun_particle_bench: step %.2f ms, position copy %.2f ms (medians per update)\n",
                median(step_ms), median(copy_ms));
    return 0;
}
