// Checks the camera paths of `bake`: files that the demo's own path reader
// turns back into the very same keys in Y-up axes, and splines whose keys pass
// through the control points at the path times the demo shows them.
#include "cBakeCameraPath.h"
#include "cBakePathWriter.h"
#include "cBakeSpline.h"
#include "geometry/cCameraPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace {

cCameraPath read_back(const std::vector<cBakePathKey>& keys) {
    std::istringstream in(cBakePathWriter::text(keys));
    cCameraPath path;
    read_path(in, path);
    return path;
}

void expect_near(const Vec3f& got, const Vec3f& want, float tolerance) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

const std::vector<Vec3f> kWaypoints = {{0, 1, 10}, {8, 2, 6}, {9, 4, -3}, {1, 3, -9}, {-6, 2, 0}};

} // namespace

TEST(BakeGeometryPath, FileIsZUpAndReadsBackExactly) {
    const cBakePathKey simple{{1, 2, 3}, {4, 5, 6}, {0, 1, 0}};
    EXPECT_EQ(cBakePathWriter::text({simple}), "(1,-3,2)(4,-6,5)(0,-0,1)\n");
    const float awkward[] = {0.1f, -1e-7f, 123456.789f, 3.4e38f, 1e-40f, -0.0f, 2.0f / 3.0f};
    std::vector<cBakePathKey> keys;
    for (float a : awkward)
        keys.push_back({{a, -a, 1}, {2, a, a * 0.5f}, {a, 1, -a}});
    const cCameraPath path = read_back(keys);
    ASSERT_EQ(path.size(), keys.size());
    for (size_t k = 0; k < keys.size(); ++k) {
        EXPECT_EQ(path[k].eye, keys[k].eye) << "key " << k;
        EXPECT_EQ(path[k].interest, keys[k].interest) << "key " << k;
        EXPECT_EQ(path[k].up, keys[k].up) << "key " << k;
    }
}

TEST(BakeGeometryPath, PathsTheReaderCannotTakeAreRefused) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity()};
    for (float b : bad)
        EXPECT_THROW(cBakePathWriter::text({{{0, 0, 0}, {1, b, 0}, {0, 1, 0}}}),
                     std::invalid_argument);
    EXPECT_THROW(cBakePathWriter::text({}), std::invalid_argument);
}

// Between control points the curve stays near the polyline: no overshoot
// loops where control points crowd together.
TEST(BakeGeometryPath, SplineStaysCloseToItsPolyline) {
    const std::vector<Vec3f> crowded = {{0, 0, 0}, {10, 0, 0}, {10.1f, 0.1f, 0}, {10.2f, 10, 0}};
    const cBakeSpline spline(crowded);
    for (const Vec3f& p : spline.sample(301)) {
        EXPECT_GT(p.x, -0.5f);
        EXPECT_LT(p.x, 10.7f);
        EXPECT_GT(p.y, -0.5f);
    }
}

TEST(BakeGeometryPath, EvenSpeedKeysAreEquallyFarApart) {
    const cBakeSpline eye(kWaypoints);
    const std::vector<cBakePathKey> keys =
        cBakeCameraPath(eye, cBakeSpline({{0, 0, 0}, {0, 1, 0}})).set_even_speed(true).keys(60);
    const float first_step = (keys[1].eye - keys[0].eye).length();
    for (size_t k = 1; k < keys.size(); ++k)
        EXPECT_NEAR((keys[k].eye - keys[k - 1].eye).length(), first_step, 0.02f * first_step);
    expect_near(keys.front().eye, kWaypoints.front(), 1e-5f);
    expect_near(keys.back().eye, kWaypoints.back(), 1e-3f);
}

// Written, read by the demo's reader and sampled at t = k / n, the path
// shows key k: the camera is where the scene work put it.
TEST(BakeGeometryPath, DemoShowsEachKeyAtItsTime) {
    cBakeCameraPath move(cBakeSpline(kWaypoints), cBakeSpline({{0, 0, 0}, {0, 2, 0}}));
    const int n = 17;
    for (bool roll : {false, true}) {
        if (roll)
            move.set_up(cBakeSpline({{0, 1, 0}, {1, 1, 0}, {2, 0, 0}}));
        const std::vector<cBakePathKey> keys = move.keys(n);
        const cCameraPath path = read_back(keys);
        ASSERT_EQ(path.size(), size_t(n));
        for (int k = 0; k < n; ++k) {
            const float t = float(k) / n;
            expect_near(path_eye(path, t), keys[size_t(k)].eye, 1e-4f);
            expect_near(path_interest(path, t), keys[size_t(k)].interest, 1e-4f);
            const Vec3f up = path_up(path, t);
            EXPECT_NEAR(up.length(), 1.0f, 1e-5f);
            if (!roll) {
                EXPECT_EQ(up, Vec3f(0, 1, 0));
            }
        }
    }
}
