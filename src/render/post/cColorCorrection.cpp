#include "cColorCorrection.h"

#include "cPostSpan.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
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
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    shaders.bind("color_correction_shader");
    const GLenum target = static_cast<GLenum>(lookup_.target);
    const bool has_table = lookup_.valid();
    ext::glActiveTexture(GL_TEXTURE1);
    if (has_table) {
        glEnable(target);
        glBindTexture(target, static_cast<GLuint>(lookup_.id));
    }
    {
        const cTexelReads at_centres({&source});
        draw_target(source);
    }
    ext::glActiveTexture(GL_TEXTURE1);
    if (has_table) {
        glBindTexture(target, 0);
        glDisable(target);
    }
    ext::glActiveTexture(GL_TEXTURE0);
    glPopAttrib();
    shaders.pop_shader();
}
