// How the picture is framed on a screen: the largest 1.6 rectangle that fits,
// centred (letterbox), or the whole screen (stretch); render targets and
// cameras always get the 1.6 picture size.
#include "base/cDisplaySettings.h"

#include <gtest/gtest.h>

TEST(DisplaySettingsTest, ThePictureIsTheLargestCentredRectangleOfAspectOnePointSix) {
    const struct {
        uint32_t width, height, view_width, view_height;
        sPixelRect letterbox;
    } cases[] = {
        {1024, 768, 1024, 640, {0, 64, 1024, 640}},     // 4:3, bars above and below
        {1280, 720, 1152, 720, {64, 0, 1152, 720}},     // 16:9, bars left and right
        {1920, 1080, 1728, 1080, {96, 0, 1728, 1080}},  // 16:9
        {2560, 1440, 2304, 1440, {128, 0, 2304, 1440}}, // 16:9
        {3440, 1440, 2304, 1440, {568, 0, 2304, 1440}}, // 21:9
        {1680, 1050, 1680, 1050, {0, 0, 1680, 1050}},   // 16:10, no bars
        {1366, 768, 1229, 768, {68, 0, 1229, 768}},     // odd widths round
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        cDisplaySettings s;
        s.fit_screen(c.width, c.height);
        EXPECT_EQ(s.width, c.width);
        EXPECT_EQ(s.height, c.height);
        EXPECT_EQ(s.view_width, c.view_width);
        EXPECT_EQ(s.view_height, c.view_height);
        EXPECT_NEAR(s.aspect(), 1.6f, 0.002f);
        const sPixelRect box = s.picture_rect();
        EXPECT_EQ(box.x, c.letterbox.x);
        EXPECT_EQ(box.y, c.letterbox.y);
        EXPECT_EQ(box.width, c.letterbox.width);
        EXPECT_EQ(box.height, c.letterbox.height);

        s.stretch = true; // the picture fills the screen; its targets keep their shape
        const sPixelRect full = s.picture_rect();
        EXPECT_EQ(full.x, 0);
        EXPECT_EQ(full.y, 0);
        EXPECT_EQ(full.width, int(c.width));
        EXPECT_EQ(full.height, int(c.height));
        EXPECT_EQ(s.view_width, c.view_width);
    }
    cDisplaySettings unknown; // a screen that reports no size keeps the defaults
    unknown.fit_screen(0, 0);
    EXPECT_EQ(unknown.width, 1024u);
    EXPECT_EQ(unknown.view_height, 640u);
}
