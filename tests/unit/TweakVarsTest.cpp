#include "toolkit/TweakVars.h"
#include "geometry/cCamera.h"
#include "toolkit/cGuiVec3Slider.h"
#include "toolkit/cVar.h"

#include <gtest/gtest.h>

TEST(VarText, TwoDecimalFormCutsPadsAndKeepsExponents) {
    const struct {
        float value;
        const char* text;
    } cases[] = {{1, "1"},           {2.5f, "2.50"},        {-0.125f, "-0.12"},
                 {12.999f, "12.99"}, {1234567, "1.23e+06"}, {1.5e-7f, "1.50e-07"}};
    for (const auto& c : cases)
        EXPECT_EQ(two_decimals(c.value), c.text) << c.value;
}

TEST(VarText, EachTypeReadsAsItsStreamDoes) {
    int i = -42;
    unsigned u = 4000000000u;
    float small = 0.1f, big = 1234567.0f;
    EXPECT_EQ(cVar<int>("i", &i).get_value_text(), "-42");
    EXPECT_EQ(cVar<unsigned>("u", &u).get_value_text(), "4000000000");
    EXPECT_EQ(cVar<float>("f", &small).get_value_text(), "0.1");
    EXPECT_EQ(cVar<float>("f", &big).get_value_text(), "1.23457e+06");
}

TEST(VarWrite, IntegersTruncateTowardZeroWithinTheirRange) {
    const struct {
        float value;
        int as_int;
        unsigned as_unsigned;
    } cases[] = {{7.9f, 7, 7},
                 {-2.7f, -2, 0},
                 {3e10f, 2147483647, 4294967295u},
                 {-3e10f, -2147483647 - 1, 0}};
    for (const auto& c : cases) {
        int i = 99;
        unsigned u = 99;
        cVar<int>("i", &i).set_component(0, c.value);
        cVar<unsigned>("u", &u).set_component(0, c.value);
        EXPECT_EQ(i, c.as_int) << c.value;
        EXPECT_EQ(u, c.as_unsigned) << c.value;
    }
}

// Sliders show the live value within the given range and ask for a new layout; watches do not.
TEST(VarRegistration, SlidersBindTheirTargetAndRaiseTheLayoutFlag) {
    cGuiVarList list;
    float f = 0;
    add_watch(list, "f", &f);
    EXPECT_FALSE(list.layout_pending());
    cCamera camera;
    reset_camera(camera);
    register_camera_vars(list, camera, -50, 50);
    EXPECT_TRUE(list.layout_pending());
    auto& eye = dynamic_cast<cGuiVec3Slider&>(list.widget(1));
    EXPECT_EQ(eye.slider(2).min, -50);
    EXPECT_EQ(eye.slider(0).value, camera.eye.x);
}
