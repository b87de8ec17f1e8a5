// The spill: a bright pass of the picture, blurred three times, scaled up from the post cut
// and added back onto the picture as glow.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"

#include <GL/gl.h>

cCutLevels& cut_levels() {
    static cCutLevels levels;
    return levels;
}

namespace {

constexpr int kSpillBlurs = 3;

// The source's parts above the pre cut, into bright at its size, blurred three times. The
// first call compiles every program a spill draws with, before its first pass.
void bright_pass(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut) {
    register_levels_shader();
    register_combine_shaders();
    bright.begin();
    levels(source, {cut.pre_cut, 255, 1, 0, 255});
    bright.end();
    for (int i = 0; i < kSpillBlurs; ++i)
        blur(bright, bright);
}

} // namespace

void spill(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut, eRTType type) {
    const cPostSpan span;
    bright_pass(source, bright, cut);
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
    bright_pass(source, *bright.get(), cut);
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
