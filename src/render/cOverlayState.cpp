#include "cOverlayState.h"

#include "GlExtensions.h"
#include "ScreenHelpers.h"
#include "base/cDisplaySettings.h"
#include "cShaderManager_CG.h"

#include <GL/glext.h>

namespace {

// Everything a scene may switch on that would change how flat coloured and textured quads
// and lines come out.
constexpr GLenum kOff[] = {
    GL_DEPTH_TEST,    GL_LIGHTING,       GL_CULL_FACE,           GL_ALPHA_TEST,
    GL_FOG,           GL_STENCIL_TEST,   GL_SCISSOR_TEST,        GL_COLOR_LOGIC_OP,
    GL_COLOR_SUM,     GL_COLOR_MATERIAL, GL_POLYGON_STIPPLE,     GL_LINE_STIPPLE,
    GL_CLIP_PLANE0,   GL_CLIP_PLANE1,    GL_CLIP_PLANE2,         GL_CLIP_PLANE3,
    GL_CLIP_PLANE4,   GL_CLIP_PLANE5,    GL_TEXTURE_GEN_S,       GL_TEXTURE_GEN_T,
    GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q,  GL_POLYGON_OFFSET_FILL, GL_POLYGON_OFFSET_LINE};

} // namespace

cOverlayState::cOverlayState() {
    shader_manager().push_shader();
    shader_manager().unbind();
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active_unit_);
    saved_ = std::make_unique<cSavedState>(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    disable_texturing(units);
    for (GLenum cap : kOff)
        glDisable(cap);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glLineWidth(1);
    const cDisplaySettings& settings = display_settings();
    glViewport(0, 0, static_cast<GLsizei>(settings.width), static_cast<GLsizei>(settings.height));
    push_unit_square();
}

cOverlayState::~cOverlayState() {
    pop_unit_square();
    ext::glActiveTexture(GL_TEXTURE0);
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopClientAttrib();
    saved_.reset();
    ext::glActiveTexture(static_cast<GLenum>(active_unit_));
    shader_manager().pop_shader();
}

// Texturing off on every unit, unit 0 left active for the overlay's own textures.
void cOverlayState::disable_texturing(GLint units) {
    for (GLint unit = units - 1; unit >= 0; --unit) {
        ext::glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        for (GLenum target : {GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP,
                              GL_TEXTURE_RECTANGLE_ARB})
            glDisable(target);
    }
}
