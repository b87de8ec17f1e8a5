// attractor_bench: times one frame of the attractor intro's point update (stream 0: 50000,
// stream 1: 100000 points, written into a ring as the mapped buffers take them) and prints
// the median ms per frame and ns per point, beside the same orbit with the C library's
// sin and cos in place of the tables.
#include "scenes/attractor/cAttractorCalculator_pickover.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFrames = 60;
constexpr int32_t kCapacity[2] = {250000, 500000};
constexpr int32_t kBatch[2] = {50000, 100000};
const cAttractorParams kParams = {-0.887019f, 0.519231f, 0.735577f, 1.55289f};

// The same orbit and jitter with library trigonometry: what the tables replace.
struct cLibraryOrbit {
    double x = 0, y = 0, z = 0;
    int32_t index = 0;
    double scale = 0.033;
    const std::vector<double>* noise = nullptr;

    void generate(float* out, int32_t count, const cAttractorParams& p) {
        const int32_t size = cAttractorCalculator_pickover::kNoiseSize;
        for (int32_t i = 0; i < count; ++i, out += 3) {
            const double x1 = std::sin(p.a * y) - z * std::cos(p.b * x);
            const double y1 = z * std::sin(p.c * x) - std::cos(p.d * y);
            const double z1 = std::sin(x);
            out[0] = float(x1), out[1] = float(y1), out[2] = float(z1);
            x = x1 + scale * (*noise)[size_t(index % size)];
            y = y1 + scale * (*noise)[size_t((index + 1) % size)];
            z = z1 + scale * (*noise)[size_t((index + 2) % size)];
            index = (index + 3) % size;
        }
    }
};

// Median milliseconds of `frames` calls of `frame`.
double median_ms(const std::function<void()>& frame) {
    std::vector<double> ms;
    for (int f = 0; f < kFrames; ++f) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        const auto stop = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + kFrames / 2, ms.end());
    return ms[kFrames / 2];
}

void report(const char* what, double ms) {
    const double points = kBatch[0] + kBatch[1];
    std::printf("# attractor_bench: %-16s %6.2f ms per frame, %5.1f ns per point\n", what, ms,
                ms * 1e6 / points);
}

} // namespace

int main() {
    std::vector<float> ring[2] = {std::vector<float>(size_t(kCapacity[0]) * 3),
                                  std::vector<float>(size_t(kCapacity[1]) * 3)};
    cAttractorCalculator_pickover tables[2];
    tables[0].noise_scale = 0.033, tables[1].noise_scale = 0.000033;
    int32_t offset[2] = {0, 0};
    const double with_tables = median_ms([&] {
        for (int s = 0; s < 2; ++s) {
            offset[s] = offset[s] + kBatch[s] > kCapacity[s] ? 0 : offset[s];
            tables[s].generate(ring[s].data() + size_t(offset[s]) * 3, kBatch[s], kParams);
            offset[s] += kBatch[s];
        }
    });
    cLibraryOrbit library[2];
    library[0].noise = library[1].noise = &tables[0].noise_table();
    library[1].scale = 0.000033;
    offset[0] = offset[1] = 0;
    const double with_library = median_ms([&] {
        for (int s = 0; s < 2; ++s) {
            offset[s] = offset[s] + kBatch[s] > kCapacity[s] ? 0 : offset[s];
            library[s].generate(ring[s].data() + size_t(offset[s]) * 3, kBatch[s], kParams);
            offset[s] += kBatch[s];
        }
    });
    std::printf("# attractor_bench: %d + %d points a frame, median of %d frames\n", kBatch[0],
                kBatch[1], kFrames);
    report("table sin/cos", with_tables);
    report("library sin/cos", with_library);
    return 0;
}
