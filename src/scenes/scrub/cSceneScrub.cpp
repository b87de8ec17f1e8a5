#include "cSceneScrub.h"

#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "platform/RuntimeRandom.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cScopedTexture.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"
#include "timeline/cMETrigger.h"
#include "timeline/cSceneManager.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cRandomTable.h"

#include <string>

namespace {

const char* const kNames[cScrubCues::kGreetings] = {"glacier", "fjord",  "ember", "dynamo",
                                                    "cobalt",  "basalt", "aurora"};

std::unique_ptr<cMeshObj> load_mesh(const char* file) {
    return BzObjLoader::load_uploaded(file, false);
}

} // namespace

cSceneScrub::cSceneScrub(cDemoTime* time) : cScene(time) {}

cSceneScrub::~cSceneScrub() = default;

void cSceneScrub::load() {
    resource_path().push_searchpath(kSearchPath);
    overlay_.load();
    load_greetings();
    start_growth();
    load_glows();
}

// The tube as loading leaves it, before the camera has moved. It grows from the random
// table's start whenever it is made, so a rewound tube is the tube of a fresh run.
void cSceneScrub::start_growth() {
    random_table().set_cursor(0);
    clear_colour_ = {1.0f, 0.84f, 0.0f};
    diffuse_colour_ = {0, 0, 0};
    speed_ = 5.0f;
    spin_rate_ = 20.0f;
    if (!scrub_)
        scrub_ = std::make_unique<cScrub>();
    scrub_->density = 4.0f;
    scrub_->radial_depth = 5.0f;
    radius_ = {0.4f, 0.5f, 0.2f};
    cues_.base_fog = 0.2f;
    cues_.flash_decay = 400.0f;
    cues_.flash_mix = 1.0f;
    scrub_->spline_links = 0; // the links stay straight prisms
    scrub_->advance(10.0f, 24.0f);
    scrub_->advance(10.0f, 24.0f);
}

void cSceneScrub::rewind() {
    run_ = sRun();
    cues_ = cScrubCues();
    overlay_.rewind();
    scrub_.reset();
    start_growth();
}

void cSceneScrub::load_greetings() {
    for (int i = 0; i < cScrubCues::kGreetings; ++i) {
        const std::string name = std::string("greet_") + kNames[i];
        greetings_[i] = std::make_unique<cMeshMorph>();
        greetings_[i]->load(name + "_connected.bzobj", name + "_split.bzobj");
        greetings_[i]->base()->drop_materials();
        greetings_[i]->target()->drop_materials();
        greetings_[i]->upload(true);
    }
}

void cSceneScrub::load_glows() {
    backblow_ = load_mesh("greet_backblow.bzobj");
    backblow_texture_ = texture_manager().get_texture("greetings_backblow.png", true, GL_CLAMP, 0);
    streaks_ = load_mesh("greet_streaks.bzobj");
    streaks_texture_ = texture_manager().get_texture("greetings_streaks.png", true, GL_CLAMP, 0);
}

void cSceneScrub::init() {
    mrl_srand(1335);
    glClearColor(0.1f, 0.1f, 0.1f, 1.0f);
    reset_scene_state(true);
    const int32_t now = demo_time();
    cues_.greeting = -1;
    cues_.greeting_z = 0.0f;
    cues_.morph = morph_ = 0.0f;
    cues_.greeting_start = cues_.greeting_accent = cues_.greeting_end = now;
    rdist_ = rdist2_ = 0.0f;
    // Inside the tube, 90 degrees wide, with the 4:3 frame the tube was made for.
    reset_camera(camera_);
    camera_.up = {0, 1, 0};
    camera_.fov = 90;
    camera_.aspect = 4.0f / 3.0f;
    camera_.far_plane = 100;
    cut_levels().pre_cut = 206.0f;
    cut_levels().post_cut = 165.0f;
}

void cSceneScrub::deinit() {
    glDisable(GL_FOG);
    glDisable(GL_LIGHT0);
}

void cSceneScrub::handle_event(cEvent* event) {
    if (event->type != cEvent::kMidi)
        return;
    const auto* note = dynamic_cast<const cMETrigger*>(event);
    if (note != nullptr && note->is_note_on())
        cues_.note_on(note->track, note->time, scene_manager().event_queue());
}

void cSceneScrub::update() {
    const int32_t now = demo_time();
    radius_ = cues_.radius_range();
    cues_.clear_blue = clear_colour_.z;
    cues_.update(now);
    diffuse_colour_ = cues_.tube_colour;
    morph_ = cues_.morph;
    if (!scrub_)
        return; // not loaded
    run_.camera_z += speed_ * static_cast<float>(time_->frame_ms()) / 1000.0f;
    grow(run_.camera_z);
    if (run_.first_frame) {
        run_.first_frame = false;
        run_.first_frame_ms = now;
    }
    acc_ = static_cast<float>(now - run_.first_frame_ms) / 20000.0f;
    if (run_.first_overlay) {
        run_.first_overlay = false;
        cues_.accent_ms = now;
    }
    overlay_.update(cues_, now);
}

