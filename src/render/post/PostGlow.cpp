// The layered glow: the image added onto black in copies zoomed about the centre of the
// screen, the n-th with 1/n of the multiplier, so the light streaks outwards and fades. The
// layers are summed in one pass, in floating point; the glow of a blurred quarter-size
// picture is summed at that size and magnified. The quarter holds the sum divided by 1, 2
// or 4, so that sums up to 4 stay unclamped until the full-size picture is: clamping first
// would cut the glow's edge where it saturates.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdGlowSum.h"

namespace {

// The harmonic number: the weights of `layers` layers, multiplier 1, summed.
float layer_weight(int layers) {
    float sum = 0;
    for (int i = 1; i <= layers; ++i)
        sum += 1.0f / static_cast<float>(i);
    return sum;
}

// Layers `first` to `last` - 1 summed and divided by `scale`, clamped to 1.
void sum_layers(iRenderTarget& source, const cGlowParams& params, int first, int last,
                float scale) {
    ensure_shader<cShdGlowSum>("glow_sum_shader");
    const float layers = static_cast<float>(std::max(params.layers, 0));
    float values[6] = {static_cast<float>(first),
                       static_cast<float>(std::min(last, params.layers)),
                       layers > 0 ? params.distance / layers : 0,
                       params.multiplier / scale,
                       static_cast<float>(source.width()) / 2,
                       static_cast<float>(source.height()) / 2};
    cShaderParameter<float*> parameter(values);
    shader_manager().set_parameter("glow_sum_shader", cShdBase::kIndex, &parameter);
    draw_through(source, "glow_sum_shader");
}

// `summed` magnified over the bound target with its texels times `scale` (1, 2 or 4),
// clamped.
void magnify(iRenderTarget& summed, int scale) {
    const cSavedState saved(GL_TEXTURE_BIT);
    ext::glActiveTexture(GL_TEXTURE0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_RGB_SCALE, scale);
    draw_through(summed, nullptr);
}

} // namespace

void draw_through(iRenderTarget& source, const char* program) {
    const cSavedState saved(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    shader_manager().push_shader();
    if (program)
        shader_manager().bind(program);
    else
        shader_manager().unbind();
    draw_target(source);
    shader_manager().pop_shader();
}

void glow_layers(iRenderTarget& source, const cGlowParams& params) {
    const cPostSpan span;
    sum_layers(source, params, 0, params.layers, 1);
}

int glow_quarter(cTmpRenderTarget& summed, iRenderTarget& source, const cGlowParams& params) {
    const cPostSpan span;
    cTmpRenderTarget quarter;
    render_target_manager().acquire(quarter, RTT_QUATER);
    render_target_manager().acquire(summed, RTT_QUATER);
    blur(source, *quarter.get());
    const float most = params.multiplier * layer_weight(params.layers);
    const int scale = most <= 1 ? 1 : most <= 2 ? 2 : 4;
    summed.get()->begin();
    sum_layers(*quarter.get(), params, 0, params.layers, static_cast<float>(scale));
    summed.get()->end();
    render_target_manager().release(quarter);
    return scale;
}

void glow(iRenderTarget& destination, iRenderTarget& source, const cGlowParams& params) {
    const cPostSpan span;
    cTmpRenderTarget summed;
    const int scale = glow_quarter(summed, source, params);
    destination.begin();
    magnify(*summed.get(), scale);
    destination.end();
    render_target_manager().release(summed);
}
