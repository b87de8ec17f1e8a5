#include "base/cDisplaySettings.h"
#include "geometry/cCamera.h"
#include "geometry/cCameraPath.h"
#include "geometry/cCameraPaths.h"
#include "support/TestAudio.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace {

cCameraPath read(const std::string& text) {
    std::istringstream in(text);
    cCameraPath path;
    read_path(in, path);
    return path;
}

// Four keys with eye (k, 0, 0) in our axes: file point (k, 0, 0).
const cCameraPath kFour =
    read("(0,0,0)(0,0,0)(0,0,1)\n(1,0,0)(0,0,0)(0,0,1)\n(2,0,0)(0,0,0)(0,0,1)\n"
         "(3,0,0)(0,0,0)(0,0,1)\n");

} // namespace

TEST(CameraPath, ConvertsFromZUpAndReadsAnySeparators) {
    const cCameraPath path = read("(1,2,3)(4,5,6)(0,0,1)\n  [1.5;-2e1;+3]  <0 ; 0;0> |7|8|9|\n");
    ASSERT_EQ(path.size(), 2u);
    EXPECT_EQ(path[0].eye, Vec3f(1, 3, -2));
    EXPECT_EQ(path[0].interest, Vec3f(4, 6, -5));
    EXPECT_EQ(path[0].up, Vec3f(0, 1, 0));
    EXPECT_EQ(path[1].eye, Vec3f(1.5f, 3, 20));
    EXPECT_EQ(path[1].up, Vec3f(7, 9, -8));
}

TEST(CameraPath, StopsAtTheFirstIncompleteRecord) {
    EXPECT_EQ(read("(1,2,3)(4,5,6)(0,0,1)\n(1,2,3)(4,x,6)(0,0,1)\n(1,2,3)(4,5,6)(0,0,1)\n").size(),
              1u);
    EXPECT_EQ(read("").size(), 0u);
    cCameraPath path = kFour;
    EXPECT_FALSE(load_path("/no/such/path.pth", path));
    EXPECT_EQ(path.size(), 4u); // left as it was
}

TEST(CameraPath, KeysAreSpreadEvenlyAndTheLastOneHolds) {
    const struct {
        float t;
        float x;
    } cases[] = {
        {0.125f, 0.5f}, {0.625f, 2.5f}, {0.75f, 3.0f}, {1.0f, 3.0f},
        {-0.5f, 0.0f},  {NAN, 0.0f},    {5.0f, 3.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(path_eye(kFour, c.t).x, c.x) << c.t;
    const cCameraPath one = read("(4,5,6)(1,2,3)(0,0,1)");
    for (float t : {-1.0f, 0.0f, 0.3f, 1.0f})
        EXPECT_EQ(path_interest(one, t), Vec3f(1, 3, -2)) << t;
    EXPECT_EQ(path_up(cCameraPath(), 0.5f), Vec3f(0, 0, 0)); // empty: no key is touched
}

TEST(Camera, ResetTakesTheAspectOfThePicture) {
    cDisplaySettings& s = display_settings();
    const uint32_t w = s.view_width, h = s.view_height;
    s.view_width = 1280;
    s.view_height = 720;
    cCamera camera;
    reset_camera(camera);
    EXPECT_FLOAT_EQ(camera.aspect, 1280.0f / 720.0f);
    s.view_width = w;
    s.view_height = h;
}

// A path file written again replaces the path read from it in every scene's set; a damaged or
// emptied one leaves the path in use as it was and says why.
TEST(CameraPaths, ARewrittenFileReplacesThePathAndADamagedOneKeepsIt) {
    TempDir dir;
    const std::string file = dir.path("cam01.pth");
    write_bytes(file, "(1,0,0)(0,0,0)(0,0,1)\n");
    cCameraPaths first, second;
    first.load(file);
    second.load(file);
    ASSERT_EQ(cCameraPaths::source_files().count(file), 1u);
    write_bytes(file, "(5,0,0)(0,0,0)(0,0,1)\n(6,0,0)(0,0,0)(0,0,1)\n");
    std::string error;
    EXPECT_EQ(cCameraPaths::reload_file(file, &error), 2);
    EXPECT_EQ(second.at(0).size(), 2u);
    EXPECT_EQ(first.at(0)[1].eye, Vec3f(6, 0, 0));
    for (const char* damaged : {"(7,0,0)(0,0,0)(0,0,1)\n(8,0,0)(0,0", "", "no keys here"}) {
        SCOPED_TRACE(damaged);
        write_bytes(file, damaged);
        EXPECT_EQ(cCameraPaths::reload_file(file, &error), 0);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(first.at(0)[1].eye, Vec3f(6, 0, 0)) << "the old path stays";
    }
}
