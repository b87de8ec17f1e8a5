// blur and combine: the separable blur through a pooled temporary, and the two-image
// combines of the spill and the colour dodge.
#include "PostEffects.h"

#include "base/cDisplaySettings.h"
#include "cPostSpan.h"
#include "cPostState.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cTexelReads.h"
#include "shaders/cShdBlurTex.h"
#include "shaders/cShdPostColDodge.h"
#include "shaders/cShdPostColDodgeMasked.h"
#include "shaders/cShdPostSpillAdd.h"

namespace {

// The pool size nearest the destination's width; a double-size destination blurs at full.
eRTType blur_temporary_type(const iRenderTarget& destination) {
    const float r =
        static_cast<float>(display_settings().view_width) / static_cast<float>(destination.width());
    if (r < 1.01f)
        return RTT_FULL;
    if (r < 2.01f)
        return RTT_HALF;
    if (r < 4.01f)
        return RTT_QUATER;
    return RTT_EIGHTH;
}

void blur_pass(iRenderTarget& from, iRenderTarget& into, float dx, float dy, const char* program) {
    cShaderManager_CG& shaders = shader_manager();
    into.begin();
    from.bind_texture();
    from.enable_texture();
    float direction[2] = {dx, dy};
    cShaderParameter<float*> parameter(direction);
    shaders.set_parameter(program, 1, &parameter);
    shaders.bind(program);
    quad_texel(static_cast<float>(from.width()), static_cast<float>(from.height()));
    into.end();
    from.disable_texture();
    from.unbind_texture();
}

} // namespace

void register_combine_shaders() {
    ensure_shader<cShdPostSpillAdd>("spill_shader");
    ensure_shader<cShdPostColDodge>("coldodge_shader");
    ensure_shader<cShdPostColDodgeMasked>("coldodge_mask_shader");
}

// The second pass reads only the temporary, so the destination may be the source.
void blur(iRenderTarget& source, iRenderTarget& destination, const char* program) {
    const cPostSpan span;
    ensure_shader<cShdBlurTex>("blur_shader");
    cPostState state;
    shader_manager().push_shader();
    cTmpRenderTarget tmp;
    render_target_manager().acquire(tmp, blur_temporary_type(destination));
    ext::glActiveTexture(GL_TEXTURE0);
    blur_pass(source, *tmp.get(), 0, 1, program);
    blur_pass(*tmp.get(), destination, 1, 0, program);
    shader_manager().pop_shader();
    render_target_manager().release(tmp);
}

void combine(iRenderTarget& a, iRenderTarget& b, int mode) {
    const cPostSpan span;
    register_combine_shaders();
    const cSavedState saved(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    if (mode == COMBINE_SPILL)
        shaders.bind("spill_shader");
    else if (mode == COMBINE_DODGE)
        shaders.bind("coldodge_shader");
    {
        const cTexelReads at_centres({&a, &b});
        draw_targets({&a, &b});
    }
    shaders.pop_shader();
}
