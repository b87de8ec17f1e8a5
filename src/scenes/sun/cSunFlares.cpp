#include "cSunFlares.h"

#include "base/Pi.h"
#include "base/cDemoTime.h"
#include "base/cResourcePath.h"
#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
#include "render/ShaderRegistry.h"
#include "render/cSavedState.h"
#include "render/cScopedTexture.h"
#include "render/cShaderParameter.h"
#include "render/cTextureManager.h"
#include "render/points/cPointCloud.h"
#include "shaders/cShdFlare.h"
#include "toolkit/TweakVars.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kFlareShader = "flare_shader";

std::unique_ptr<cMeshObj> load_mesh(const char* file, bool release) {
    return BzObjLoader::load_uploaded(file, false, release);
}

} // namespace

cSunFlares::cSunFlares() = default;
cSunFlares::~cSunFlares() = default;

void cSunFlares::load(const sSunLook& look) {
    resource_path().push_searchpath(kFolder);
    sun_mesh_ = load_mesh(kSunMesh, false); // the particles are born on its client arrays
    particles_ = std::make_unique<cSunParticleField>(sun_mesh_.get());
    particles_->rate = look.particle_rate;
    particles_->lifetime = look.particle_lifetime;
    particle_colour_ = look.particle_colour;
    particle_alpha_ = look.particle_alpha;
    point_size_ = look.point_size;
    flare_count_ = look.flare_count;
    textured_ = look.textured;
    cTextureManager& textures = texture_manager();
    if (textured_)
        sun_texture_ = textures.get_texture(kSunTexture, true, GL_CLAMP, 0);
    if (flare_count_ > 0)
        load_flares();
    point_cloud().prepare(cSunParticleField::kMaxParticles, {point_size_});
}

void cSunFlares::load_flares() {
    std::unique_ptr<cMeshObj> flare(BzObjLoader::create(kFlareMesh));
    flare->drop_materials();
    flare_mesh_ = std::make_unique<cBandedMesh>(std::move(flare));
    cTextureManager& textures = texture_manager();
    flare_texture_ = textures.get_texture(kFlareTexture, true, GL_CLAMP_TO_EDGE, 0);
    gradient_texture_ = textures.get_texture(kGradientTexture, true, GL_CLAMP, 0);
    ensure_shader<cShdFlare>(kFlareShader);
    shadow_ = std::make_unique<cSunShadow>(*sun_mesh_);
}

sFlare cSunFlares::new_flare() {
    const float r1 = next_random(), r2 = next_random(), r3 = next_random(), r4 = next_random();
    const float angle = 2 * kPi * r1;
    Vec3f axis = Vec3f(r4 - 0.5f, r3 - 0.5f, r2 - 0.5f).normalized();
    if (axis.length() == 0) // all three at the centre: any axis serves
        axis = Vec3f(0, 0, 1);
    const float c = std::cos(angle), s = std::sin(angle), k = 1 - c;
    const float x = axis.x, y = axis.y, z = axis.z;
    sFlare flare;
    flare.orientation = {x * x * k + c,
                         y * x * k + z * s,
                         z * x * k - y * s,
                         0,
                         x * y * k - z * s,
                         y * y * k + c,
                         z * y * k + x * s,
                         0,
                         x * z * k + y * s,
                         y * z * k - x * s,
                         z * z * k + c,
                         0,
                         0,
                         0,
                         0,
                         1};
    return flare;
}

float cSunFlares::flare_alpha(float f) {
    return std::clamp(4 * std::sin(kPi * std::clamp(f, 0.0f, 1.0f)), 0.0f, 1.0f);
}

void cSunFlares::start(int32_t t) {
    decay_ = 3500;
    for (int added = 0; static_cast<float>(added) < flare_count_; ++added)
        flares_.push_back(new_flare());
    for (sFlare& flare : flares_)
        flare.start = static_cast<int32_t>(static_cast<float>(t) - next_random() * decay_);
}

