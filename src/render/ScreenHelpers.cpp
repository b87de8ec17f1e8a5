#include "ScreenHelpers.h"

#include "GlExtensions.h"
#include "ShaderRegistry.h"
#include "cShaderManager_CG.h"
#include "render/post/cPostSpan.h"
#include "shaders/cShdMasked.h"

#include <vector>

namespace {

// The depth write masks of the open ortho sections, innermost last.
std::vector<GLboolean>& saved_depth_masks() {
    static std::vector<GLboolean> masks;
    return masks;
}

const float kCorners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

void textured_quad(float s0, float t0, float s1, float t1) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(s1, t0);
    glVertex3f(1, 0, 0);
    glTexCoord2f(s1, t1);
    glVertex3f(1, 1, 0);
    glTexCoord2f(s0, t1);
    glVertex3f(0, 1, 0);
    glEnd();
}

} // namespace

void begin_ortho() {
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    GLboolean mask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    saved_depth_masks().push_back(mask);
    glDepthMask(GL_FALSE);
    push_unit_square();
}

void begin_ortho_white() {
    begin_ortho();
    glColor4f(1, 1, 1, 1);
}

void push_unit_square() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
}

void pop_unit_square() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void end_ortho() {
    pop_unit_square();
    std::vector<GLboolean>& masks = saved_depth_masks();
    if (!masks.empty()) {
        glDepthMask(masks.back());
        masks.pop_back();
    }
    glPopAttrib();
}

void reset_scene_state(bool unit_ortho) {
    if (unit_ortho) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glEnable(GL_DEPTH_TEST);
}

void quad_texel(float width, float height) {
    textured_quad(0, 0, width, height);
}

void quad_unit() {
    textured_quad(0, 0, 1, 1);
}

void draw_texture(const cTextureDesc& texture) {
    if (!texture.valid())
        return; // a failed load: nothing to enable or bind
    const GLenum target = static_cast<GLenum>(texture.target);
    glEnable(target);
    glBindTexture(target, static_cast<GLuint>(texture.id));
    if (target == GL_TEXTURE_RECTANGLE_ARB)
        quad_texel(static_cast<float>(texture.width), static_cast<float>(texture.height));
    else if (target == GL_TEXTURE_2D)
        quad_unit();
    glBindTexture(target, 0);
    glDisable(target);
}

void draw_target(iRenderTarget& target) {
    begin_ortho_white();
    ext::glActiveTexture(GL_TEXTURE0);
    target.bind_texture();
    target.enable_texture();
    quad_texel(static_cast<float>(target.width()), static_cast<float>(target.height()));
    target.unbind_texture();
    target.disable_texture();
    end_ortho();
}

void draw_partial(iRenderTarget& target, float a, float b) {
    begin_ortho_white();
    glDisable(GL_BLEND);
    ext::glActiveTexture(GL_TEXTURE0);
    target.bind_texture();
    target.enable_texture();
    const float s = static_cast<float>(target.width()) / a;
    const float t = static_cast<float>(target.height());
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(s, 0);
    glVertex3f(1 / b, 0, 0);
    glTexCoord2f(s, t);
    glVertex3f(1 / b, 1, 0);
    glTexCoord2f(0, t);
    glVertex3f(0, 1, 0);
    glEnd();
    target.disable_texture();
    target.unbind_texture();
    end_ortho();
}

void quad_two_units(iRenderTarget& a, iRenderTarget& b) {
    begin_ortho_white();
    const float sa = static_cast<float>(a.width()), ta = static_cast<float>(a.height());
    const float sb = static_cast<float>(b.width()), tb = static_cast<float>(b.height());
    glBegin(GL_QUADS);
    for (const auto& c : kCorners) {
        ext::glMultiTexCoord2fARB(GL_TEXTURE0, c[0] * sa, c[1] * ta);
        ext::glMultiTexCoord2fARB(GL_TEXTURE1, c[0] * sb, c[1] * tb);
        glVertex3f(c[0], c[1], 0);
    }
    glEnd();
    ext::glActiveTexture(GL_TEXTURE0);
    end_ortho();
}

void draw_two_targets(iRenderTarget& a, iRenderTarget& b) {
    ext::glActiveTexture(GL_TEXTURE0);
    a.bind_texture();
    a.enable_texture();
    ext::glActiveTexture(GL_TEXTURE1);
    b.bind_texture();
    b.enable_texture();
    quad_two_units(a, b);
    ext::glActiveTexture(GL_TEXTURE1);
    b.unbind_texture();
    b.disable_texture();
    ext::glActiveTexture(GL_TEXTURE0);
    a.unbind_texture();
    a.disable_texture();
}

// The masked image nests like every effect: the caller's shader is back on return, so a
// caller that unbinds afterwards finds nothing left to undo.
void draw_masked(const cTextureDesc& mask, iRenderTarget& image) {
    const cPostSpan span;
    ensure_shader<cShdMasked>("mask_shader");
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    GLint source = GL_ONE, destination = GL_ZERO;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    shader_manager().push_shader();
    shader_manager().bind("mask_shader");
    const GLenum mask_target = static_cast<GLenum>(mask.target);
    ext::glActiveTexture(GL_TEXTURE1);
    glBindTexture(mask_target, static_cast<GLuint>(mask.id));
    glEnable(mask_target);
    ext::glActiveTexture(GL_TEXTURE0);
    draw_target(image);
    ext::glActiveTexture(GL_TEXTURE1);
    glBindTexture(mask_target, 0);
    glDisable(mask_target);
    ext::glActiveTexture(GL_TEXTURE0);
    shader_manager().pop_shader();
    glBlendFunc(static_cast<GLenum>(source), static_cast<GLenum>(destination));
    glPopAttrib();
}

void set_picture_viewport(const cDisplaySettings& s) {
    const sPixelRect r = s.picture_rect();
    glViewport(r.x, r.y, r.width, r.height);
}
