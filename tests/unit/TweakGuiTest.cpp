#include "support/StubScene.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cGuiSlider.h"
#include "toolkit/cTweakGui.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

cGuiSlider placed_slider(float min, float max) {
    cGuiSlider s;
    s.set_position(0.2f, 0.5f);
    s.set_size(0.5f, 0.025f);
    s.set_range(min, max);
    return s;
}

} // namespace

TEST(GuiSlider, MarksSitAtZeroAndValueAndNeverDivideByAnEmptyRange) {
    const struct {
        float min, max, value, zero, mark;
    } cases[] = {
        {-1, 1, 0.5f, 0.5f, 0.75f}, {-1, 1, -0.5f, 0.5f, 0.25f},
        {2, 4, 3, 0, 0.5f},                          // zero lies below the range: left edge
        {-4, -2, -3, 1, 0.5f},      {3, 3, 3, 0, 0}, // empty range
    };
    for (const auto& c : cases) {
        cGuiSlider s = placed_slider(c.min, c.max);
        s.value = c.value;
        const cGuiSlider::cMarks m = s.marks();
        EXPECT_FLOAT_EQ(m.zero, c.zero) << c.min << ".." << c.max;
        EXPECT_FLOAT_EQ(m.value, c.mark) << c.min << ".." << c.max;
    }
}

TEST(GuiSlider, DragFollowsThePointerClampedToTheRange) {
    const struct {
        float min, max, x, value;
    } cases[] = {
        {-1, 1, 0.45f, 0},     {-1, 1, 0.7f, 1}, {-1, 1, 5, 1},      {-1, 1, -5, -1},
        {0, 10, 0.325f, 2.5f}, {3, 3, 0.6f, 3},  {5, 1, 0.3f, 4.2f}, // reversed range
    };
    for (const auto& c : cases) {
        cGuiSlider s = placed_slider(c.min, c.max);
        EXPECT_FALSE(s.handle_input(GUI_DRAG, c.x, 0.5f)); // not grabbed: ignored
        ASSERT_TRUE(s.handle_input(GUI_GRAB, 0.3f, 0.51f));
        EXPECT_TRUE(s.handle_input(GUI_DRAG, c.x, 0.9f));
        EXPECT_NEAR(s.value, c.value, 1e-5f) << c.min << ".." << c.max << " at " << c.x;
        EXPECT_TRUE(s.handle_input(GUI_RELEASE, 0, 0));
        EXPECT_FALSE(s.is_active());
    }
    cGuiSlider thin = placed_slider(0, 1);
    thin.set_size(0, 0.025f);
    thin.grabbed = true;
    thin.value = 0.5f;
    thin.handle_input(GUI_DRAG, 0.2f, 0.5f);
    EXPECT_EQ(thin.value, 0.5f); // no width, no place to point at
}

TEST(GuiVarList, HoverGrabsButtonDragsAndOnlyTheGrabbedRowIsWritten) {
    cGuiVarList list;
    list.set_position(0.05f, 0.05f);
    list.set_size(0.9f, 0.65f);
    float first = 0, second = 0;
    Vec3f third(0, 0, 0);
    add_var(list, "first", &first, 0, 1);    // x 0.25..0.9, y 0.67..0.695
    add_var(list, "second", &second, -1, 1); // y 0.64..0.665
    add_var(list, "third", &third, -1, 1);   // y 0.61..0.635
    list.layout();

    EXPECT_FALSE(list.handle_input(GUI_DRAG, 0.5f, 0.65f)); // hover: no write
    EXPECT_TRUE(list.widget(1).is_active());
    list.handle_input(GUI_DRAG, 0.3f, 0.68f); // hover moves the grab
    EXPECT_FALSE(list.widget(1).is_active());
    EXPECT_TRUE(list.widget(0).is_active());

    list.set_button_held(true);
    EXPECT_TRUE(list.handle_input(GUI_DRAG, 0.575f, 0.2f)); // outside, still following
    EXPECT_FLOAT_EQ(first, 0.5f);
    EXPECT_TRUE(list.handle_input(GUI_DRAG, 2, 0.65f));
    EXPECT_FLOAT_EQ(first, 1);
    EXPECT_EQ(second, 0);

    list.set_button_held(false);
    list.handle_input(GUI_DRAG, 0.5f, 0.62f);
    EXPECT_TRUE(list.widget(2).is_active());
    EXPECT_EQ(first, 1);
    list.set_button_held(true);
    list.handle_input(GUI_DRAG, 0.6f, 0.62f); // the middle slider of the three
    EXPECT_EQ(third.x, 0);
    EXPECT_NEAR(third.y, 0.2385f, 1e-3f); // 0.6 lies 62% along the middle slider
    EXPECT_EQ(third.z, 0);
}

TEST(GuiVarList, DrawingPullsTheMemberIntoItsSlider) {
    cGuiVarList list;
    list.set_size(0.9f, 0.65f);
    int count = 3;
    add_var(list, "count", &count, 0, 10);
    count = -7;
    list.pull();
    EXPECT_EQ(dynamic_cast<cGuiSlider&>(list.widget(0)).value, -7.0f);
}

TEST(TweakGui, RefillsForTheCurrentSceneBeforeAnyWrite) {
    float angle_a = 5, angle_b = 5;
    cStubScene a("alpha", [&](cGuiVarList& v) { add_var(v, "angle", &angle_a, 0, 10); });
    cStubScene b("beta", [&](cGuiVarList& v) { add_var(v, "angle", &angle_b, 0, 10); });
    cStubScene bare("bare");
    cTweakGui gui;
    gui.layout();
    gui.refill(&a);
    EXPECT_EQ(gui.scene_label().text, "alpha");
    gui.list().layout();
    gui.handle_pointer({0.3f, 0.68f, false}, &a); // hover grabs a's slider
    EXPECT_TRUE(gui.list().widget(0).is_active());
    gui.handle_pointer({0.9f, 0.68f, true}, &b); // b is current now: a is never written
    EXPECT_EQ(angle_a, 5);
    EXPECT_EQ(gui.owner(), &b);
    EXPECT_EQ(gui.scene_label().text, "beta");
    ASSERT_EQ(gui.list().size(), 1u);
    EXPECT_FALSE(gui.list().widget(0).is_active());
    gui.refill(&bare);
    EXPECT_EQ(gui.list().size(), 0u);
    EXPECT_EQ(gui.scene_label().text, "bare");
    gui.refill(nullptr);
    EXPECT_EQ(gui.scene_label().text, "");
}
