// levels and hsb: one pass each through a colour program.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cTexelReads.h"
#include "shaders/GammaWeights.h"
#include "shaders/cShdHsbMasked.h"
#include "shaders/cShdLevels.h"
#include "shaders/cShdPostHSB.h"

#include <string>
#include <vector>

void register_levels_shader() {
    ensure_shader<cShdLevels>("levels_shader");
    ensure_shader<cShdLevels>("levels_straight_shader", std::vector<std::string>{"-DSTRAIGHT"});
    ensure_shader<cShdLevels>("levels_fitted_shader", std::vector<std::string>{"-DFITTED_GAMMA"});
}

void levels(iRenderTarget& source, const cLevelsParams& curve, const char* program) {
    const cPostSpan span;
    // Drawing through an unregistered name would silently draw the source unchanged.
    register_levels_shader();
    const bool own_program = !program;
    if (!program)
        program = curve.Gamma == 1          ? "levels_straight_shader"
                  : gamma_fits(curve.Gamma) ? "levels_fitted_shader"
                                            : "levels_shader";
    float values[5] = {curve.inBlack, curve.inWhite, curve.Gamma, curve.outBlack, curve.outWhite};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter(program, 1, &parameter);
    // The three programs of its own read the picture where the quad puts it; a caller's may not.
    const cTexelReads at_centres({own_program ? &source : nullptr});
    draw_through(source, program);
}

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
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glDisable(GL_BLEND);
        const cScopedTexture bound(mask, GL_TEXTURE1);
        const cTexelReads at_centres({&source});
        draw_target(source); // on unit 0
    }
    ext::glActiveTexture(GL_TEXTURE0);
    shaders.pop_shader();
}
