#include "cSceneSprutte.h"

#include "base/Pi.h"
#include "base/cResourcePath.h"
#include "render/ScreenHelpers.h"
#include "render/ShaderRegistry.h"
#include "render/cRenderTargetManager.h"
#include "render/post/PostEffects.h"
#include "timeline/cMETrigger.h"
#include "toolkit/TweakVars.h"

#include <GL/gl.h>
#include <string>

void cSceneSprutte::load() {
    resource_path().push_searchpath(kFolder);
    creature_.load();
    cage_.load();
    tube_.load();
    post_.load();
    flight_.load();
}

void cSceneSprutte::init() {
    reset_scene_state(false);
    cSprutteFlight::init(camera_);
    creature_.init(demo_time());
    cut_levels().pre_cut = 220;
    cut_levels().post_cut = 255;
    run_.kicks.restart();
    glColor4f(1, 1, 1, 1);
}

void cSceneSprutte::rewind() {
    run_ = sRun();
}

void cSceneSprutte::handle_event(cEvent* event) {
    const auto* note = dynamic_cast<const cMETrigger*>(event);
    if (!note || !note->is_note_on())
        return;
    // From the main part on, a turn of the centre reaches the tips in a second.
    if (run_.kicks.note_on(note->track, note->time, demo_time()))
        creature_.propagation = 1000;
}

// The run's first update of the scene takes the time the intro counts from: draw only draws.
void cSceneSprutte::update() {
    const float t = seconds();
    if (run_.first_update_s < 0)
        run_.first_update_s = t;
    flight_.update(t - run_.first_update_s, demo_time(), run_.kicks, camera_);
    creature_.update(t, demo_time());
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
    post_.apply(*scene.get());
    pool.release(scene);
}

// The scene's one light, white, at the centre of the cage.
void cSceneSprutte::light_centre() {
    glEnable(GL_LIGHTING);
    const float white[4] = {1, 1, 1, 1}, centre[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_POSITION, centre);
    glEnable(GL_LIGHT0);
}

// The draw order. The rings darken whatever lies behind them when they are drawn, so while
// they fly the tube is drawn before them. Without rings the opaque tube goes last, with depth
// writes off: the depth test drops the pixels of it that the cage and the arms hide before
// they are shaded, and its depth is never read (the core, drawn after it, lies inside the
// cage). Each glFlush hands what came before it to the software renderer, which fills those
// pixels on other threads while the next part is worked out.
void cSceneSprutte::draw_world(float t) {
    light_centre();
    if (run_.kicks.intro)
        glRotatef(5 * t, 0, 0, 1); // the world turns about the tube's axis
    const bool rings = !run_.kicks.intro && run_.kicks.kickcount >= cSprutteKicks::kReverseFrom;
    if (rings) {
        tube_.draw(t, flight_.fog_near, flight_.fog_far);
        glFlush();
        cage_.draw_rings(t, demo_time() - run_.kicks.flash_ms);
    }
    cage_.draw_cage();
    glFlush();
    creature_.draw_arms();
    if (!rings) {
        glDepthMask(GL_FALSE);
        tube_.draw(t, flight_.fog_near, flight_.fog_far);
        glDepthMask(GL_TRUE);
    }
    creature_.draw_core();
}

void cSceneSprutte::register_vars(cGuiVarList& vars) {
    add_var(vars, "angle", &creature_.angle, -kPi, kPi);
    add_var(vars, "propagation", &creature_.propagation, 100, 2000);
    register_camera_vars(vars, camera_, -1000, 1000);
    add_watch(vars, "kickcount", &run_.kicks.kickcount);
    add_watch(vars, "path", &run_.kicks.path);
    add_var(vars, "fognear", &flight_.fog_near, 100, 10000);
    add_var(vars, "fogfar", &flight_.fog_far, 1000, 100000);
    add_cut_vars(vars, cut_levels());
}
