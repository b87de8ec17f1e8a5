// The spill: a bright pass of the picture, blurred three times, scaled up from the post cut
// and added back onto the picture as glow.
#include "PostEffects.h"

#include "cPostSpan.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdSpillBlur.h"
#include "shaders/cShdSpillBright.h"

#include <GL/gl.h>
#include <algorithm>

cCutLevels& cut_levels() {
    static cCutLevels levels;
    return levels;
}

namespace {

constexpr int kSpillBlurs = 3;

// A wide, soft blur is made at half the size asked for where the pool has that size: the
// curve's pass four reads to a pixel, one blur as wide as three at the size asked for, left
// at half size (whoever reads it stretches it). False where the pool has no smaller size, or
// for a bent curve, which that pass's straight program would not draw.
bool curve_and_blur_at_half(iRenderTarget& source, cTmpRenderTarget& blurred, eRTType type,
                            const cLevelsParams& curve) {
    if ((type != RTT_HALF && type != RTT_QUATER) || curve.Gamma != 1)
        return false;
    ensure_shader<cShdSpillBright>("spill_bright_shader");
    ensure_shader<cShdSpillBlur>("spill_blur_shader");
    render_target_manager().acquire(blurred, static_cast<eRTType>(2 * type));
    blurred->begin();
    levels(source, curve, "spill_bright_shader");
    blurred->end();
    blur(*blurred.get(), *blurred.get(), "spill_blur_shader");
    return true;
}

// The source through the curve into a target of `type`, blurred three times there.
void curve_and_blur(iRenderTarget& source, cTmpRenderTarget& blurred, eRTType type,
                    const cLevelsParams& curve) {
    register_levels_shader();
    if (curve_and_blur_at_half(source, blurred, type, curve))
        return;
    render_target_manager().acquire(blurred, type);
    blurred->begin();
    levels(source, curve);
    blurred->end();
    for (int i = 0; i < kSpillBlurs; ++i)
        blur(*blurred.get(), *blurred.get());
}

} // namespace

cLevelsParams spill_curve(const cCutLevels& cut) {
    return {cut.pre_cut, 255, 1, 0, 255};
}

// The first call compiles every program a spill draws with, before its first pass.
void spill_bright(iRenderTarget& source, cTmpRenderTarget& bright, eRTType type,
                  const cCutLevels& cut) {
    const cPostSpan span;
    register_combine_shaders();
    curve_and_blur(source, bright, type, spill_curve(cut));
}

void soft_blur(iRenderTarget& source, cTmpRenderTarget& blurred, eRTType type,
               const cLevelsParams& curve) {
    const cPostSpan span;
    curve_and_blur(source, blurred, type, curve);
}

float spill_gain(const cCutLevels& cut) {
    return 255 / std::max(cut.post_cut, 0.001f); // as the levels pass below stretches it
}

void spill(iRenderTarget& source, const cCutLevels& cut, eRTType type) {
    const cPostSpan span;
    cTmpRenderTarget bright, scaled;
    spill_bright(source, bright, type, cut);
    render_target_manager().acquire(scaled, type);
    scaled->begin();
    levels(*bright.get(), {0, cut.post_cut, 1, 0, 255});
    scaled->end();
    render_target_manager().release(bright);
    combine(source, *scaled.get(), COMBINE_SPILL);
    render_target_manager().release(scaled);
}

void spill_into(eRTType type, iRenderTarget& source, const cCutLevels& cut,
                iRenderTarget& destination) {
    const cPostSpan span;
    shader_manager().push_shader();
    cTmpRenderTarget bright;
    spill_bright(source, bright, type, cut);
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glDisable(GL_BLEND);
        destination.begin();
        combine(source, *bright.get(), COMBINE_SPILL);
        destination.end();
    }
    shader_manager().pop_shader();
    render_target_manager().release(bright);
}

void spill_half(const cCutLevels& cut, iRenderTarget& source) {
    const cPostSpan span;
    shader_manager().push_shader();
    spill(source, cut, RTT_HALF);
    shader_manager().pop_shader();
}
