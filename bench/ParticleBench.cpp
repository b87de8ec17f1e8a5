// particle_bench: times one frame of the sun's particle pipeline (emit,
// sink, vortex, integrate, sphere) over a full pool of 40000 live particles
// and prints the median nanoseconds per particle of 200 frames.
#include "toolkit/cGravitySink.h"
#include "toolkit/cParticleEmitterCircle.h"
#include "toolkit/cRandomTable.h"
#include "toolkit/cSphereConstraint.h"
#include "toolkit/cVortex.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFrames = 200;
constexpr float kFrameSeconds = 0.016f;

struct cPipeline {
    cParticleSystem system;
    cParticleEmitterCircle emitter;
    cGravitySink sink;
    cVortex vortex;
    cSphereConstraint sphere;

    cPipeline() {
        // A life far beyond the run keeps the whole pool alive throughout.
        system.init(400, 0.01f, 1e9f, Vec3f(0, -0.5f, 0), 4);
        emitter.radius = 2;
        emitter.initvel = 1;
        sink.sinkpos = Vec3f(0, 3, 0);
        sink.sinkstrength = 0.2f;
        vortex.vtxstrength = 0.3f;
        sphere.sphrad = 1;
        for (size_t i = 0; i < cParticleSystem::kCapacity; i += 400)
            emitter.emit(system, kFrameSeconds);
    }

    void frame() {
        emitter.emit(system, kFrameSeconds);
        sink.apply(system, 16);
        vortex.apply(system, 16);
        system.update(kFrameSeconds);
        sphere.apply(system, 16);
    }
};

} // namespace

int main() {
    random_table().fill();
    cPipeline pipeline;
    std::printf("# particle_bench: %zu live particles\n", pipeline.system.alive_count());
    std::vector<double> ns;
    for (int f = 0; f < kFrames; ++f) {
        const auto start = std::chrono::steady_clock::now();
        pipeline.frame();
        const auto stop = std::chrono::steady_clock::now();
        ns.push_back(std::chrono::duration<double, std::nano>(stop - start).count());
    }
    std::sort(ns.begin(), ns.end());
    const double median = ns[ns.size() / 2];
    const double per_particle = median / static_cast<double>(cParticleSystem::kCapacity);
    std::printf("# particle_bench: one frame %.1f us, %.2f ns per particle\n", median / 1000.0,
                per_particle);
    return 0;
}
