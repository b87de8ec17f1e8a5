// levels and hsb: one pass each through a colour program.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "shaders/cShdHsbMasked.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdPostHSB.h"

#include <string>
#include <vector>

void register_levels_shader() {
    ensure_shader<cShdLevels>("levels_shader");
    ensure_shader<cShdLevels>("levels_straight_shader", std::vector<std::string>{"-DSTRAIGHT"});
}

void levels(iRenderTarget& source, const cLevelsParams& curve, const char* program) {
    const cPostSpan span;
    // Drawing through an unregistered name would silently draw the source unchanged.
    register_levels_shader();
    if (!program)
        program = curve.Gamma == 1 ? "levels_straight_shader" : "levels_shader";
    float values[5] = {curve.inBlack, curve.inWhite, curve.Gamma, curve.outBlack, curve.outWhite};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter(program, 1, &parameter);
    draw_through(source, program);
}

namespace {

// The mask on unit 1 for the masked program; a texture that did not load is left unbound.
void bind_mask(const cTextureDesc* mask, bool bind) {
    if (!mask || !mask->valid())
        return;
    const GLenum target = static_cast<GLenum>(mask->target);
    ext::glActiveTexture(GL_TEXTURE1);
    glBindTexture(target, bind ? static_cast<GLuint>(mask->id) : 0);
    if (bind)
        glEnable(target);
    else
        glDisable(target);
    ext::glActiveTexture(GL_TEXTURE0);
}

} // namespace

void hsb(const cHsbParams& params, iRenderTarget& source, const cTextureDesc* mask) {
    const cPostSpan span;
    const char* program = mask ? "hsb_mask_shader" : "hsb_shader";
    if (mask)
        ensure_shader<cShdHsbMasked>(program);
    else
        ensure_shader<cShdPostHSB>(program);
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    float values[3] = {params.hue, params.saturation, params.brightness};
    cShaderParameter<float*> parameter(values);
    shaders.set_parameter(program, 1, &parameter);
    shaders.bind(program);
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    bind_mask(mask, true);
    draw_target(source);
    bind_mask(mask, false);
    glPopAttrib();
    shaders.pop_shader();
}
