// point_cloud_bench: times the CPU path of the point clouds on the attractor's full rings
// (250 000 + 500 000 traced points, look 1, seen from its distance at 1024 x 640) and on
// 99 999 points with a depth test, split into projecting, splatting and resolving, and
// prints the median ms of each and ns per point.
#include "render/points/cPointSplatter.h"
#include "scenes/attractor/cAttractorPresets.h"
#include "scenes/attractor/cAttractorStream.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFrames = 30;
constexpr int kWidth = 1024, kHeight = 640;

double now_ms() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// A 45 degree perspective from `distance` on the z axis, looking at the origin.
std::vector<float> view(float distance) {
    const float f = 1.0f / std::tan(22.5f * 3.14159265f / 180.0f), aspect = 1.6f;
    const float n = 0.1f, far = 100;
    std::vector<float> m(16, 0.0f);
    m[0] = f / aspect, m[5] = f;
    m[10] = (far + n) / (n - far), m[11] = -1;
    m[14] = 2 * far * n / (n - far) - distance * m[10], m[15] = distance;
    return m;
}

void run(const char* what, const std::vector<sPointSource>& sources,
         const std::vector<sPointStyle>& styles, const std::vector<float>& m, const float* depth) {
    cPointSplatter splatter;
    std::vector<uint8_t> picture;
    std::vector<double> add_ms, finish_ms;
    int points = 0;
    for (const sPointSource& s : sources)
        points += s.count;
    for (int f = 0; f < kFrames; ++f) {
        const double start = now_ms();
        splatter.begin(kWidth, kHeight);
        for (size_t i = 0; i < sources.size(); ++i)
            splatter.add(sources[i], m.data(), styles[i]);
        const double added = now_ms();
        splatter.finish(picture, depth);
        finish_ms.push_back(now_ms() - added);
        add_ms.push_back(added - start);
    }
    const double a = median(add_ms), b = median(finish_ms);
    std::printf("# point_cloud_bench: %-20s %7d points: project %6.2f ms, splat and resolve "
                "%6.2f ms, %5.1f ns per point\n",
                what, points, a, b, (a + b) * 1e6 / points);
}

} // namespace

int main() {
    cAttractorLook look;
    cAttractorPresets::apply(1, look);
    cAttractorStream streams[2] = {{250000, 50000}, {500000, 100000}};
    for (auto& stream : streams)
        for (int batch = 0; batch < 5; ++batch)
            stream.update(look.params);
    for (auto& stream : streams)
        stream.flush();
    const std::vector<float> m = view(look.dist);
    run("attractor", {streams[0].points(), streams[1].points()},
        {{1, 0.42f, 0, 0.04f, 1.3f}, {1, 0.71f, 0.19f, 0.03f, 1.66f}}, m, nullptr);
    std::vector<float> depth(size_t(kWidth) * kHeight, 0.99f);
    sPointSource sun = streams[0].points();
    sun.count = 99999;
    run("sun, depth-tested", {sun}, {{1, 1, 0.59f, 0.02f, 4.4f}}, m, depth.data());
    return 0;
}
