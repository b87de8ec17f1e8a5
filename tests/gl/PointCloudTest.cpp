// Both ways of drawing point clouds against the effect evaluated exactly: each point adds its
// colour times its alpha times the area of its disc over each pixel, only where it lies
// nearer than what the target holds, and the sum is clamped once. Checked on a small cloud
// of several sizes, some points behind an occluder and one cluster that saturates.
#include "render/points/cPointCloud.h"
#include "support/GlWindow.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 96; // the pictures compared: 96 x 96 pixels at the picture's origin
constexpr float kBackground = 26 / 255.0f; // exactly one 8-bit level

struct sTestPoint {
    float x, y, z;
    sPointStyle style;
};

// Points across the square, behind (z < 0) or before the occluder's plane z = 0, and three
// opaque ones on one spot, enough to pass full red.
std::vector<sTestPoint> small_cloud() {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> at(4, kSide - 4), unit(0, 1);
    const float sizes[] = {1.3f, 1.7f, 3.35f, 4.4f};
    std::vector<sTestPoint> cloud;
    for (int i = 0; i < 160; ++i)
        cloud.push_back({at(random),
                         at(random),
                         unit(random) < 0.5f ? -0.5f : 0.5f,
                         {unit(random), unit(random), unit(random), 0.05f + 0.2f * unit(random),
                          sizes[i % 4]}});
    for (int i = 0; i < 3; ++i)
        cloud.push_back({70.3f, 20.6f, 0.5f, {1, 0.8f, 0.2f, 1, 3.35f}});
    return cloud;
}

// The exact picture, in 0..255: the background, the points by brute-force sampling of their
// discs (64 x 64 samples a pixel), clamped once. The occluder hides points behind it on the
// left half.
std::vector<double> exact_picture(const std::vector<sTestPoint>& cloud) {
    std::vector<double> rgba(size_t(kSide) * kSide * 4);
    for (size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = i % 4 == 3 ? 0 : kBackground;
    constexpr int kSamples = 64;
    for (const sTestPoint& p : cloud) {
        const double r = 0.5 * p.style.size;
        for (int y = int(p.y - r) - 1; y <= int(p.y + r) + 1; ++y)
            for (int x = int(p.x - r) - 1; x <= int(p.x + r) + 1; ++x) {
                if (p.z < 0 && x < kSide / 2)
                    continue; // behind the occluder
                int inside = 0;
                for (int sy = 0; sy < kSamples; ++sy)
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const double dx = x + (sx + 0.5) / kSamples - p.x;
                        const double dy = y + (sy + 0.5) / kSamples - p.y;
                        inside += dx * dx + dy * dy < r * r;
                    }
                const double c = double(inside) / (kSamples * kSamples), a = p.style.a * c;
                double* pixel = &rgba[(size_t(y) * kSide + size_t(x)) * 4];
                pixel[0] += p.style.r * a, pixel[1] += p.style.g * a, pixel[2] += p.style.b * a;
                pixel[3] += a * a;
            }
    }
    for (double& v : rgba)
        v = std::min(v, 1.0) * 255;
    return rgba;
}

} // namespace

class PointCloudTest : public cGlWindow {
protected:
    // The cloud drawn by the path DEMO_POINTS names over the background and the occluder.
    std::vector<int> drawn(const char* path, const std::vector<sTestPoint>& cloud) {
        setenv("DEMO_POINTS", path, 1);
        glViewport(0, 64, 1024, 640);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1024, 0, 640, -1, 1); // window depth: 0.5 - z / 2
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(kBackground, kBackground, kBackground, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        glRectf(0, 0, kSide / 2, kSide); // the occluder, at z = 0, in depth only
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        cPointCloud& points = point_cloud();
        points.begin(true);
        EXPECT_EQ(points.path() == cPointCloud::ePath::cpu, std::string(path) == "cpu");
        for (const sTestPoint& p : cloud)
            points.add({&p.x, 3, 1}, p.style);
        points.end();
        unsetenv("DEMO_POINTS");
        std::vector<uint8_t> rgba(size_t(kSide) * kSide * 4);
        glReadPixels(0, 64, kSide, kSide, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return std::vector<int>(rgba.begin(), rgba.end());
    }
};

TEST_F(PointCloudTest, BothPathsDrawTheExactSumOfCoverageWeightedDiscs) {
    const std::vector<sTestPoint> cloud = small_cloud();
    const std::vector<double> exact = exact_picture(cloud);
    for (const char* path : {"cpu", "gl"}) {
        SCOPED_TRACE(path);
        const std::vector<int> picture = drawn(path, cloud);
        double largest = 0, sum = 0;
        for (size_t i = 0; i < exact.size(); ++i) {
            const double d = std::fabs(picture[i] - exact[i]);
            largest = std::max(largest, d), sum += d;
        }
        EXPECT_LE(largest, 4.0);
        EXPECT_LE(sum / double(exact.size()), 0.5);
        EXPECT_EQ(picture[(20 * kSide + 70) * 4], 255) << "the cluster passes full red";
    }
}
