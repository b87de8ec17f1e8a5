// The row average: the picture is squeezed to a quarter of its width per pass, each texel
// the mean of four, until one column is left, which is stretched back over the width.
#include "PostEffects.h"

#include "base/Messages.h"
#include "cPostSpan.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "shaders/cShdHorzResampleQuater.h"

#include <initializer_list>
#include <utility>

namespace {

// Passes after the first, each a quarter of the width before.
constexpr int kNarrowingPasses = 4;

// Nearest filtering while averaging, so each tap reads exactly one texel.
void set_filter(std::initializer_list<iRenderTarget*> targets, GLint filter) {
    for (iRenderTarget* target : targets) {
        glBindTexture(target->texture_target(), target->texture());
        glTexParameteri(target->texture_target(), GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(target->texture_target(), GL_TEXTURE_MAG_FILTER, filter);
        glBindTexture(target->texture_target(), 0);
    }
}

void pass(iRenderTarget& from, iRenderTarget& into, float a, float b) {
    into.begin();
    glClear(GL_COLOR_BUFFER_BIT);
    draw_partial(from, a, b);
    into.end();
}

// The last column covers the whole width: nothing to clear.
void stretch(iRenderTarget& from, iRenderTarget& into, float a) {
    into.begin();
    draw_partial(from, a, 1);
    into.end();
}

} // namespace

void row_resample(iRenderTarget& source, iRenderTarget& destination) {
    const cPostSpan span;
    ensure_shader<cShdHorzResampleQuater>("horz_quater_resample_shader");
    const eRTType type = cRenderTargetManager::type_of(destination);
    // Five quarterings from a full, half or quarter width leave one texel; from any other
    // width the strip would never narrow to a column.
    if (type != RTT_FULL && type != RTT_HALF && type != RTT_QUATER) {
        msg_err() << "## ERROR in row_resample: destination of type "
                  << cRenderTargetManager::type_name(type) << " not supported" << std::endl;
        return;
    }
    cTmpRenderTarget p, q;
    render_target_manager().acquire(p, type);
    render_target_manager().acquire(q, type);
    set_filter({&source, p.get(), q.get()}, GL_NEAREST);
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    shaders.bind("horz_quater_resample_shader");
    float k = static_cast<float>(4 / type);
    pass(source, *p.get(), 1, k);
    iRenderTarget* from = p.get();
    iRenderTarget* into = q.get();
    for (int i = 0; i < kNarrowingPasses; ++i, k *= 4) {
        pass(*from, *into, k, 4 * k);
        std::swap(from, into);
    }
    shaders.unbind();
    stretch(*from, destination, k);
    set_filter({&source, p.get(), q.get()}, GL_LINEAR);
    shaders.pop_shader();
    render_target_manager().release(p);
    render_target_manager().release(q);
}
