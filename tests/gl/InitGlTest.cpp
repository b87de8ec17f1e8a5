#include "frame/AppSetup.h"
#include "render/GlErrors.h"
#include "render/GlExtensions.h"
#include "support/Capture.h"

#include <IL/il.h>

#include <gtest/gtest.h>

namespace {

// Opens the demo's window and GL state for one test, closing SDL after it.
class InitGlTest : public ::testing::Test {
protected:
    void open(bool stretch) {
        settings.stretch = stretch;
        settings.video_flags |= cDisplaySettings::kFullScreen;
        cCapture quiet; // the driver's attribute warning is not under test here
        init_sdl(settings);
        init_gl(settings);
    }
    void TearDown() override { SDL_Quit(); }

    static std::vector<GLint> viewport() {
        std::vector<GLint> v(4);
        glGetIntegerv(GL_VIEWPORT, v.data());
        return v;
    }

    cDisplaySettings settings;
};

} // namespace

TEST_F(InitGlTest, LetterboxOrFullHeightViewportWithTheSameAspect) {
    for (const bool stretch : {false, true}) {
        open(stretch);
        EXPECT_EQ(viewport(), (stretch ? std::vector<GLint>{0, 0, 1024, 768}
                                       : std::vector<GLint>{0, 64, 1024, 640}));
        EXPECT_FLOAT_EQ(settings.aspect(), 1.6f);
        SDL_Quit();
    }
}

// The state the scenes draw on without setting it: blending, depth, culling and lighting with a
// separate specular colour; GL's own defaults are not restated here.
TEST_F(InitGlTest, SetsTheFixedStateTheScenesRelyOn) {
    open(false);
    for (GLenum on : {GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING})
        EXPECT_TRUE(glIsEnabled(on)) << std::hex << on;
    GLint src = 0, dst = 0, colour_control = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    glGetIntegerv(GL_LIGHT_MODEL_COLOR_CONTROL, &colour_control);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(colour_control, GL_SEPARATE_SPECULAR_COLOR);
    EXPECT_FALSE(check_gl_error("after init_gl"));
}
