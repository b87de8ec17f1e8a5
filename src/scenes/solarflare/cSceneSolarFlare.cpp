#include "cSceneSolarFlare.h"

#include "base/Smoothstep.h"
#include "base/cResourcePath.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "render/post/LevelsCurve.h"
#include "render/post/PostEffects.h"
#include "timeline/cMETrigger.h"
#include "timeline/cSceneManager.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>

namespace {

// The pictured sun with its crown of 250 flares and a haze of pale yellow points.
const sSunLook kSunLook = {250, true, 4000, {30.36f, 24.88f, 35.41f}, {1, 1, 0.59f}, 0.02f, 4.4f};

} // namespace

cSceneSolarFlare::cSceneSolarFlare(cDemoTime* time) : cScene(time) {}
cSceneSolarFlare::~cSceneSolarFlare() = default;

void cSceneSolarFlare::load() {
    resource_path().push_searchpath(cSunFlares::kFolder);
    correction_ = std::make_unique<cColorCorrection>(kColorCorrection);
    sun_.load(kSunLook);
    overlay_ = texture_manager().get_texture(kOverlay, true, GL_CLAMP, 0);
}

void cSceneSolarFlare::init() {
    reset_scene_state(true);
    reset_camera(camera_);
    camera_.eye = Vec3f(37, 37, 37);
    levels_.outBlack = 13;
    sun_.start(demo_time());
    glow_ = cGlowParams{105, 2.0f, 0.07f};
    cCutLevels& cut = cut_levels();
    cut.pre_cut = 64;
    cut.post_cut = 128;
}

void cSceneSolarFlare::update() {
    // A brightness flicker: one frame in eight, on average, dims the picture.
    levels_.inWhite = 255.0f * clamp01(4 * next_random() + 0.5f);
    sun_.advance(*time_);
    const int32_t t = demo_time();
    if (!run_.started) {
        run_.first_frame = t;
        run_.started = true;
    }
    cEventQueue* queue = scene_manager().event_queue();
    scale_ = sun_scale(t, run_.first_frame, queue ? queue->find_first(1).time : -1);
    // The surface points and the flares keep their size on screen: on a sun that is still a dot
    // they pile up and burn it white, so they come in as it grows, and the dot shows the
    // surface's colour.
    sun_.set_crown_weight(smoothstep(scale_ / kCrownGrownScale));
    fade_and_glow(t);
}

void cSceneSolarFlare::rewind() {
    sun_.rewind();
    run_ = sRun();
}

void cSceneSolarFlare::handle_event(cEvent* event) {
    if (!event || event->type != cEvent::kMidi)
        return;
    const auto* note = dynamic_cast<const cMETrigger*>(event);
    if (note && note->is_note_on() && note->track == kImpactTrack)
        run_.trigger_time = demo_time();
}

void cSceneSolarFlare::register_vars(cGuiVarList& vars) {
    register_levels_shader();
    add_levels_vars(vars, levels_);
    sun_.add_sun_vars(vars);
    add_glow_vars(vars, glow_);
}

float cSceneSolarFlare::overlay_alpha(int32_t t) {
    if (t < 10000)
        return smoothstep(static_cast<float>(t - 8000) / 2500.0f);
    if (t < 20000)
        return clamp01(1.0f - static_cast<float>(t - 12000) / 2500.0f);
    return -1;
}

float cSceneSolarFlare::sun_scale(int32_t t, int32_t t0, int32_t t1) {
    if (t1 <= t0) // no growth without a later switch (and no division by zero at t1 = t0)
        return 0;
    return clamp01(1.3f * static_cast<float>(t - t0) / static_cast<float>(t1 - t0));
}

void cSceneSolarFlare::glow_at(int32_t t, int32_t impact, cGlowParams& glow) {
    glow.multiplier = 0.07f + 0.1f * clamp01(static_cast<float>(t - 20000) / 10000.0f) +
                      0.5f * clamp01(static_cast<float>(t - 40675) / 50.0f);
    if (impact < 0)
        return;
    const float v = static_cast<float>(t - impact) / 300.0f;
    glow.multiplier += 3 * v;
    glow.distance = 2 * v + 2;
}

void cSceneSolarFlare::draw() {
    const int32_t t = demo_time();
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget a;
    pool.acquire(a, RTT_FULL);
    draw_sun(*a.get(), t, scale_);
    post(*a.get());
    draw_overlay(t);
    pool.release(a);
}

void cSceneSolarFlare::draw_sun(iRenderTarget& a, int32_t t, float scale) {
    a.begin();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    apply_camera(camera_);
    glScalef(scale, scale, scale);
    glRotatef(10.0f * static_cast<float>(t) / 1000.0f, 0, 0, 1);
    sun_.draw(t);
    a.end();
}

// The picture fades in from black over the scene's first 2.5 s.
void cSceneSolarFlare::fade_and_glow(int32_t t) {
    const float u = clamp01(static_cast<float>(t - run_.first_frame) / 2500.0f);
    levels_.outBlack = 13 * u;
    levels_.outWhite = 255 * smoothstep(u);
    glow_at(t, run_.trigger_time, glow_);
}

// The picture A through levels with its spill added, at half size: all the zoom glow needs,
// for it blurs and sums at a quarter; then A through levels with the glow added, graded onto
// the window. The levels are read with each use of A rather than drawn into a picture of
// their own: the spill's bright pass folds them into its cut. A curve that does not fold (a
// bent one, set by hand) takes the longer way.
void cSceneSolarFlare::post(iRenderTarget& a) {
    cLevelsParams bright_curve;
    if (!follow_levels(levels_, spill_curve(cut_levels()), bright_curve))
        return post_in_steps(a);
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget bright, spilled, summed;
    soft_blur(a, bright, RTT_EIGHTH, bright_curve);
    cGradeSteps spill{bright.get()};
    spill.pre_levels = &levels_;
    pool.acquire(spilled, RTT_HALF);
    spilled->begin();
    grade(a, spill);
    spilled->end();
    pool.release(bright);
    const int gain = glow_quarter(summed, *spilled.get(), glow_);
    pool.release(spilled);
    cGradeSteps finish{summed.get(), &correction_->lookup()};
    finish.glow_gain = static_cast<float>(gain);
    finish.pre_levels = &levels_;
    grade(a, finish);
    pool.release(summed);
}

// Levels into B, B with its spill into A, the zoom glow of A into C, then C and B added and
// graded onto the window.
void cSceneSolarFlare::post_in_steps(iRenderTarget& a) {
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget b, c;
    pool.acquire(b, RTT_FULL);
    pool.acquire(c, RTT_HALF);
    register_levels_shader();
    b->begin();
    ::levels(a, levels_);
    b->end();
    spill_into(RTT_EIGHTH, *b.get(), cut_levels(), a);
    ::glow(*c.get(), a, glow_);
    grade(*c.get(), {b.get(), &correction_->lookup()});
    pool.release(c);
    pool.release(b);
}

void cSceneSolarFlare::draw_overlay(int32_t t) {
    const float alpha = overlay_alpha(t);
    if (alpha <= 0) // gone, or faded out: it would blend nothing
        return;
    shader_manager().push_shader();
    shader_manager().unbind();
    {
        const cSavedState saved(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        begin_ortho();
        glColor4f(1, 1, 1, alpha);
        draw_texture(overlay_);
        end_ortho();
    }
    shader_manager().pop_shader();
}
