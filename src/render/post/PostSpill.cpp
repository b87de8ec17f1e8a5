// The spill: a bright pass of the picture, blurred three times, scaled up from the post cut
// and added back onto the picture as glow.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"

#include <GL/gl.h>

namespace {

constexpr int kSpillBlurs = 3;

} // namespace

cCutLevels& cut_levels() {
    static cCutLevels levels;
    return levels;
}

// The first spill compiles every program it draws with, before its first pass.
void spill(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut, eRTType type) {
    const cPostSpan span;
    register_levels_shader();
    register_combine_shaders();
    bright.begin();
    levels(source, {cut.pre_cut, 255, 1, 0, 255});
    bright.end();
    for (int i = 0; i < kSpillBlurs; ++i)
        blur(bright, bright);
    cTmpRenderTarget scaled;
    render_target_manager().acquire(scaled, type);
    scaled->begin();
    levels(bright, {0, cut.post_cut, 1, 0, 255});
    scaled->end();
    combine(source, *scaled.get(), COMBINE_SPILL);
    render_target_manager().release(scaled);
}

void spill_into(eRTType type, iRenderTarget& source, const cCutLevels& cut,
                iRenderTarget& destination) {
    const cPostSpan span;
    shader_manager().push_shader();
    cTmpRenderTarget bright;
    render_target_manager().acquire(bright, type);
    spill(source, *bright.get(), cut, type);
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    destination.begin();
    combine(source, *bright.get(), COMBINE_SPILL);
    destination.end();
    glPopAttrib();
    shader_manager().pop_shader();
    render_target_manager().release(bright);
}

void spill_half(const cCutLevels& cut, iRenderTarget& source) {
    const cPostSpan span;
    shader_manager().push_shader();
    cTmpRenderTarget bright;
    render_target_manager().acquire(bright, RTT_HALF);
    spill(source, *bright.get(), cut, RTT_HALF);
    shader_manager().pop_shader();
    render_target_manager().release(bright);
}
