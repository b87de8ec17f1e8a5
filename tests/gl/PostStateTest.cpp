// Every effect and screen helper returns the GL state it found: the bound shader (so effects
// nest), blend factors and enable, depth write mask, both matrices, the active unit and its 1D
// texture, the framebuffer and viewport, every pooled temporary back in the pool, and the
// linear filter of the targets it read.
#include "ShaderFixture.h"

#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/post/PostEffects.h"
#include "render/post/cColorCorrection.h"
#include "shaders/cShdNotex.h"

namespace {

// The GL state an effect must hand back, each query with up to 16 values.
std::vector<std::pair<GLenum, std::array<GLfloat, 16>>> gl_state() {
    std::vector<std::pair<GLenum, std::array<GLfloat, 16>>> state;
    for (GLenum e : {GL_CURRENT_PROGRAM, GL_BLEND_SRC, GL_BLEND_DST, GL_ACTIVE_TEXTURE,
                     GL_FRAMEBUFFER_BINDING_EXT, GL_MATRIX_MODE, GL_VIEWPORT, GL_BLEND,
                     GL_DEPTH_WRITEMASK, GL_DEPTH_TEST, GL_PROJECTION_MATRIX, GL_MODELVIEW_MATRIX,
                     GL_TEXTURE_1D, GL_TEXTURE_BINDING_1D}) {
        state.push_back({e, {}});
        glGetFloatv(e, state.back().second.data());
    }
    return state;
}

// Both filters of a target; a target read nearest for one pass and left so would read blocky
// in the next pass that scales it.
std::array<GLint, 2> filters(iRenderTarget& target) {
    std::array<GLint, 2> f{};
    target.bind_texture();
    glGetTexParameteriv(target.texture_target(), GL_TEXTURE_MIN_FILTER, &f[0]);
    glGetTexParameteriv(target.texture_target(), GL_TEXTURE_MAG_FILTER, &f[1]);
    target.unbind_texture();
    return f;
}

tRgba grey(int x, int y) {
    return rgb((x + y) % 256, (x + y) % 256, (x + y) % 256);
}

class PostStateTest : public cShaderFixture {
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
    cColorCorrection correction(lookup_file("state.png", grey));
    const cTextureDesc mask{GL_TEXTURE_2D,
                            GLint(texture(GL_TEXTURE_2D, 1, 1, {255, 255, 255, 255})), 1, 1};
    const cTextureDesc rect{GL_TEXTURE_RECTANGLE_ARB, GLint(a->texture()), kViewWidth, kViewHeight};
    const cTextureDesc line{GL_TEXTURE_1D, GLint(texture(GL_TEXTURE_1D, 4, 1, tPixels(16))), 4, 1};
    const cHsbParams turn{40, 10, 5};
    const cGlowParams layers{5, 0.5f, 0.7f};
    const struct {
        const char* name;
        std::function<void()> run;
    } cases[] = {
        {"levels",
         [&] {
             levels(*a, {10, 240, 1.2f, 5, 250});
         }},
        {"hsb", [&] { hsb(turn, *a); }},
        {"hsb through a mask", [&] { hsb(turn, *a, &mask); }},
        {"blur", [&] { blur(*a, *b); }},
        {"blur in place", [&] { blur(*half, *half); }},
        {"combine spill", [&] { combine(*a, *b, COMBINE_SPILL); }},
        {"combine dodge", [&] { combine(*a, *b, COMBINE_DODGE); }},
        {"spill", [&] { spill(*a, cut_levels(), RTT_HALF); }},
        {"spill_into", [&] { spill_into(RTT_HALF, *a, cut_levels(), *b); }},
        {"spill_half", [&] { spill_half(cut_levels(), *a); }},
        {"glow_layers", [&] { glow_layers(*a, layers); }},
        {"glow", [&] { glow(*b, *a, layers); }},
        {"color_correction", [&] { correction.apply(*a); }},
        {"grade",
         [&] {
             grade(*a, {half.get(), &correction.lookup(), &turn, nullptr});
         }},
        {"grade glow and table",
         [&] {
             grade(*a, {half.get(), &correction.lookup()});
         }},
        {"grade with an overlay and a multiply",
         [&] {
             grade(*a, {half.get(), &correction.lookup(), nullptr, nullptr, b.get(), 2, &rect});
         }},
        {"soft_blur",
         [&] {
             cTmpRenderTarget blurred;
             soft_blur(*a, blurred, RTT_HALF);
             render_target_manager().release(blurred);
         }},
        {"echo", [&] { echo(rect, tEchoShifts{}, 0.5f); }},
        {"spill_bright",
         [&] {
             cTmpRenderTarget bright;
             spill_bright(*a, bright, RTT_HALF, cut_levels());
             render_target_manager().release(bright);
         }},
        {"row_resample", [&] { row_resample(*a, *b); }},
        {"ortho", [] { begin_ortho(), quad_unit(), end_ortho(); }},
        {"nested ortho", [] { begin_ortho_white(), begin_ortho(), end_ortho(), end_ortho(); }},
        {"quad_texel", [] { quad_texel(4, 4); }},
        {"draw_texture", [&] { draw_texture(rect); }},
        {"draw_texture 1D", [&] { draw_texture(line); }},
        {"draw_texture not loaded", [] { draw_texture(cTextureDesc{}); }},
        {"draw_target", [&] { draw_target(*a); }},
        {"draw_partial", [&] { draw_partial(*a, 4, 16); }},
        {"draw_targets",
         [&] {
             draw_targets({a.get(), nullptr, half.get()});
         }},
    };
    for (const bool depth_mask : {false, true})
        for (const auto& c : cases) {
            odd_state(depth_mask);
            const std::string shader = shader_manager().current();
            const auto before = gl_state();
            c.run();
            EXPECT_EQ(shader_manager().current(), shader) << c.name;
            EXPECT_EQ(gl_state(), before) << c.name;
            EXPECT_EQ(render_target_manager().in_use(), 0) << c.name;
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
            const std::array<GLint, 2> linear{GL_LINEAR, GL_LINEAR};
            EXPECT_EQ(filters(*a), linear) << c.name;
            EXPECT_EQ(filters(*b), linear) << c.name;
        }
    shader_manager().unbind();
}
