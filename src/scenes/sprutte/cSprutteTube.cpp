#include "cSprutteTube.h"

#include "mesh_files/BzObjLoader.h"
#include "render/ShaderRegistry.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "shaders/cShdFogTexture.h"

#include <GL/gl.h>

void cSprutteTube::load() {
    ensure_shader<cShdFogTexture>("fog_texture_shader");
    mesh_ = BzObjLoader::load_uploaded("sprutte_cyl.bzobj", false);
    plasma_ = texture_manager().get_texture("sprutte_plasma_diffuse.jpg", true, GL_REPEAT, 0);
}

// The tube's texture moves a tenth of a repeat a second: the plasma flows along the tube.
void cSprutteTube::draw(float t, float fog_near, float fog_far) {
    glDisable(GL_LIGHTING);
    const float white[4] = {1, 1, 1, 1};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, fog_near);
    glFogf(GL_FOG_END, fog_far);
    glFogfv(GL_FOG_COLOR, white);
    glEnable(GL_FOG);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0, 0.1f * t, 0);
    glMatrixMode(GL_MODELVIEW);
    glColor4f(1, 1, 1, 1);
    glPushMatrix();
    glTranslatef(0, 0, -100000);
    draw_textured();
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

void cSprutteTube::draw_textured() {
    const cScopedTexture plasma(plasma_);
    if (plasma_.valid())
        shader_manager().bind("fog_texture_shader"); // the fixed pipeline's picture, cheaper
    mesh_->draw();
    shader_manager().unbind();
}
