#include "ScreenHelpers.h"

#include "GlExtensions.h"
#include "cSavedState.h"
#include "cScopedTexture.h"

#include <memory>
#include <vector>

namespace {

// The state saved by each open ortho section, innermost last.
std::vector<std::unique_ptr<cSavedState>>& open_sections() {
    static std::vector<std::unique_ptr<cSavedState>> sections;
    return sections;
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
    open_sections().push_back(std::make_unique<cSavedState>(GL_CURRENT_BIT | GL_ENABLE_BIT));
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
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
    std::vector<std::unique_ptr<cSavedState>>& sections = open_sections();
    if (!sections.empty())
        sections.pop_back();
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
    const cScopedTexture bound(texture);
    if (texture.target == GL_TEXTURE_RECTANGLE_ARB)
        quad_texel(static_cast<float>(texture.width), static_cast<float>(texture.height));
    else if (texture.target == GL_TEXTURE_2D)
        quad_unit();
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

void draw_targets(std::initializer_list<iRenderTarget*> targets) {
    // Each present target with its unit, made active.
    const auto each = [&](auto&& f) {
        GLenum unit = GL_TEXTURE0;
        for (iRenderTarget* target : targets) {
            if (target)
                f(*target, unit);
            ++unit;
        }
    };
    each([](iRenderTarget& t, GLenum unit) {
        ext::glActiveTexture(unit);
        t.bind_texture();
        t.enable_texture();
    });
    begin_ortho_white();
    glBegin(GL_QUADS);
    for (const auto& c : kCorners) {
        each([&](iRenderTarget& t, GLenum unit) {
            ext::glMultiTexCoord2fARB(unit, c[0] * static_cast<float>(t.width()),
                                      c[1] * static_cast<float>(t.height()));
        });
        glVertex3f(c[0], c[1], 0);
    }
    glEnd();
    end_ortho();
    each([](iRenderTarget& t, GLenum unit) {
        ext::glActiveTexture(unit);
        t.unbind_texture();
        t.disable_texture();
    });
    ext::glActiveTexture(GL_TEXTURE0);
}

void set_picture_viewport(const cDisplaySettings& s) {
    const sPixelRect r = s.picture_rect();
    glViewport(r.x, r.y, r.width, r.height);
}
