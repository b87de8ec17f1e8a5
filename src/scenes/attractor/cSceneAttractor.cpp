#include "cSceneAttractor.h"

#include "base/Smoothstep.h"
#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "render/points/cPointCloud.h"
#include "render/post/PostEffects.h"
#include "toolkit/TweakVars.h"

#include <algorithm>

namespace {

// Points per ring and per frame, and how much of the look's noise each cloud takes.
constexpr int32_t kCapacity[2] = {250000, 500000};
constexpr int32_t kBatch[2] = {50000, 100000};
constexpr double kNoiseShare[2] = {0.1, 0.0001};
constexpr float kFadeInMs = 250.0f;

std::unique_ptr<iMesh> load_logo(const char* file) {
    return BzObjLoader::load_uploaded(file, false);
}

} // namespace

cSceneAttractor::cSceneAttractor(cDemoTime* time) : cScene(time) {}

cSceneAttractor::~cSceneAttractor() = default;

void cSceneAttractor::load() {
    resource_path().push_searchpath(kFolder);
    background_ = texture_manager().get_texture(kBackground, false, GL_CLAMP, 0);
    for (int i = 0; i < 2; ++i)
        streams_[i] = std::make_unique<cAttractorStream>(kCapacity[i], kBatch[i]);
    update_clouds(0);
    std::vector<float> sizes;
    for (int preset = 0; preset < cAttractorPresets::kCount; ++preset) {
        cAttractorLook look;
        cAttractorPresets::apply(preset, look);
        sizes.insert(sizes.end(), {look.pts_size0, look.pts_size1});
    }
    point_cloud().prepare(size_t(kCapacity[0] + kCapacity[1]), sizes);
    arrow_ = load_logo(kArrowLogo);
    cubes_ = load_logo(kCubesLogo);
}

void cSceneAttractor::init() {
    glClearColor(0.05f, 0.05f, 0.05f, 0);
    for (GLenum cap : {GL_LIGHTING, GL_CULL_FACE, GL_DEPTH_TEST, GL_ALPHA_TEST, GL_COLOR_MATERIAL,
                       GL_MULTISAMPLE, GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_RECTANGLE_ARB})
        glDisable(cap);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    // No shader is bound here: draw unbinds first thing, once the shader manager runs.
    // The logos, flat and off to the left, seen straight on.
    reset_camera(logo_camera_);
    logo_camera_.eye = {-4, 0, 10};
    logo_camera_.interest = {-4, 0, 0};
    logo_camera_.up = {0, 1, 0};
    logo_camera_.ortho_half_height = 4;
    logo_camera_.near_plane = -100;
    logo_camera_.far_plane = 100;
    // On the clouds' axis, the distance set each frame by the look.
    reset_camera(camera_);
    camera_.interest = {0, 0, 0};
    camera_.up = {0, 1, 0};
    camera_.fov = 45;
    camera_.far_plane = 100;
    cut_levels().pre_cut = 190;
    cut_levels().post_cut = 255;
    final_levels_ = {20, 130, 1.5f, 0, 120};
    color0_ = {1, 0.42f, 0};
    color1_ = {1, 0.71f, 0.19f};
}

void cSceneAttractor::handle_event(cEvent* event) {
    run_.beats.handle(event->type, demo_time(), run_.beat);
}

// The camera keeps the distance the look had before this frame's drift, as it always has.
void cSceneAttractor::update() {
    run_.view_dist = run_.look.dist;
    update_clouds(static_cast<float>(time_->frame_ms()) / 1000.0f);
}

void cSceneAttractor::rewind() {
    run_ = sRun();
    for (auto& stream : streams_)
        if (stream)
            stream->rewind();
    update_clouds(0); // the first batch, as loading gives it
}

void cSceneAttractor::update_clouds(float seconds) {
    cAttractorPresets::apply_if_changed(run_.beat.preset, run_.applied, run_.look);
    cAttractorPresets::drift(run_.applied, seconds, run_.look);
    for (int i = 0; i < 2; ++i) {
        if (!streams_[i])
            continue;
        streams_[i]->calculator().noise_scale = run_.look.randscale * kNoiseShare[i];
        streams_[i]->update(run_.look.params);
    }
}

