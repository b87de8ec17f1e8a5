#include "cSceneCredits.h"

#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "mesh_files/cMaterial.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "render/cShaderParameter.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"
#include "timeline/cMETrigger.h"
#include "toolkit/TweakVars.h"

#include <string>

namespace {

const cLitRoom::tMeshFiles kRoomFiles = {"centerring_busted.bzobj", "floor_busted.bzobj",
                                         "lamp.bzobj", "pipe.bzobj", "soejle_busted.bzobj"};
const cLitRoom::tMapFiles kMapFiles = {"busted_CenterRingVRayCompleteMap_off.jpg",
                                       "busted_CenterRingVRayCompleteMap_on.jpg",
                                       "busted_FloorVRayCompleteMap_off.jpg",
                                       "busted_FloorVRayCompleteMap_on.jpg",
                                       "Lamp05VRayCompleteMap_off.jpg",
                                       "Lamp05VRayCompleteMap_on.jpg",
                                       "busted_Pipe11VRayCompleteMap_off.jpg",
                                       "busted_Pipe11VRayCompleteMap_on.jpg",
                                       "busted_Soejle03VRayCompleteMap_off.jpg",
                                       "busted_Soejle03VRayCompleteMap_on.jpg"};

} // namespace

cSceneCredits::cSceneCredits(cDemoTime* time) : cScene(time), cues_(counters_) {}

cSceneCredits::~cSceneCredits() = default;

void cSceneCredits::load() {
    if (loaded_)
        return;
    resource_path().push_searchpath("../data/models/credits");
    room_.load(kRoomFiles, kMapFiles);
    logo_ = BzObjLoader::load_uploaded("mrl_logo.bzobj", false); // lit by draw_logo
    paths_.load_numbered("cam", cCreditsRoomCues::kPaths);
    loaded_ = true;
    yellow_ = std::make_unique<cColorCorrection>("colorcorrection_yellow.png");
}

void cSceneCredits::init() {
    camera_.eye = {-493.99f, 366.07f, 80.4f};
    camera_.interest = {0, 150, -185.06f};
    camera_.up = {0, 1, 0};
    camera_.fov = 90;
    camera_.near_plane = 2;
    camera_.far_plane = 2500;
    hsb_.hue = 0;
    cues_.init(demo_time());
    cut_levels().pre_cut = 64;
    cut_levels().post_cut = 128;
}

void cSceneCredits::handle_event(cEvent* event) {
    if (event->type != cEvent::kMidi)
        return;
    auto* note = dynamic_cast<cMETrigger*>(event);
    if (note && note->is_note_on())
        cues_.note_on(note->track, demo_time());
}

void cSceneCredits::rewind() {
    counters_ = cCreditsRoomCounters();
    cues_ = cCreditsRoomCues(counters_);
}

void cSceneCredits::update() {
    cues_.update(demo_time(), levels_, hsb_);
    paths_.follow(camera_, size_t(cues_.path), cues_.path_parameter(demo_time()));
}

// Brass lit from above the viewer's left by the room's warm lamp light, which stutters with
// the lights: the letters' faces, bevels and sides part from each other and read, and the
// brightest face stays below white, so the glow around the logo is earned, not clipped.
void cSceneCredits::light_logo(float level) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const float lamp[4] = {0.95f * level, 0.85f * level, 0.68f * level, 1};
    const float fill[4] = {0.16f * level, 0.14f * level, 0.12f * level, 1};
    const float from_above_left[4] = {-0.45f, 0.7f, 0.55f, 0}; // in eye space
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, from_above_left);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lamp);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lamp);
    glLightfv(GL_LIGHT0, GL_AMBIENT, fill);
    const float brass[4] = {0.72f, 0.62f, 0.44f, 1}, shine[4] = {0.2f, 0.18f, 0.15f, 1};
    cMaterial::surface(brass, brass, shine, 24).apply();
}

void cSceneCredits::draw_logo() {
    shader_manager().unbind();
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    const cSavedState saved(GL_LIGHTING_BIT | GL_ENABLE_BIT);
    light_logo(cues_.blend);
    glPushMatrix();
    glTranslatef(0, 250, 0);
    glScalef(6, 6, 6);
    glRotatef(90.0f * float(demo_time()) / 1000.0f - 30.0f, 0, 1, 0);
    glEnable(GL_NORMALIZE); // the logo is scaled by 6
    logo_->draw();
    glPopMatrix();
    glColor4f(1, 1, 1, 1);
}

void cSceneCredits::draw() {
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget a, bright;
    pool.acquire(a, RTT_FULL);
    a->begin();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    apply_camera(camera_);
    room_.draw(cues_.blend);
    draw_logo();
    a->end();
    // The spill's glow, the yellow grade, hsb and levels in one pass onto the window.
    spill_bright(*a.get(), bright, RTT_HALF, cut_levels());
    grade(*a.get(), {bright.get(), &yellow_->lookup(), &hsb_, &levels_});
    pool.release(bright);
    pool.release(a);
}

void cSceneCredits::register_vars(cGuiVarList& vars) {
    add_levels_vars(vars, levels_);
    add_hsb_vars(vars, hsb_);
    add_cut_vars(vars, cut_levels());
    register_camera_vars(vars, camera_, -1500, 1500);
    add_var(vars, "decay", &cues_.decay, 500, 3000);
    add_var(vars, "blend", &cues_.blend, 0, 1);
    add_watch(vars, "path", &cues_.path);
}
