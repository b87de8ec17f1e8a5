// levels and hsb: one pass each through a colour program.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdPostHSB.h"

void register_levels_shader() {
    ensure_shader<cShdLevels>("levels_shader");
}

void levels(iRenderTarget& source, const cLevelsParams& curve, const char* program) {
    const cPostSpan span;
    // Drawing through an unregistered name would silently draw the source unchanged.
    register_levels_shader();
    float values[5] = {curve.inBlack, curve.inWhite, curve.Gamma, curve.outBlack, curve.outWhite};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter(program, 1, &parameter);
    draw_through(source, program);
}

void hsb(const cHsbParams& params, iRenderTarget& source) {
    const cPostSpan span;
    ensure_shader<cShdPostHSB>("hsb_shader");
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    float values[3] = {params.hue, params.saturation, params.brightness};
    cShaderParameter<float*> parameter(values);
    shaders.set_parameter("hsb_shader", 1, &parameter);
    shaders.bind("hsb_shader");
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    draw_target(source);
    glPopAttrib();
    shaders.pop_shader();
}
