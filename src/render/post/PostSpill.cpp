// The spill: a bright pass of the picture, blurred three times, scaled up from the post cut
// and added back onto the picture as glow.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdSpillBlur.h"
#include "shaders/cShdSpillBright.h"

#include <GL/gl.h>

cCutLevels& cut_levels() {
    static cCutLevels levels;
    return levels;
}

namespace {

constexpr int kSpillBlurs = 3;

cLevelsParams bright_levels(const cCutLevels& cut) {
    return {cut.pre_cut, 255, 1, 0, 255};
}

// The glow is wide and soft, so it is made at half the bright target's size where the pool
// has that size: the bright pass four reads to a pixel, one blur as wide as the three at
// the bright's size, then magnified into bright. False where the pool has no smaller size.
bool spill_bright_at_half(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut) {
    const eRTType type = cRenderTargetManager::type_of(bright);
    if (type != RTT_HALF && type != RTT_QUATER)
        return false;
    ensure_shader<cShdSpillBright>("spill_bright_shader");
    ensure_shader<cShdSpillBlur>("spill_blur_shader");
    cTmpRenderTarget small;
    render_target_manager().acquire(small, static_cast<eRTType>(2 * type));
    small->begin();
    levels(source, bright_levels(cut), "spill_bright_shader");
    small->end();
    blur(*small.get(), *small.get(), "spill_blur_shader");
    bright.begin();
    draw_through(*small.get(), nullptr);
    bright.end();
    render_target_manager().release(small);
    return true;
}

} // namespace

// The first call compiles every program a spill draws with, before its first pass.
void spill_bright(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut) {
    const cPostSpan span;
    register_levels_shader();
    register_combine_shaders();
    if (spill_bright_at_half(source, bright, cut))
        return;
    bright.begin();
    levels(source, bright_levels(cut));
    bright.end();
    for (int i = 0; i < kSpillBlurs; ++i)
        blur(bright, bright);
}

void spill(iRenderTarget& source, iRenderTarget& bright, const cCutLevels& cut, eRTType type) {
    const cPostSpan span;
    spill_bright(source, bright, cut);
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
    spill_bright(source, *bright.get(), cut);
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
