#include "cSceneCreditsSol.h"

#include "base/cResourcePath.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"
#include "render/post/PostEffects.h"
#include "timeline/cMECtrlChange.h"
#include "timeline/cMETrigger.h"
#include "timeline/cSceneManager.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cRandomTable.h"

#include <string>

namespace {

const cLitRoom::tMeshFiles kRoomFiles = {"centerring.bzobj", "floor.bzobj", "lamp.bzobj",
                                         "pipe.bzobj", "soejle.bzobj"};
const cLitRoom::tMapFiles kMapFiles = {
    "CenterRingVRayCompleteMap_off.jpg", "CenterRingVRayCompleteMap_on.jpg",
    "FloorVRayCompleteMap_off.jpg",      "FloorVRayCompleteMap_on.jpg",
    "Lamp05VRayCompleteMap_off.jpg",     "Lamp05VRayCompleteMap_on.jpg",
    "Pipe11VRayCompleteMap_off.jpg",     "Pipe11VRayCompleteMap_on.jpg",
    "Soejle03VRayCompleteMap_off.jpg",   "Soejle03VRayCompleteMap_on.jpg"};

// A black sun without flares in a dense cloud of blue points.
const sSunLook kSunLook = {0, false, 35607, {0, 40, 0}, {0.2f, 0.71f, 1}, 0.03f, 3.35487f};

} // namespace

cSceneCreditsSol::cSceneCreditsSol(cDemoTime* time) : cScene(time), cues_(counters_) {}

cSceneCreditsSol::~cSceneCreditsSol() = default;

void cSceneCreditsSol::load() {
    if (loaded_)
        return;
    // Its own folder first: its files are found there before any of the same name elsewhere.
    resource_path().push_searchpath("../data/models/creditssun");
    resource_path().push_searchpath("../data/models/credits");
    room_.load(kRoomFiles, kMapFiles);
    paths_.load_numbered("longpath", cCreditsSunCues::kPaths);
    paths_.load("camslow.pth"); // number kPaths: the slow flight
    loaded_ = true;
    sun_.load(kSunLook);
    smoke_.load();
    smoke_.create_buffer();
}

void cSceneCreditsSol::init() {
    const int32_t now = demo_time();
    camera_.eye = {-493.99f, 366.07f, 80.4f};
    camera_.interest = {0, 150, -185.06f};
    camera_.up = {0, 1, 0};
    camera_.fov = 85;
    camera_.near_plane = 1;
    camera_.far_plane = 2500;
    levels_.inBlack = 85;
    levels_.inWhite = 170.823f;
    hsb_ = cHsbParams{-170, 70.9591f, 30};
    cut_levels().pre_cut = 33;
    cut_levels().post_cut = 128;
    cues_.init(now);
    sun_position_ = {0, 175, 0};
    sun_scale_ = 1;
    sun_.start(now);
    smoke_.init();
}

void cSceneCreditsSol::handle_event(cEvent* event) {
    const int32_t now = demo_time();
    if (event->type == cEvent::kBeat) {
        cues_.beat(now);
        return;
    }
    if (event->type != cEvent::kMidi)
        return;
    if (auto* note = dynamic_cast<cMETrigger*>(event)) {
        if (note->is_note_on())
            cues_.note_on(note->track, note->time, now);
    } else if (auto* control = dynamic_cast<cMECtrlChange*>(event)) {
        cues_.controller(control->data1, control->data2);
    }
}

void cSceneCreditsSol::rewind() {
    counters_ = cCreditsSunCounters();
    cues_ = cCreditsSunCues(counters_);
    sun_.rewind();
    smoke_.load(); // no smoke yet
}

void cSceneCreditsSol::update() {
    const int32_t now = demo_time();
    sun_.advance(*time_);
    if (!cues_.started()) {
        cEventQueue* queue = scene_manager().event_queue();
        cues_.start(now, queue ? queue->next_scene_time() : -1);
    }
    cues_.update(now, levels_);
    sun_.set_particle_alpha(cues_.particle_alpha);
    sun_scale_ = cues_.sun_scale(now);
    const float dt = float(time_->now_ms - time_->prev_ms) / 1000.0f;
    smoke_.step(cues_.since_start(now), dt, sun_scale_);
    follow_path();
    cRandomTable& table = random_table();
    const size_t c = table.cursor();
    shake_ = {3 * table.at(c + 3), 3 * table.at(c + 2), 3 * table.at(c + 1)};
    table.set_cursor(c + 3);
}

void cSceneCreditsSol::follow_path() {
    const int32_t now = demo_time();
    const size_t path = cues_.slow_camera ? cCreditsSunCues::kPaths : size_t(cues_.path);
    paths_.follow(camera_, path, cues_.path_parameter(now));
    camera_.fov = cues_.fov(now);
}

// Black, turning slowly and shaking by a few units about its place above the ring.
void cSceneCreditsSol::draw_sun() {
    const int32_t now = demo_time();
    glPushMatrix();
    glRotatef(-15.0f * float(now) / 1000.0f, 0, 1, 0);
    glTranslatef(sun_position_.x, sun_position_.y, sun_position_.z);
    glTranslatef(shake_.x, shake_.y, shake_.z);
    glScalef(sun_scale_, sun_scale_, sun_scale_);
    sun_.draw(now);
    glPopMatrix();
}

void cSceneCreditsSol::draw() {
    apply_camera(camera_);
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget a, bright;
    pool.acquire(a, RTT_FULL);
    a->begin();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    room_.draw(cues_.blend);
    // Handed on now, the room's pixels are filled (by the software renderer's own threads)
    // while the sun's hundred thousand points are set up.
    glFlush();
    draw_sun();
    shader_manager().unbind();
    smoke_.draw();
    a->end();
    // The spill's glow, hsb and levels in one pass onto the window.
    spill_bright(*a.get(), bright, RTT_HALF, cut_levels());
    grade(*a.get(), {bright.get(), nullptr, &hsb_, &levels_});
    pool.release(bright);
    pool.release(a);
}

void cSceneCreditsSol::register_vars(cGuiVarList& vars) {
    add_levels_vars(vars, levels_);
    add_hsb_vars(vars, hsb_);
    add_var(vars, "blend", &cues_.blend, 0, 1);
    add_watch(vars, "light_int", &cues_.light_int);
}
