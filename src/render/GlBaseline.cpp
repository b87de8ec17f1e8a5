#include "GlBaseline.h"

#include "GlExtensions.h"
#include "ScreenHelpers.h"
#include "cShaderManager_CG.h"

#include <GL/glext.h>

namespace {

constexpr GLenum kTextureTargets[] = {GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D,
                                      GL_TEXTURE_CUBE_MAP, GL_TEXTURE_RECTANGLE_ARB};

// The fixed state the demo's drawing is written against.
void set_fixed_state() {
    glClearColor(0, 0, 0, 0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_ALWAYS, 0);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_LIGHTING);
    const GLfloat ambient[4] = {0.1f, 0.1f, 0.1f, 0.1f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glEnable(GL_COLOR_SUM);
    glDisable(GL_COLOR_MATERIAL);
}

// Every unit: no texturing, nothing bound, modulate, identity texture matrix; unit 0 active.
void reset_texture_units() {
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    for (GLint unit = units - 1; unit >= 0; --unit) {
        ext::glActiveTextureARB(GL_TEXTURE0 + static_cast<GLenum>(unit));
        ext::glClientActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        for (GLenum target : kTextureTargets) {
            glDisable(target);
            glBindTexture(target, 0);
        }
        for (GLenum gen : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q})
            glDisable(gen);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexEnvi(GL_POINT_SPRITE, GL_COORD_REPLACE, GL_FALSE);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
    }
}

// GL's own defaults for the lights and the front and back material.
void reset_lights_and_material() {
    const GLfloat black[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1};
    const GLfloat position[4] = {0, 0, 1, 0}, direction[3] = {0, 0, -1};
    GLint lights = 8;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity(); // positions are taken through the model-view matrix
    for (GLint i = 0; i < lights; ++i) {
        const GLenum light = GL_LIGHT0 + static_cast<GLenum>(i);
        glDisable(light);
        glLightfv(light, GL_AMBIENT, black);
        glLightfv(light, GL_DIFFUSE, i == 0 ? white : black);
        glLightfv(light, GL_SPECULAR, i == 0 ? white : black);
        glLightfv(light, GL_POSITION, position);
        glLightfv(light, GL_SPOT_DIRECTION, direction);
        glLightf(light, GL_SPOT_EXPONENT, 0);
        glLightf(light, GL_SPOT_CUTOFF, 180);
        glLightf(light, GL_CONSTANT_ATTENUATION, 1);
        glLightf(light, GL_LINEAR_ATTENUATION, 0);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 0);
    }
    const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}

// What a scene may switch on that the fixed state leaves off, and the values behind it.
void reset_the_rest() {
    for (GLenum cap :
         {GL_FOG, GL_STENCIL_TEST, GL_SCISSOR_TEST, GL_COLOR_LOGIC_OP, GL_NORMALIZE,
          GL_RESCALE_NORMAL, GL_POLYGON_OFFSET_FILL, GL_POLYGON_OFFSET_LINE, GL_POLYGON_STIPPLE,
          GL_LINE_STIPPLE, GL_POINT_SPRITE, GL_VERTEX_PROGRAM_POINT_SIZE})
        glDisable(cap);
    for (GLenum plane = GL_CLIP_PLANE0; plane <= GL_CLIP_PLANE5; ++plane)
        glDisable(plane);
    const GLfloat fog_colour[4] = {0, 0, 0, 0}, no_attenuation[3] = {1, 0, 0};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, 1);
    glFogf(GL_FOG_START, 0);
    glFogf(GL_FOG_END, 1);
    glFogfv(GL_FOG_COLOR, fog_colour);
    glPointSize(1);
    glLineWidth(1);
    ext::glPointParameterfARB(GL_POINT_SIZE_MIN, 0);
    ext::glPointParameterfARB(GL_POINT_FADE_THRESHOLD_SIZE, 1);
    ext::glPointParameterfvARB(GL_POINT_DISTANCE_ATTENUATION, no_attenuation);
    glPolygonOffset(0, 0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glClearDepth(1);
    glDepthRange(0, 1);
    glColor4f(1, 1, 1, 1);
    glNormal3f(0, 0, 1);
    for (GLenum array : {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_COLOR_ARRAY, GL_SECONDARY_COLOR_ARRAY,
                         GL_FOG_COORD_ARRAY})
        glDisableClientState(array);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    ext::glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER, 0);
}

} // namespace

void set_baseline_state(const cDisplaySettings& settings) {
    if (cSingleton<cShaderManager_CG>::exists())
        shader_manager().unbind();
    set_fixed_state();
    reset_the_rest();
    reset_texture_units();
    reset_lights_and_material();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    set_picture_viewport(settings);
}
