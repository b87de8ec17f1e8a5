#include "cSceneSprutte.h"

#include "base/Pi.h"
#include "base/Smoothstep.h"
#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMaterial.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderParameter.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"
#include "shaders/cShdFogTexture.h"
#include "shaders/cShdNotex.h"
#include "shaders/cShdXray.h"
#include "timeline/cMETrigger.h"
#include "toolkit/TweakVars.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char* const kMeshFiles[] = {"sprutte_ball_glow.bzobj",
                                  "sprutte_arm_joint.bzobj",
                                  "sprutte_cage2.bzobj",
                                  "sprutte_cyl.bzobj",
                                  "sprutte_ring.bzobj",
                                  "sprutte_hair.bzobj",
                                  "sprutte_arm_joint_morph_in.bzobj",
                                  "sprutte_arm_joint_morph_out.bzobj",
                                  "sprutte_vrag.bzobj"};

Vec3f mix(const Vec3f& a, const Vec3f& b, float k) {
    return a * (1 - k) + b * k;
}

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

void set_inv(float inv) {
    cShaderParameter<float> value(inv);
    shader_manager().set_parameter("xray_shader", 1, &value);
}

} // namespace

void cSceneSprutte::load() {
    kicks_.intro = true;
    resource_path().push_searchpath(kFolder);
    ensure_shader<cShdXray>("xray_shader");
    ensure_shader<cShdNotex>("notex_diffuse_shader", false); // the cage has no highlight
    ensure_shader<cShdFogTexture>("fog_texture_shader");
    // The arms are drawn from a client copy of the joint piece, rebuilt each frame.
    std::unique_ptr<cMeshObj> joint(BzObjLoader::create(kMeshFiles[JOINT]));
    body_ = std::make_unique<cSprutteBody>(*joint);
    for (int i = 0; i < MESH_COUNT; ++i) {
        meshes_[i].reset(BzObjLoader::create(kMeshFiles[i]));
        meshes_[i]->drop_materials();
        meshes_[i]->upload(i != CAGE); // the cage's corners stay to pick what faces the eye
    }
    plasma_ = texture_manager().get_texture("sprutte_plasma_diffuse.jpg", true, GL_REPEAT, 0);
    blur_mask_ = texture_manager().get_texture("blur_mask.jpg", false, GL_CLAMP, 0);
    grade_ = std::make_unique<cColorCorrection>("sprutte_color_correction_orange.png");
    paths_.load_numbered("path", cSprutteKicks::kPathCount);
}

void cSceneSprutte::init() {
    reset_scene_state(false);
    reset_camera(camera_);
    camera_.near_plane = 10;
    camera_.far_plane = 100000;
    camera_.eye = {150, 125, 125};
    angle_ = kPi / 4;
    propagation_ = 2250;
    arm_.reset(demo_time());
    cut_levels().pre_cut = 220;
    cut_levels().post_cut = 255;
    kicks_.restart();
    glColor4f(1, 1, 1, 1);
}

void cSceneSprutte::rewind() {
    kicks_ = cSprutteKicks();
    fog_start_s_ = camera_start_s_ = -1;
}

void cSceneSprutte::handle_event(cEvent* event) {
    const auto* note = dynamic_cast<const cMETrigger*>(event);
    if (!note || !note->is_note_on())
        return;
    if (kicks_.note_on(note->track, note->time, demo_time()))
        propagation_ = 1000;
}

// The fog wall of the intro recedes 2000 units a second from the scene's first frame on.
void cSceneSprutte::update() {
    const float t = seconds();
    if (fog_start_s_ < 0)
        fog_start_s_ = t;
    if (kicks_.intro) {
        fognear_ = 0;
        fogfar_ = std::max(0.0f, (t - fog_start_s_ + 1) * 2000);
    } else {
        fognear_ = 250;
        fogfar_ = 60000;
    }
    place_camera(t);
    angle_ = t * kPi / 6 + std::sin(2 * t) * kPi;
    arm_.step(demo_time(), angle_, propagation_);
}

void cSceneSprutte::place_camera(float t) {
    if (camera_start_s_ < 0)
        camera_start_s_ = t;
    if (kicks_.intro) {
        // Twenty seconds from looking down the tube to facing the creature.
        const float k = smoothstep((t - camera_start_s_) / 20);
        camera_.fov = 60 + 30 * k;
        camera_.eye = mix({164.36f, 113.64f, -300}, {164.36f, 130.69f, 100}, k);
        camera_.interest = mix({0, 0, -1000}, {-21.93f, -35.39f, 0.91f}, k);
    } else {
        paths_.follow(camera_, size_t(kicks_.path), kicks_.path_parameter(demo_time()));
        camera_.fov = 70;
    }
}

void cSceneSprutte::draw() {
    const float t = seconds();
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget scene;
    pool.acquire(scene, RTT_FULL);
    scene->begin();
    shader_manager().unbind();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    apply_camera(camera_);
    draw_world(t);
    scene->end();
    post_process(*scene.get());
    pool.release(scene);
}