void cSceneScrub::register_vars(cGuiVarList& vars) {
    add_var(vars, "clearcolor-r", &clear_colour_, 0.0f, 1.0f);
    add_var(vars, "diff-col", &diffuse_colour_, 0.0f, 1.0f);
    add_var(vars, "speed", &speed_, -6.0f, 30.0f);
    if (!scrub_)
        scrub_ = std::make_unique<cScrub>();
    add_var(vars, "density", &scrub_->density, 2.0f, 20.0f);
    add_var(vars, "radius(min,max,dist)", &radius_, 0.1f, 4.0f);
    add_var(vars, "radialDepth", &scrub_->radial_depth, 0.5f, 15.0f);
    add_var(vars, "minNborNodeDist", &scrub_->min_node_dist, 0.0f, 0.6f);
    add_var(vars, "numNbors", &scrub_->neighbour_count, 2.0f, 10.0f);
    add_var(vars, "cylinderRadius", &scrub_->tube_radius, 0.01f, 0.1f);
    add_var(vars, "fog density", &cues_.base_fog, 0.0f, 1.0f);
    add_var(vars, "rdist", &rdist_, 0.0f, 10.0f);
    add_var(vars, "rdist2", &rdist2_, 0.0f, 50.0f);
    add_var(vars, "morph", &morph_, 0.0f, 1.0f);
    add_watch(vars, "acc", &acc_);
    add_cut_vars(vars, cut_levels());
}

void cSceneScrub::draw() {
    if (!scrub_)
        return; // not loaded
    const int32_t now = demo_time();
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget target;
    pool.acquire(target, RTT_FULL);
    target->begin();
    glClearColor(clear_colour_.x, clear_colour_.y, cues_.blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    set_fog_and_light();
    set_camera(run_.camera_z);
    draw_tube(now);
    if (cues_.greeting_shown())
        draw_greeting(run_.camera_z);
    target->end();
    finish(*target.get());
    overlay_.draw(cues_, now);
    pool.release(target);
}

// The spill's glow, scaled from the post cut up, added and the vignette multiplied in, in one
// pass onto the frame.
void cSceneScrub::finish(iRenderTarget& picture) {
    cTmpRenderTarget bright;
    spill_bright(picture, bright, RTT_HALF, cut_levels());
    cGradeSteps steps{bright.get()};
    steps.glow_gain = spill_gain(cut_levels());
    steps.multiply = &overlay_.vignette;
    grade(picture, steps);
    render_target_manager().release(bright);
}

void cSceneScrub::set_fog_and_light() {
    const float fog[4] = {clear_colour_.x, clear_colour_.y, cues_.blue, 1.0f};
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, fog);
    glFogf(GL_FOG_DENSITY, cues_.fog_in_use);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LIGHTING);
    const float specular[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    const float diffuse[4] = {diffuse_colour_.x, diffuse_colour_.y, diffuse_colour_.z, 1.0f};
    // The whole material: the greeting's, set later in the frame, must not tint the tubes.
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f}, black[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_EMISSION, black);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 50.0f);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
}

void cSceneScrub::set_camera(float z) {
    camera_.eye = {10 + rdist_, 9.9f, z + 1};
    camera_.interest = {10, 10, z + 2 + rdist2_};
    apply_camera(camera_);
    // Directional, fixed in the world: given after the camera.
    const float light[4] = {1.0f, 1.0f, -1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glEnable(GL_LIGHT0);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
}

void cSceneScrub::grow(float z) {
    if (z > run_.radius_changed_z + radius_.z) {
        run_.radius_changed_z = z;
        scrub_->inner_radius = cues_.inner_radius(next_random());
    }
    scrub_->advance(z, z + 14.0f);
}

void cSceneScrub::draw_tube(int32_t now) {
    const float g = static_cast<float>(now - run_.first_frame_ms) / 20000.0f;
    glPushMatrix();
    glTranslatef(10, 10, 0);
    glRotatef(now / 1000.0f * spin_rate_ + g * g * 360.0f, 0, 0, 1);
    glTranslatef(-10, -10, 0);
    // The tubes' sides face outward and their inner faces never show through the thin open
    // ends, so only front faces are drawn; the tubes are opaque (alpha 1), so blending them
    // would only cost a read of the target per pixel. The same picture, faster.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDisable(GL_BLEND);
    scrub_->draw_blocks(cViewFrustum::current());
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glPopMatrix();
}

void cSceneScrub::draw_greeting(float z) {
    shader_manager().unbind();
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_FOG);
    glDisable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glPushMatrix();
    glTranslatef(10.0f, 9.9f, z + 2.0f + rdist2_ + cues_.greeting_z);
    glScalef(0.1f, 0.1f, 0.1f);
    glRotatef(cues_.greeting_rotation, 0.33f, 0.33f, 0.33f);
    glRotatef(175.0f, 0, 1, 0);
    greeting_material_.apply();
    cMeshMorph& mesh = *greetings_[cues_.greeting];
    mesh.set_weight(morph_);
    mesh.draw();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    const float e = cScrubCues::glow_scale(morph_), k = cScrubCues::glow_alpha(morph_);
    // One frame for both: the streaks' scale multiplies the backblow's (22.5 e^2 in all).
    draw_glow(*backblow_, backblow_texture_, 0.65f * k, 5.0f * e);
    draw_glow(*streaks_, streaks_texture_, 0.45f * k, 4.5f * e);
    glPopMatrix();
    glColor4f(1, 1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void cSceneScrub::draw_glow(cMeshObj& mesh, const cTextureDesc& texture, float alpha, float scale) {
    if (alpha <= 0.0f || scale <= 0.0f)
        return;
    glColor4f(1, 1, 1, alpha);
    glScalef(scale, scale, scale);
    const cScopedTexture bound(texture);
    mesh.draw();
}
