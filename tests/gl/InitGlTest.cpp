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
    open(false);
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 64, 1024, 640}));
    EXPECT_FLOAT_EQ(settings.aspect(), 1.6f);
    SDL_Quit();
    open(true);
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 1024, 768}));
    EXPECT_FLOAT_EQ(settings.aspect(), 1.6f);
}

TEST_F(InitGlTest, SetsTheFixedStateEveryEffectReliesOn) {
    open(false);
    for (GLenum on : {GL_ALPHA_TEST, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_LINE_SMOOTH,
                      GL_POINT_SMOOTH, GL_MULTISAMPLE, GL_LIGHTING, GL_COLOR_SUM})
        EXPECT_TRUE(glIsEnabled(on)) << std::hex << on;
    for (GLenum off : {GL_TEXTURE_2D, GL_COLOR_MATERIAL})
        EXPECT_FALSE(glIsEnabled(off)) << std::hex << off;
    const struct {
        GLenum name;
        GLint value;
    } values[] = {
        {GL_BLEND_SRC, GL_SRC_ALPHA},
        {GL_BLEND_DST, GL_ONE_MINUS_SRC_ALPHA},
        {GL_ALPHA_TEST_FUNC, GL_ALWAYS},
        {GL_DEPTH_FUNC, GL_LESS},
        {GL_FRONT_FACE, GL_CCW},
        {GL_CULL_FACE_MODE, GL_BACK},
        {GL_SHADE_MODEL, GL_SMOOTH},
        {GL_ACTIVE_TEXTURE, GL_TEXTURE0},
        {GL_TEXTURE_BINDING_2D, 0},
        {GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE},
        {GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE},
        {GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR},
        {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST},
    };
    for (const auto& v : values) {
        GLint got = -1;
        glGetIntegerv(v.name, &got);
        EXPECT_EQ(got, v.value) << std::hex << v.name;
    }
    GLfloat ambient[4], clear[4];
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(ambient[3], 0.1f);
    EXPECT_FLOAT_EQ(clear[3], 0.0f);
    EXPECT_FALSE(check_gl_error("after init_gl"));
}

TEST_F(InitGlTest, LoadsTheRequiredEntryPoints) {
    cCapture capture;
    open(false);
    EXPECT_NE(ext::glBindBufferARB, nullptr);
    EXPECT_NE(ext::glMultiTexCoord4svARB, nullptr);
    EXPECT_NE(ext::glGenerateMipmapEXT, nullptr);
    EXPECT_NE(ext::glDrawRangeElements, nullptr);
    EXPECT_EQ(capture.err().find("not initialized"), std::string::npos);
}

TEST_F(InitGlTest, ErrorReportsNameTheContextAndDrainTheImageLibrary) {
    open(false);
    cCapture capture;
    glEnable(0xFFFF);
    EXPECT_TRUE(check_gl_error(""));
    glEnable(0xFFFF);
    EXPECT_TRUE(check_gl_error("loader"));
    EXPECT_FALSE(check_gl_error("loader"));
    EXPECT_EQ(capture.err(), "## ERROR: OpenGL : invalid enumerant\n"
                             "## ERROR: OpenGL  loader: invalid enumerant\n");
    init_image_library();
    ilLoadImage("/no/such/image.png");
    EXPECT_TRUE(check_il_error());
    EXPECT_FALSE(check_il_error());
    EXPECT_NE(capture.err().find("## ERROR: OpenIL Error "), std::string::npos);
}