void cSceneSprutte::draw_world(float t) {
    glEnable(GL_LIGHTING);
    set_light(1);
    const float centre[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, centre);
    glEnable(GL_LIGHT0);
    if (kicks_.intro)
        glRotatef(5 * t, 0, 0, 1);
    // The rings darken whatever lies behind them when they are drawn, so the tube must be
    // there before them. Without rings the opaque tube, cage and arms may come in any order:
    // the tube goes last, and the depth test drops the pixels of it the cage and arms hide
    // before they are shaded. Its depth is then never read (the core, drawn after it, lies
    // inside the cage), so it is not written.
    const bool rings = !kicks_.intro && kicks_.kickcount >= cSprutteKicks::kReverseFrom;
    if (rings) {
        draw_tube(t);
        // The tube covers the whole frame: handed on now, its pixels are filled while the
        // cage and the arms are worked out (the software renderer fills them on other threads).
        glFlush();
        draw_rings(t);
    }
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    draw_cage();
    glFlush(); // the cage's pixels are filled while the arms are built
    draw_arms();
    if (!rings) {
        glDepthMask(GL_FALSE);
        draw_tube(t);
        glDepthMask(GL_TRUE);
        glDisable(GL_FOG);
    }
    glPushMatrix();
    draw_core();
    glPopMatrix();
}

// The tube lies along z with the camera inside it; its texture flows along it.
void cSceneSprutte::draw_tube(float t) {
    glDisable(GL_LIGHTING);
    const float white[4] = {1, 1, 1, 1};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, fognear_);
    glFogf(GL_FOG_END, fogfar_);
    glFogfv(GL_FOG_COLOR, white);
    glEnable(GL_FOG);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0, 0.1f * t, 0);
    glMatrixMode(GL_MODELVIEW);
    glColor4f(1, 1, 1, 1);
    glPushMatrix();
    glTranslatef(0, 0, -100000);
    const GLenum target = static_cast<GLenum>(plasma_.target);
    if (plasma_.valid()) {
        glEnable(target);
        glBindTexture(target, static_cast<GLuint>(plasma_.id));
        shader_manager().bind("fog_texture_shader"); // the fixed pipeline's picture, cheaper
    }
    meshes_[TUBE]->draw();
    shader_manager().unbind();
    if (plasma_.valid()) {
        glBindTexture(target, 0);
        glDisable(target);
    }
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

// Five rings rush down the tube 5000 units apart; each track-12 hit flashes them dark on the
// white, and between hits the light turns negative so they fade out of sight.
void cSceneSprutte::draw_rings(float t) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_COLOR);
    glEnable(GL_LIGHTING);
    set_light(0.6f * (1 - static_cast<float>(demo_time() - kicks_.flash_ms) / 400));
    set_plain_material();
    glColor4f(1, 1, 1, 1);
    for (int i = 0; i < 5; ++i) {
        double z = 7500.0 * t - 10000.0 * i;
        z -= 25000.0 * std::max(0.0, std::ceil((z - 10000.0) / 25000.0));
        glPushMatrix();
        glTranslatef(0, 0, static_cast<float>(z));
        meshes_[RING]->draw();
        glPopMatrix();
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void cSceneSprutte::draw_cage() {
    glPushMatrix();
    glScalef(0.7f, 0.7f, 0.7f);
    set_light(2);
    set_plain_material();
    shader_manager().bind("notex_diffuse_shader");
    cMeshObj& cage = *meshes_[CAGE];
    if (cage_facing_.pick(cage.indices, cage.positions))
        cage.draw_triangles(cage_facing_.picked());
    else
        cage.draw();
    glPopMatrix();
}

// Six arms along +-x, +-y and +-z (before the centre's turn), opaque.
void cSceneSprutte::draw_arms() {
    glColor4f(1, 1, 1, 1);
    set_inv(1);
    shader_manager().bind("xray_shader");
    body_->build(arm_); // the arms' geometry follows from their chains: nothing to keep
    body_->draw();
    shader_manager().unbind();
}

// The glowing core, laid over the arms and the tube.
void cSceneSprutte::draw_core() {
    glColor4f(1, 1, 1, 1);
    set_inv(0);
    shader_manager().bind("xray_shader");
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glScalef(1.5f, 1.5f, 1.5f);
    meshes_[BALL]->draw();
    glDisable(GL_BLEND);
    shader_manager().unbind();
}

// A blurred, pale copy of the scene whose alpha is the mask, stronger towards the edges; then
// the spill, the orange grade and that copy laid over, in one pass onto the frame.
void cSceneSprutte::post_process(iRenderTarget& scene) {
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget bright, blurred, pale;
    spill_bright(scene, bright, RTT_QUATER, cut_levels());
    soft_blur(scene, blurred, RTT_QUATER);
    pool.acquire(pale, RTT_QUATER);
    pale->begin();
    hsb(cHsbParams{0, -75, 0}, *blurred.get(), &blur_mask_);
    pale->end();
    cGradeSteps steps{bright.get(), &grade_->lookup()};
    steps.overlay = pale.get();
    grade(scene, steps);
    pool.release(pale);
    pool.release(blurred);
    pool.release(bright);
}

void cSceneSprutte::register_vars(cGuiVarList& vars) {
    add_var(vars, "angle", &angle_, -kPi, kPi);
    add_var(vars, "propagation", &propagation_, 100, 2000);
    register_camera_vars(vars, camera_, -1000, 1000);
    add_watch(vars, "kickcount", &kicks_.kickcount);
    add_watch(vars, "path", &kicks_.path);
    add_var(vars, "fognear", &fognear_, 100, 10000);
    add_var(vars, "fogfar", &fogfar_, 1000, 100000);
    add_cut_vars(vars, cut_levels());
}
