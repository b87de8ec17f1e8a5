// The render-target pool on a real GL context: sizes from the view, lending and return that
// keep the books, no GL object made within the warm-up counts, the run-time creation warning,
// and targets that really render.
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

// A target lent once at a time: a refill returns the held one, a second release does nothing,
// and what is not a size lends nothing.
TEST_F(RenderTargetPoolTest, ReleaseAndRefillKeepTheBooks) {
    cRenderTargetManager& pool = warm_up();
    cCapture capture;
    cTmpRenderTarget handle;
    pool.acquire(handle, RTT_HALF);
    iRenderTarget* first = handle.get();
    pool.acquire(handle, RTT_HALF);
    EXPECT_NE(handle.get(), first);
    EXPECT_EQ(pool.in_use(), 1);
    pool.release(handle);
    pool.release(handle);
    EXPECT_TRUE(handle.empty());
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(pool.free_count(), 9u);
    EXPECT_EQ(std::prev(pool.free_list().end(), 2)->second, first); // first in, first out
    pool.acquire(handle, RTT_NONE);
    EXPECT_TRUE(handle.empty());
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_NE(capture.err(), "");
}

// Warm-up makes 2 full, 2 half, 3 quarter and 2 eighth targets; frames within those counts make
// no GL object and print nothing. More are made when asked, once, with a warning.
TEST_F(RenderTargetPoolTest, OnlyFramesBeyondTheWarmUpCountsCreateTargets) {
    cCapture capture;
    cRenderTargetManager& pool = warm_up();
    cDemoTime clock{0, 65250, 65250};
    pool.set_clock(&clock);
    real_gen_framebuffers = ext::glGenFramebuffersEXT;
    ext::glGenFramebuffersEXT = counting_gen_framebuffers;
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
    EXPECT_EQ(capture.out(), "");
    for (int round = 0; round < 2; ++round) {
        cTmpRenderTarget full[3], twice;
        for (cTmpRenderTarget& handle : full)
            pool.acquire(handle, RTT_FULL);
        pool.acquire(twice, RTT_DOUBLE);
        EXPECT_EQ(twice->width(), 2048u);
    }
    EXPECT_EQ(capture.out(),
              "# performance-warning at 65250ms: allocated rendertarget runtime: RTT_FULL\n"
              "# performance-warning at 65250ms: allocated rendertarget runtime: RTT_DOUBLE\n");
    EXPECT_EQ(pool.in_use(), 0);
    EXPECT_EQ(pool.free_count(), 11u);
}

TEST_F(RenderTargetPoolTest, TargetRendersIntoItsTextureAndRestoresTheWindow) {
    cTmpRenderTarget target;
    warm_up().acquire(target, RTT_EIGHTH);
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

    // Whatever framebuffer stands for the screen is bound again, not framebuffer 0, also
    // when a target is made while it is bound.
    cRenderTarget_fbo screen(64, 40);
    screen.create();
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, screen.framebuffer());
    const std::vector<GLint> own = view();
    cRenderTarget_fbo late(32, 20);
    late.create();
    EXPECT_EQ(view(), own);
    target->begin();
    target->end();
    EXPECT_EQ(view(), own);
    ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, static_cast<GLuint>(window[4]));
}

} // namespace
