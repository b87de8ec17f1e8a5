#include "cColorCorrection.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cTexelReads.h"
#include "render/cTextureManager.h"
#include "shaders/cShdCorrection.h"

cColorCorrection::cColorCorrection(const std::string& lookup)
    : lookup_(texture_manager().get_texture(lookup, false, GL_CLAMP_TO_EDGE, 0)) {
    ensure_shader<cShdCorrection>("color_correction_shader");
}

void cColorCorrection::apply(iRenderTarget& source) const {
    const cPostSpan span;
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glDisable(GL_BLEND);
        shaders.bind("color_correction_shader");
        const cScopedTexture table(lookup_, GL_TEXTURE1);
        const cTexelReads at_centres({&source});
        draw_target(source);
    }
    ext::glActiveTexture(GL_TEXTURE0);
    shaders.pop_shader();
}
