#include "cSprutteCage.h"

#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMaterial.h"
#include "render/ShaderRegistry.h"
#include "shaders/cShdNotex.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

void set_light(float level) {
    const float colour[4] = {level, level, level, 1};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, colour);
}

// The meshes carry no material of their own: the rings and the cage are plain grey under the
// scene's light, without a highlight, whatever was drawn before them.
void set_plain_material() {
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    const float black[4] = {0, 0, 0, 1};
    cMaterial::surface(ambient, diffuse, black, 0).apply();
}

} // namespace

void cSprutteCage::load() {
    ensure_shader<cShdNotex>("notex_diffuse_shader", false); // the cage has no highlight
    cage_ = BzObjLoader::load_uploaded("sprutte_cage2.bzobj", false, false);
    ring_ = BzObjLoader::load_uploaded("sprutte_ring.bzobj", false);
}

// Each hit flashes the rings dark on the white, and after it the light turns negative so they
// fade out of sight.
void cSprutteCage::draw_rings(float t, int32_t since_flash_ms) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_COLOR);
    glEnable(GL_LIGHTING);
    set_light(0.6f * (1 - static_cast<float>(since_flash_ms) / 400));
    set_plain_material();
    glColor4f(1, 1, 1, 1);
    for (int i = 0; i < 5; ++i) {
        double z = 7500.0 * t - 10000.0 * i;
        z -= 25000.0 * std::max(0.0, std::ceil((z - 10000.0) / 25000.0));
        glPushMatrix();
        glTranslatef(0, 0, static_cast<float>(z));
        ring_->draw();
        glPopMatrix();
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void cSprutteCage::draw_cage() {
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING); // the program lights it from the scene's light
    glPushMatrix();
    glScalef(0.7f, 0.7f, 0.7f);
    set_light(2);
    set_plain_material();
    shader_manager().bind("notex_diffuse_shader");
    if (facing_.pick(cage_->indices, cage_->positions))
        cage_->draw_triangles(facing_.picked());
    else
        cage_->draw();
    glPopMatrix();
}
