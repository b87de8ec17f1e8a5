// The render-target pool on a real GL context: warm-up counts, first-in
// first-out reuse per size type, the run-time creation warning, the
// statistics, and targets that really render.
#include "frame/AppSetup.h"
#include "render/GlExtensions.h"
#include "render/cRenderTargetManager.h"
#include "render/cRenderTarget_fbo.h"
#include "support/Capture.h"
#include "support/GlWindow.h"

#include <GL/glext.h>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace {

int framebuffers_made = 0;
PFNGLGENFRAMEBUFFERSEXTPROC real_gen_framebuffers = nullptr;

void APIENTRY counting_gen_framebuffers(GLsizei n, GLuint* names) {
    framebuffers_made += n;
    real_gen_framebuffers(n, names);
}

class RenderTargetPoolTest : public cGlWindow {
protected:
    void TearDown() override {
        cCapture statistics;
        pool_.reset();
        cGlWindow::TearDown();
    }
    cRenderTargetManager& warm_up() {
        pool_ = std::make_unique<cRenderTargetManager>();
        return *pool_;
    }

    std::unique_ptr<cRenderTargetManager> pool_;
};

TEST_F(RenderTargetPoolTest, SizesFollowTheViewAtWarmUp) {
    const struct {
        unsigned view_w, view_h;
        eRTType type;
        unsigned w, h;
    } cases[] = {
        {1024, 640, RTT_HALF, 512, 320},
        {1024, 640, RTT_DOUBLE, 2048, 1280},
        {1280, 720, RTT_EIGHTH, 160, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(cRenderTargetManager::type_name(c.type));
        display_settings().view_width = c.view_w;
        display_settings().view_height = c.view_h;
        cCapture quiet;
        cRenderTargetManager& pool = warm_up();
        cTmpRenderTarget handle;
        pool.acquire(handle, c.type);
        EXPECT_EQ(handle->width(), c.w);
        EXPECT_EQ(handle->height(), c.h);
        EXPECT_EQ(handle->texture_target(), static_cast<GLenum>(GL_TEXTURE_RECTANGLE_ARB));
        EXPECT_EQ(cRenderTargetManager::type_of(*handle.get()),
                  c.type == RTT_DOUBLE ? RTT_NONE : c.type);
    }
}

TEST_F(RenderTargetPoolTest, RunTimeCreationsAreAnnouncedOnceAndPooled) {
    cRenderTargetManager& pool = warm_up();
    cDemoTime clock{0, 65250, 65250};
    pool.set_clock(&clock);
    cCapture capture;
    {
        cTmpRenderTarget a, b, c, twice;
        pool.acquire(a, RTT_FULL);
        pool.acquire(b, RTT_FULL);
        EXPECT_EQ(capture.out(), "");
        pool.acquire(c, RTT_FULL);
        pool.acquire(twice, RTT_DOUBLE);
        EXPECT_EQ(twice->width(), 2048u);
        EXPECT_EQ(pool.in_use(), 4);
        EXPECT_EQ(pool.peak(), 9);
    } // handles going out of scope give their targets back
    EXPECT_EQ(capture.out(),
              "# performance-warning at 65250ms: allocated rendertarget runtime: RTT_FULL\n"
              "# performance-warning at 65250ms: allocated rendertarget runtime: RTT_DOUBLE\n");
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(pool.free_count(), 11u);
    const std::string warned = capture.out();
    cTmpRenderTarget again[3], twice;
    for (cTmpRenderTarget& handle : again)
        pool.acquire(handle, RTT_FULL);
    pool.acquire(twice, RTT_DOUBLE);
    EXPECT_EQ(capture.out(), warned); // the pool now holds enough of both
}

TEST_F(RenderTargetPoolTest, ReleaseAndRefillKeepTheBooks) {
    cRenderTargetManager& pool = warm_up();
    cCapture capture;
    cTmpRenderTarget handle;
    pool.release(handle); // empty: no effect
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(pool.free_count(), 9u);
    pool.acquire(handle, RTT_HALF);
    iRenderTarget* first = handle.get();
    pool.acquire(handle, RTT_HALF); // refilling gives the held target back first
    EXPECT_NE(handle.get(), first);
    EXPECT_EQ(pool.in_use(), 1);
    pool.release(handle);
    pool.release(handle);
    EXPECT_TRUE(handle.empty());
    EXPECT_EQ(handle.type(), RTT_NONE);
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(std::prev(pool.free_list().end(), 2)->second, first); // first in, first out
    pool.acquire(handle, RTT_NONE); // not a size: refused, nothing lent
    EXPECT_TRUE(handle.empty());
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(capture.err(),
              "## ERROR in cRenderTargetManager::acquire: no render target of type RTT_NONE\n");
    EXPECT_EQ(capture.out(), "");
    pool_.reset();
    EXPECT_EQ(capture.out(), "# rrt-manager: number of tmp-rt allocated: 9\n"
                             "# rtt-manager: maximum concurrently allocated RTs: 9\n");
}

// Warm-up makes 2 full, 2 half, 3 quarter and 2 eighth targets without a warning; a run within
// those counts makes no GL object at all.
TEST_F(RenderTargetPoolTest, FramesWithinWarmUpCountsCreateNothing) {
    cCapture capture;
    cRenderTargetManager& pool = warm_up();
    real_gen_framebuffers = ext::glGenFramebuffersEXT;
    ext::glGenFramebuffersEXT = counting_gen_framebuffers;
    GLuint probe = 0;
    glGenTextures(1, &probe);
    for (int frame = 0; frame < 3; ++frame) {
        cTmpRenderTarget targets[9];
        const eRTType order[] = {RTT_QUATER, RTT_FULL,   RTT_EIGHTH, RTT_HALF,  RTT_QUATER,
                                 RTT_FULL,   RTT_EIGHTH, RTT_HALF,   RTT_QUATER};
        for (int i = 0; i < 9; ++i) {
            pool.acquire(targets[i], order[(i + frame) % 9]);
            targets[i]->begin();
            glClear(GL_COLOR_BUFFER_BIT);
            targets[i]->end();
        }
    }
    ext::glGenFramebuffersEXT = real_gen_framebuffers;
    EXPECT_EQ(framebuffers_made, 0);
    for (GLuint name = probe + 1; name < probe + 64; ++name)
        EXPECT_FALSE(glIsTexture(name)) << name;
    glDeleteTextures(1, &probe);
    EXPECT_EQ(capture.out(), "");
    EXPECT_EQ(pool.in_use(), 0);
}

TEST_F(RenderTargetPoolTest, TargetRendersIntoItsTextureAndRestoresTheWindow) {
    cRenderTargetManager& pool = warm_up();
    cTmpRenderTarget target;
    pool.acquire(target, RTT_EIGHTH);
    // Viewport and framebuffer: the SDL 1.2 layer may draw the window through one of its own.
    const auto view = [] {
        std::vector<GLint> v(5);
        glGetIntegerv(GL_VIEWPORT, v.data());
        glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &v[4]);
        return v;
    };
    const std::vector<GLint> window = view();
    target->begin();
    const std::vector<GLint> inside = view();
    EXPECT_EQ(std::vector<GLint>(inside.begin(), inside.begin() + 4),
              (std::vector<GLint>{0, 0, 128, 80}));
    EXPECT_EQ(ext::glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT),
              static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT));
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    target->end();
    EXPECT_EQ(view(), window);
    std::vector<GLubyte> texels(4 * 128 * 80);
    target->bind_texture();
    glGetTexImage(GL_TEXTURE_RECTANGLE_ARB, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    target->unbind_texture();
    EXPECT_EQ(std::vector<GLubyte>(texels.end() - 4, texels.end()),
              (std::vector<GLubyte>{51, 102, 153, 255}));
}

} // namespace
