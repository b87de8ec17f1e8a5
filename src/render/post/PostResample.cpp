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

// The most columns, a power of four, that a first pass of four taps a column can fill from
// `source_width` texels into a target `room` texels wide.
int first_columns(unsigned source_width, unsigned room) {
    int columns = 1;
    while (unsigned(columns) * 4 <= source_width / 4 && unsigned(columns) * 4 <= room)
        columns *= 4;
    return columns;
}

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
    // The first pass squeezes the whole row into a power of four columns, so that every
    // later quartering ends on whole texels and the last one leaves a single column, whatever
    // the picture's width (1024 gives 256 columns, reading four texels each).
    const int columns = first_columns(source.width(), p->width());
    pass(source, *p.get(), 1, float(p->width()) / float(columns));
    iRenderTarget* from = p.get();
    iRenderTarget* into = q.get();
    for (int n = columns; n > 1; n /= 4) {
        pass(*from, *into, float(from->width()) / float(n), float(into->width()) / float(n / 4));
        std::swap(from, into);
    }
    shaders.unbind();
    stretch(*from, destination, float(from->width()));
    set_filter({&source, p.get(), q.get()}, GL_LINEAR);
    shaders.pop_shader();
    render_target_manager().release(p);
    render_target_manager().release(q);
}
