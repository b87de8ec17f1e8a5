#include "toolkit/TweakVars.h"
#include "frame/MainLoop.h"
#include "support/Capture.h"
#include "toolkit/cGuiVec3Slider.h"
#include "toolkit/cVar.h"

#include <gtest/gtest.h>

namespace {

// A list placed as the demo places it: sliders come out 0.65 wide.
cGuiVarList placed_list() {
    cGuiVarList list;
    list.set_position(0.05f, 0.05f);
    list.set_size(0.9f, 0.65f);
    return list;
}

} // namespace

TEST(VarText, TwoDecimalFormCutsPadsAndKeepsExponents) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1, "1"},
        {5, "5"},
        {2.5f, "2.50"},
        {-0.125f, "-0.12"},
        {0.1f, "0.10"},
        {-3.14159f, "-3.14"},
        {255, "255"},
        {12.999f, "12.99"},
        {1234567, "1.23e+06"},
        {1.5e-7f, "1.50e-07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(two_decimals(c.value), c.text) << c.value;
}

TEST(VarText, EachTypeReadsAsItsStreamDoes) {
    int i = -42;
    unsigned u = 4000000000u;
    float small = 0.1f, big = 1234567.0f, whole = 3;
    Vec3f v(1, 2.5f, -0.125f);
    EXPECT_EQ(cVar<int>("i", &i).get_value_text(), "-42");
    EXPECT_EQ(cVar<unsigned>("u", &u).get_value_text(), "4000000000");
    EXPECT_EQ(cVar<float>("f", &small).get_value_text(), "0.1");
    EXPECT_EQ(cVar<float>("f", &big).get_value_text(), "1.23457e+06");
    EXPECT_EQ(cVar<float>("f", &whole).get_value_text(), "3");
    EXPECT_EQ(cVar<Vec3f>("v", &v).get_value_text(), "(1,2.50,-0.12)");
}

TEST(VarWrite, IntegersTruncateTowardZeroWithinTheirRange) {
    const struct {
        float value;
        int as_int;
        unsigned as_unsigned;
    } cases[] = {
        {7.9f, 7, 7},
        {-2.7f, -2, 0},
        {0.99f, 0, 0},
        {3e10f, 2147483647, 4294967295u},
        {-3e10f, -2147483647 - 1, 0},
    };
    for (const auto& c : cases) {
        int i = 99;
        unsigned u = 99;
        cVar<int>("i", &i).set_component(0, c.value);
        cVar<unsigned>("u", &u).set_component(0, c.value);
        EXPECT_EQ(i, c.as_int) << c.value;
        EXPECT_EQ(u, c.as_unsigned) << c.value;
    }
}

TEST(VarRegistration, RowsFollowTheOrderOfRegistration) {
    cGuiVarList list = placed_list();
    cCamera camera;
    reset_camera(camera);
    cGlowParams glow;
    cCutLevels cut;
    cLevelsParams levels;
    cHsbParams hsb;
    int frames = 0;
    register_camera_vars(list, camera, -50, 50);
    add_glow_vars(list, glow);
    add_cut_vars(list, cut);
    add_levels_vars(list, levels);
    add_hsb_vars(list, hsb);
    add_watch(list, "frames", &frames);
    const char* names[] = {"cam-eye",    "cam-its",  "cam-fov",  "distance", "layers",
                           "multiplier", "pre-cut",  "post-cut", "inBlack",  "inWhite",
                           "Gamma",      "outBlack", "outWhite", "hue",      "saturation",
                           "brightness", "frames"};
    ASSERT_EQ(list.size(), std::size(names));
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list.var(i).get_name(), names[i]) << i;
    // Ranges that differ from their neighbours'.
    const struct {
        size_t row;
        float min, max;
    } ranges[] = {{2, 20, 160}, {4, 1, 500},     {7, 0, 255},
                  {10, 0, 4},   {13, -180, 180}, {14, -100, 100}};
    for (const auto& r : ranges) {
        auto& slider = dynamic_cast<cGuiSlider&>(list.widget(r.row));
        EXPECT_EQ(slider.min, r.min) << r.row;
        EXPECT_EQ(slider.max, r.max) << r.row;
        EXPECT_FLOAT_EQ(slider.width(), 0.65f);
        EXPECT_FLOAT_EQ(slider.height(), 0.025f);
    }
    auto& eye = dynamic_cast<cGuiVec3Slider&>(list.widget(0));
    EXPECT_EQ(eye.slider(2).min, -50);
    EXPECT_EQ(eye.slider(0).value, camera.eye.x);
    EXPECT_NE(dynamic_cast<cGuiTxtLabel*>(&list.widget(16)), nullptr);
}

TEST(VarRegistration, SlidersRaiseTheLayoutFlagAndWatchesDoNot) {
    cGuiVarList list = placed_list();
    float f = 0;
    add_watch(list, "f", &f);
    EXPECT_FALSE(list.layout_pending());
    add_var(list, "f", &f, 0, 1);
    EXPECT_TRUE(list.layout_pending());
}

TEST(VarDump, PrintsNameAndValuePerRowAfterTheTime) {
    cDemo demo;
    int layers = 12;
    float gamma = 1.5f;
    Vec3f eye(1, 2.5f, -0.125f);
    add_var(demo.gui().list(), "layers", &layers, 1, 500);
    add_watch(demo.gui().list(), "gamma", &gamma);
    add_var(demo.gui().list(), "cam-eye", &eye, -10, 10);
    cDemoTime time{1000, 76004, 76000};
    cInputState input;
    input.pressed_keys = {SDLK_SPACE};
    cCapture capture;
    handle_keys(input, demo, time);
    EXPECT_EQ(capture.err(), "-\n00:01:15,004\nlayers 12\ngamma 1.5\ncam-eye (1,2.50,-0.12)\n");
    demo.gui().list().clear();
    input.pressed_keys = {SDLK_SPACE};
    handle_keys(input, demo, time);
    EXPECT_EQ(capture.err().substr(capture.err().size() - 16), "\n-\n00:01:15,004\n");
}
