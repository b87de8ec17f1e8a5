#include "cSprutteCreature.h"

#include "mesh_files/BzObjLoader.h"
#include "render/ShaderRegistry.h"
#include "render/cShaderParameter.h"
#include "shaders/cShdXray.h"

#include <GL/gl.h>
#include <cmath>

namespace {

const char* const kJointFile = "sprutte_arm_joint.bzobj";

// The x-ray program's `inv`: 1 an opaque body with dark outlines, 0 a glow around a clear core.
void set_inv(float inv) {
    cShaderParameter<float> value(inv);
    shader_manager().set_parameter("xray_shader", 1, &value);
}

} // namespace

void cSprutteCreature::load() {
    ensure_shader<cShdXray>("xray_shader");
    // The arms are drawn from a client copy of the joint piece, rebuilt each frame.
    std::unique_ptr<cMeshObj> joint(BzObjLoader::create(kJointFile));
    body_ = std::make_unique<cSprutteBody>(*joint);
    core_ = BzObjLoader::load_uploaded("sprutte_ball_glow.bzobj", false);
}

void cSprutteCreature::init(int32_t now_ms) {
    angle = kPi / 4;
    propagation = 2250;
    arm_.reset(now_ms);
}

void cSprutteCreature::update(float t, int32_t now_ms) {
    angle = t * kPi / 6 + std::sin(2 * t) * kPi;
    arm_.step(now_ms, angle, propagation);
}

void cSprutteCreature::draw_arms() {
    glColor4f(1, 1, 1, 1);
    set_inv(1);
    shader_manager().bind("xray_shader");
    body_->build(arm_); // the arms' geometry follows from their chains: nothing to keep
    body_->draw();
    shader_manager().unbind();
}

void cSprutteCreature::draw_core() {
    glDisable(GL_FOG);
    glPushMatrix();
    glColor4f(1, 1, 1, 1);
    set_inv(0);
    shader_manager().bind("xray_shader");
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glScalef(1.5f, 1.5f, 1.5f);
    core_->draw();
    glDisable(GL_BLEND);
    shader_manager().unbind();
    glPopMatrix();
}
