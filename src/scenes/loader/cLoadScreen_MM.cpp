#include "cLoadScreen_MM.h"

#include "base/Smoothstep.h"

#include "base/cDemoTime.h"
#include "base/cDisplaySettings.h"
#include "base/cResourcePath.h"
#include "geometry/cCamera.h"
#include "mesh_files/BzObjLoader.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cScopedTexture.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"

#include <algorithm>

namespace {

cTextureDesc clamped(const char* file) {
    return texture_manager().get_texture(file, true, GL_CLAMP, 0);
}

// A texture that could not be loaded (name -1) leaves the mesh untextured.
void draw_textured(cMeshObj& mesh, const cTextureDesc& texture) {
    const cScopedTexture bound(texture);
    mesh.draw();
}

// The fixed camera: 27 degrees, looking down at the panel from the front.
void set_camera() {
    cCamera camera;
    reset_camera(camera);
    camera.eye = {-34.418f, 82.147f, 83.531f};
    camera.interest = {-33.418f, 31.91f, 11.786f};
    camera.up = {0, 1, 0};
    camera.fov = 27;
    camera.near_plane = 1;
    camera.far_plane = 500;
    apply_camera(camera);
}

void clear_all() {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace

std::unique_ptr<cMeshObj> cLoadScreen_MM::load_mesh(const char* file) {
    return BzObjLoader::load_uploaded(file, false);
}

cLoadScreen_MM::cLoadScreen_MM(const cDemoTime& clock) : clock_(clock) {
    resource_path().push_searchpath("../data/models/loader");
    saved_ = std::make_unique<cSavedState>(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glGetIntegerv(GL_VIEWPORT, saved_viewport_);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, saved_clear_);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glDisable(GL_LIGHTING);
    set_picture_viewport(display_settings());
    glClearColor(0, 0, 0, 0);
    knob_ = load_mesh("bass_knob.bzobj");
    sort_ = load_mesh("bass_sort.bzobj");
    indicator_ = load_mesh("bass_indicator.bzobj");
    led_ = load_mesh("bass_led.bzobj");
    panel_ = load_mesh("bass_panel.bzobj");
    knob_texture_ = clamped("knob_occ.jpg");
    panel_texture_ = clamped("panel_color.jpg");
    overlay_texture_ = clamped("loader_overlay2.png");
    shown_ = 0.0f;
    correction_ = std::make_unique<cColorCorrection>("loader_color_correction_blue.png");
}

cLoadScreen_MM::~cLoadScreen_MM() {
    cCutLevels& cut = cut_levels();
    cut.pre_cut = 200.0f;
    cut.post_cut = 128.0f;
    knob_.reset();
    sort_.reset();
    indicator_.reset();
    led_.reset();
    panel_.reset();
    glViewport(saved_viewport_[0], saved_viewport_[1], saved_viewport_[2], saved_viewport_[3]);
    glClearColor(saved_clear_[0], saved_clear_[1], saved_clear_[2], saved_clear_[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    saved_.reset();
}

void cLoadScreen_MM::show_progress(float progress, bool animate) {
    const float from = shown_;
    const int32_t t0 = clock_.read_ms();
    for (int32_t elapsed = 0;;) {
        const float s = smoothstep(static_cast<float>(elapsed) / kAnimationMs);
        draw_frame(from + s * (progress - from));
        if (!animate)
            break;
        SDL_GL_SwapBuffers();
        elapsed = clock_.read_ms() - t0;
        if (elapsed >= kAnimationMs)
            break;
    }
    shown_ = progress;
}

void cLoadScreen_MM::draw_frame(float v) {
    clear_all();
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget scene, graded;
    pool.acquire(scene, RTT_FULL);
    scene->begin();
    clear_all();
    set_camera();
    draw_panel(v);
    draw_knob(v);
    scene->end();
    pool.acquire(graded, RTT_FULL);
    graded->begin();
    clear_all();
    correction_->apply(*scene.get());
    graded->end();
    spill_half(cut_levels(), *graded.get());
    draw_overlay();
    pool.release(graded);
    pool.release(scene);
}

void cLoadScreen_MM::draw_panel(float v) {
    glColor4f(0.85f, 0.85f, 0.85f, 1);
    draw_textured(*panel_, panel_texture_);
    glColor4f(0.25f + 0.75f * v, 0.1f, 0.1f, 1);
    indicator_->draw();
    glColor3ub(239, 196, 27);
    led_->draw();
}

void cLoadScreen_MM::draw_knob(float v) {
    glColor4f(1, 1, 1, 1);
    const float position[4] = {-31.133f, 45.598f, 23.925f, 1}, bright[4] = {1.5f, 1.5f, 1.5f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, bright);
    glLightfv(GL_LIGHT0, GL_SPECULAR, bright);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glRotatef(-270.0f * v, 0, 1, 0);
    draw_textured(*knob_, knob_texture_);
    glDisable(GL_LIGHTING);
    glColor4f(0, 0, 0, 1);
    sort_->draw();
}

void cLoadScreen_MM::draw_overlay() {
    begin_ortho_white();
    {
        const cScopedTexture bound(overlay_texture_);
        const float h = static_cast<float>(overlay_texture_.height) /
                        static_cast<float>(display_settings().view_height);
        glTranslatef(0, 1 - h, 0);
        glScalef(0.5f, h, 1);
        quad_unit();
    }
    end_ortho();
}
