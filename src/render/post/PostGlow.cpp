// The layered glow: the image added onto black in copies zoomed about the centre of the
// screen, the n-th with 1/n of the multiplier, so the light streaks outwards and fades.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"

namespace {

void draw_layers(iRenderTarget& source, const cGlowParams& params) {
    const float step = params.layers > 0 ? params.distance / static_cast<float>(params.layers) : 0;
    const float width = static_cast<float>(source.width());
    const float height = static_cast<float>(source.height());
    for (int i = 0; i < params.layers; ++i) {
        glColor4f(1, 1, 1, params.multiplier / static_cast<float>(i + 1));
        glPushMatrix();
        const float s = 1 + static_cast<float>(i) * step;
        glTranslatef((1 - s) / 2, (1 - s) / 2, 0);
        glScalef(s, s, 1);
        quad_texel(width, height);
        glPopMatrix();
    }
}

} // namespace

void glow_layers(iRenderTarget& source, const cGlowParams& params) {
    const cPostSpan span;
    const cSavedState saved(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glColor4f(1, 1, 1, 1);
    shader_manager().push_shader();
    shader_manager().unbind();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    begin_ortho_white();
    ext::glActiveTexture(GL_TEXTURE0);
    source.bind_texture();
    source.enable_texture();
    draw_layers(source, params);
    source.unbind_texture();
    source.disable_texture();
    end_ortho();
    shader_manager().pop_shader();
}

void glow(iRenderTarget& destination, iRenderTarget& source, const cGlowParams& params) {
    const cPostSpan span;
    cTmpRenderTarget quarter;
    render_target_manager().acquire(quarter, RTT_QUATER);
    blur(source, *quarter.get());
    destination.begin();
    glow_layers(*quarter.get(), params);
    destination.end();
    render_target_manager().release(quarter);
}