void cSunFlares::advance(const cDemoTime& time) {
    const int32_t now = time.now_ms - time.start_ms;
    for (size_t i = 0; i < flares_.size();) {
        if (static_cast<float>(now) <= static_cast<float>(flares_[i].start) + decay_) {
            ++i;
        } else if (flare_count_ >= static_cast<float>(flares_.size())) {
            flares_[i] = new_flare();
            flares_[i++].start = now;
        } else {
            flares_.erase(flares_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    while (static_cast<float>(flares_.size()) < flare_count_) {
        flares_.push_back(new_flare());
        flares_.back().start =
            static_cast<int32_t>(static_cast<float>(now) - next_random() * decay_);
    }
    if (particles_)
        particles_->step(static_cast<float>(time.now_ms - time.prev_ms) / 1000.0f);
    const float r1 = next_random(), r2 = next_random(), r3 = next_random();
    shake_ = {1.1f * (0.5f - 0.5f * r3), 1.1f * (0.5f - 0.5f * r2), 1.1f * (0.5f - 0.5f * r1)};
}

void cSunFlares::rewind() {
    flares_.clear();
    if (particles_)
        particles_->clear();
}

void cSunFlares::draw(int32_t t) {
    glTranslatef(shake_.x, shake_.y, shake_.z);
    const bool body_in_depth = draw_body();
    draw_particles();
    draw_flares(t, body_in_depth);
}

// The body is opaque (black, or the picture, which has no alpha): blending would read back
// every pixel it covers for nothing.
bool cSunFlares::draw_body() {
    GLboolean depth_writes = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_writes);
    const bool in_depth = depth_writes && glIsEnabled(GL_DEPTH_TEST);
    const cSavedState saved(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    shader_manager().unbind();
    ext::glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    if (!textured_) {
        glColor4f(0, 0, 0, 1);
        sun_mesh_->draw();
        return in_depth;
    }
    glColor4f(1, 1, 1, 1);
    const cScopedTexture bound(sun_texture_);
    sun_mesh_->draw();
    return in_depth;
}

// Added, tested against the body's depth and never hiding what comes after.
void cSunFlares::draw_particles() {
    shader_manager().unbind();
    cPointCloud& cloud = point_cloud();
    cloud.begin(true);
    cloud.add(particles_->points(), {particle_colour_.x, particle_colour_.y, particle_colour_.z,
                                     particle_alpha_ * crown_weight_, point_size_});
    cloud.end();
}

void cSunFlares::draw_flares(int32_t t, bool body_in_depth) {
    if (flares_.empty() || !flare_mesh_)
        return;
    shader_manager().bind(kFlareShader);
    {
        const cSavedState saved(GL_CURRENT_BIT | GL_ENABLE_BIT);
        glDisable(GL_CULL_FACE);
        glEnable(GL_BLEND);
        glDepthMask(GL_FALSE);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        const cScopedTexture flare_map(flare_texture_, GL_TEXTURE0);
        const cScopedTexture gradient(gradient_texture_, GL_TEXTURE1);
        const bool shadowed = body_in_depth && shadow_ && shadow_->look();
        for (const sFlare& flare : flares_) {
            const float f = static_cast<float>(t - flare.start) / decay_;
            const float alpha = flare_alpha(f) * crown_weight_;
            if (alpha <= 0) // the flare adds nothing
                continue;
            const float shift = flare_uvshift(f);
            cShaderParameter<float> uvshift(shift);
            shader_manager().set_parameter(kFlareShader, 1, &uvshift);
            glColor4f(1, 1, 1, alpha);
            glPushMatrix();
            glMultMatrixf(flare.orientation.data());
            // The gas shows where v - uvshift lies in [0, 1]; the rest of the sheet adds nothing,
            // and neither do the triangles behind the body, which the depth test would drop.
            if (shadowed) {
                shadow_->mark(flare_mesh_->positions(), flare.orientation, hidden_);
                flare_mesh_->draw(shift, shift + 1, hidden_);
            } else {
                flare_mesh_->draw(shift, shift + 1);
            }
            glPopMatrix();
        }
    }
    glDepthMask(GL_TRUE); // the flares leave depth writes on
}

void cSunFlares::add_sun_vars(cGuiVarList& list) {
    add_var(list, "num flares", &flare_count_, 0, 1000);
    add_var(list, "f-decaytime", &decay_, 500, 10000);
    if (particles_) {
        add_var(list, "points pr sec", &particles_->rate, 0, 100000);
        add_var(list, "p-ltime(min,nl,rnd)", &particles_->lifetime, 0, 40);
    }
    add_var(list, "p-col", &particle_colour_, 0, 1);
    add_var(list, "p-alpha", &particle_alpha_, 0, 0.1f);
    add_var(list, "p-size", &point_size_, 0, 7);
}
