// Every effect and screen helper returns the GL state it found: the bound shader (so effects
// nest), blend factors and enable, depth write mask, both matrices, the active unit, the
// framebuffer and viewport, and every pooled temporary back in the pool.
#include "PostFixture.h"

#include "render/ScreenHelpers.h"
#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"
#include "shaders/cShdNotex.h"

#include <cstring>

namespace {

struct sState {
    std::string shader;
    GLint program, blend_src, blend_dst, active_unit, framebuffer, matrix_mode;
    GLint viewport[4];
    GLboolean blend, depth_mask, depth_test;
    GLfloat projection[16], modelview[16];

    static sState read() {
        sState s;
        s.shader = shader_manager().current();
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
        glGetIntegerv(GL_BLEND_SRC, &s.blend_src);
        glGetIntegerv(GL_BLEND_DST, &s.blend_dst);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &s.active_unit);
        glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &s.framebuffer);
        glGetIntegerv(GL_MATRIX_MODE, &s.matrix_mode);
        glGetIntegerv(GL_VIEWPORT, s.viewport);
        glGetBooleanv(GL_BLEND, &s.blend);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depth_mask);
        glGetBooleanv(GL_DEPTH_TEST, &s.depth_test);
        glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
        return s;
    }
};

void expect_same(const sState& a, const sState& b, const std::string& what) {
    EXPECT_EQ(a.shader, b.shader) << what;
    EXPECT_EQ(a.program, b.program) << what;
    EXPECT_EQ(a.blend_src, b.blend_src) << what;
    EXPECT_EQ(a.blend_dst, b.blend_dst) << what;
    EXPECT_EQ(a.active_unit, b.active_unit) << what;
    EXPECT_EQ(a.framebuffer, b.framebuffer) << what;
    EXPECT_EQ(a.matrix_mode, b.matrix_mode) << what;
    EXPECT_EQ(0, std::memcmp(a.viewport, b.viewport, sizeof a.viewport)) << what;
    EXPECT_EQ(a.blend, b.blend) << what;
    EXPECT_EQ(a.depth_mask, b.depth_mask) << what;
    EXPECT_EQ(a.depth_test, b.depth_test) << what;
    EXPECT_EQ(0, std::memcmp(a.projection, b.projection, sizeof a.projection)) << what;
    EXPECT_EQ(0, std::memcmp(a.modelview, b.modelview, sizeof a.modelview)) << what;
}

std::array<uint8_t, 4> grey(int x, int y) {
    const uint8_t v = uint8_t((x + y) % 256);
    return {v, v, v, 255};
}

class PostStateTest : public cPostFixture {
protected:
    // A state no effect would choose for itself.
    static void odd_state(bool depth_mask) {
        shader_manager().bind("notex_shader");
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_SRC_COLOR);
        glEnable(GL_DEPTH_TEST);
        glDepthMask(depth_mask ? GL_TRUE : GL_FALSE);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-1, 1, -0.6, 0.6, 1, 50);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.5f, -2, -7);
        glRotatef(33, 0, 1, 0);
    }
};

} // namespace

TEST_F(PostStateTest, EveryEffectAndHelperReturnsTheStateItFound) {
    shader_manager().register_shader<cShdNotex>("notex_shader");
    auto a = full(grey);
    auto b = full(grey);
    auto half = target(kViewWidth / 2, kViewHeight / 2, grey);
    cColorCorrection correction(lookup_file("state.png", [](int v) { return v; }));
    const cTextureDesc mask{GL_TEXTURE_2D,
                            GLint(texture(GL_TEXTURE_2D, 1, 1, {255, 255, 255, 255})), 1, 1};
    const cTextureDesc rect{GL_TEXTURE_RECTANGLE_ARB, GLint(a->texture()), kViewWidth, kViewHeight};
    const cGlowParams glow_params{5, 0.5f, 0.7f};
    const struct {
        const char* name;
        std::function<void()> run;
    } cases[] = {
        {"levels", [&] { levels(*a, 10, 240, 1.2f, 5, 250); }},
        {"hsb",
         [&] {
             hsb(cHsbParams{40, 10, 5}, *a);
         }},
        {"blur", [&] { blur(*a, *b); }},
        {"blur in place", [&] { blur(*half, *half); }},
        {"combine spill", [&] { combine(*a, *b, COMBINE_SPILL); }},
        {"combine dodge", [&] { combine(*a, *b, COMBINE_DODGE); }},
        {"combine other", [&] { combine(*a, *b, 0); }},
        {"spill", [&] { spill(*a, *half, cut_levels(), RTT_HALF); }},
        {"spill_into", [&] { spill_into(RTT_HALF, *a, cut_levels(), *b); }},
        {"spill_half", [&] { spill_half(cut_levels(), *a); }},
        {"glow_layers", [&] { glow_layers(*a, glow_params); }},
        {"glow", [&] { glow(*b, *a, glow_params); }},
        {"color_correction", [&] { correction.apply(*a); }},
        {"row_resample", [&] { row_resample(*a, *b); }},
        {"ortho", [] { begin_ortho(), quad_unit(), end_ortho(); }},
        {"nested ortho", [] { begin_ortho_white(), begin_ortho(), end_ortho(), end_ortho(); }},
        {"quad_texel", [] { quad_texel(4, 4); }},
        {"draw_texture", [&] { draw_texture(rect); }},
        {"draw_target", [&] { draw_target(*a); }},
        {"draw_partial", [&] { draw_partial(*a, 4, 16); }},
        {"quad_two_units", [&] { quad_two_units(*a, *half); }},
        {"draw_masked", [&] { draw_masked(mask, *a); }},
    };
    for (const bool depth_mask : {false, true})
        for (const auto& c : cases) {
            odd_state(depth_mask);
            const sState before = sState::read();
            c.run();
            expect_same(before, sState::read(), c.name);
            EXPECT_EQ(render_target_manager().in_use(), 0) << c.name;
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
        }
    shader_manager().unbind();
}