void cSceneAttractor::draw() {
    const int32_t t = demo_time();
    // The flash: the picture's levels open from a crushed range back to the full one.
    const float k = 1.0f - std::clamp(static_cast<float>(t - run_.beat.last_switch_ms) /
                                          static_cast<float>(std::max(run_.beat.flash_ms, 1)),
                                      0.0f, 1.0f);
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget scene, clouds;
    pool.acquire(scene, RTT_FULL);
    pool.acquire(clouds, RTT_FULL);
    // Out of the flash the levels are the identity, so the backdrop goes straight into the
    // clouds' target.
    iRenderTarget& backdrop = k > 0 ? *scene.get() : *clouds.get();
    backdrop.begin();
    glClearColor(0, 0, 0, 1);
    // The scene keeps depth writes off, which would mask the depth clear: the logos would
    // then be tested against whatever the pooled target held before.
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDepthMask(GL_FALSE);
    shader_manager().unbind();
    draw_backdrop(t);
    camera_.eye = {0, 0, run_.view_dist};
    apply_camera(camera_);
    backdrop.end();
    if (k > 0) {
        clouds->begin();
        levels(*scene.get(), {40 * k, 255 - 155 * k, 1, 0, 255});
        clouds->end();
    }
    // Handed on now, the backdrop is filled by the software renderer's own threads while the
    // clouds' points are projected and splatted.
    glFlush();
    draw_clouds(*clouds.get(), t);
    finish(*scene.get(), *clouds.get());
    pool.release(clouds);
    pool.release(scene);
}

void cSceneAttractor::draw_backdrop(int32_t t) {
    // The logos' depth test and writes end with the function: the clouds add up unoccluded.
    const cSavedState saved(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_ENABLE_BIT |
                            GL_CURRENT_BIT);
    glDepthMask(GL_FALSE);
    begin_ortho_white();
    draw_texture(background_);
    end_ortho();
    const float seconds = static_cast<float>(t) / 1000.0f;
    apply_camera(logo_camera_);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glColor3ub(41, 41, 41);
    glPushMatrix();
    glRotatef(seconds * 30, 0, 1, 0);
    if (cubes_)
        cubes_->draw();
    glPopMatrix();
    glRotatef(seconds * 30, 0, 0, 1);
    if (arrow_)
        arrow_->draw();
}

void cSceneAttractor::draw_clouds(iRenderTarget& target, int32_t t) {
    target.begin();
    glRotatef(static_cast<float>(t) / 1000.0f * 10 + run_.look.rot, 0, 1, 0);
    glPushMatrix();
    glTranslatef(run_.look.ctr.x, run_.look.ctr.y, run_.look.ctr.z);
    // Each switch fades the new clouds in over a quarter of a second.
    const float p = smoothstep(static_cast<float>(t - run_.beat.last_switch_ms) / kFadeInMs);
    if (streams_[0] && streams_[1]) {
        streams_[0]->flush();
        streams_[1]->flush();
        const float alpha0 = p * run_.look.color0A * run_.beat.cloud0_alpha;
        const float alpha1 = run_.look.color1A * p;
        cPointCloud& cloud = point_cloud();
        cloud.begin(false);
        cloud.add(streams_[0]->points(),
                  {color0_.x, color0_.y, color0_.z, alpha0, run_.look.pts_size0});
        cloud.add(streams_[1]->points(),
                  {color1_.x, color1_.y, color1_.z, alpha1, run_.look.pts_size1});
        cloud.end();
    }
    glPopMatrix();
    target.end();
}

void cSceneAttractor::finish(iRenderTarget& scene, iRenderTarget& clouds) {
    cRenderTargetManager& pool = render_target_manager();
    // The clouds' glow goes into the scene target, whose row averages then lift it by a
    // colour dodge into the frame.
    spill_into(RTT_HALF, clouds, cut_levels(), scene);
    cTmpRenderTarget rows, graded;
    pool.acquire(rows, RTT_QUATER);
    row_resample(scene, *rows.get());
    pool.acquire(graded, RTT_QUATER);
    graded->begin();
    levels(*rows.get(), final_levels_);
    graded->end();
    combine(*graded.get(), scene, COMBINE_DODGE);
    pool.release(graded);
    pool.release(rows);
}

void cSceneAttractor::register_vars(cGuiVarList& vars) {
    add_var(vars, "p0", &run_.look.params.a, -4, 4);
    add_var(vars, "p1", &run_.look.params.b, -4, 4);
    add_var(vars, "p2", &run_.look.params.c, -4, 4);
    add_var(vars, "p3", &run_.look.params.d, -4, 4);
    add_var(vars, "randscale", &run_.look.randscale, 0.1f, 5);
    add_var(vars, "color0", &color0_, 0, 1);
    add_var(vars, "color0A", &run_.look.color0A, 0, 0.2f);
    add_var(vars, "pts-size0", &run_.look.pts_size0, 0.25f, 10);
    add_var(vars, "color1", &color1_, 0, 1);
    add_var(vars, "color1A", &run_.look.color1A, 0, 0.1f);
    add_var(vars, "pts-size1", &run_.look.pts_size1, 0.25f, 10);
    add_var(vars, "preset", &run_.beat.preset, 0, 8);
    add_var(vars, "rot", &run_.look.rot, 0, 360);
    add_var(vars, "dist", &run_.look.dist, 0.5f, 5);
    add_var(vars, "ctr", &run_.look.ctr, -2, 2);
}
