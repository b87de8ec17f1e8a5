// The sun as one object: a textured (or black) body, a haze of points streaming off its
// surface and a crown of flare sheets, each living `decay` ms in a random orientation and
// renewed as it expires. Each scene that shows a sun gives it its own look when it loads it.
#pragma once

#include "cSunParticleField.h"
#include "cSunShadow.h"
#include "geometry/Vec3.h"
#include "mesh_files/cBandedMesh.h"
#include "mesh_files/cMeshObj.h"
#include "render/cTextureDesc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class cGuiVarList;
struct cDemoTime;

struct sFlare {
    int32_t start = 0;                   // demo time in ms
    std::array<float, 16> orientation{}; // column-major, as glMultMatrixf takes it
};

// How a scene shows its sun. Without flares their mesh, pictures and program are not loaded;
// a black body needs no picture.
struct sSunLook {
    float flare_count = 0;
    bool textured = false;
    float particle_rate = 0; // points born a step (up to twice it)
    Vec3f particle_lifetime{0, 0, 0};
    Vec3f particle_colour{1, 1, 1};
    float particle_alpha = 1;
    float point_size = 1;
};

class cSunFlares {
public:
    static constexpr const char* kFolder = "../data/models/sunflare";
    static constexpr const char* kSunMesh = "sun.bzobj";
    static constexpr const char* kFlareMesh = "sunflare.bzobj";
    static constexpr const char* kSunTexture = "sun_diffuse2.jpg";
    static constexpr const char* kFlareTexture = "sun_flare_gasses_fade2.png";
    static constexpr const char* kGradientTexture = "sun_flare_gradient.png";

    cSunFlares();
    ~cSunFlares();
    cSunFlares(const cSunFlares&) = delete;
    cSunFlares& operator=(const cSunFlares&) = delete;

    // The body and the particle field on its triangles, and what the look needs besides: the
    // body's picture, the flares' mesh, pictures and "flare_shader". Needs a GL context.
    void load(const sSunLook& look);
    // Tops the list up to the flare count and spreads every start over the decay before t.
    void start(int32_t t);
    // Renews or removes expired flares, adds missing ones, steps the particles (once loaded)
    // and picks the frame's shake.
    void advance(const cDemoTime& time);
    // No flares and no particles, as loaded.
    void rewind();
    // Shaken sun body, its points and its flares at demo time t.
    void draw(int32_t t);
    void add_sun_vars(cGuiVarList& list);

    // A flare's uvshift and alpha at life fraction f = age / decay.
    static float flare_uvshift(float f) { return 2 * f - 1; }
    static float flare_alpha(float f);
    // A new flare: a rotation by a random angle about a random axis (four table values).
    static sFlare new_flare();

    const std::vector<sFlare>& flares() const { return flares_; }
    cSunParticleField* particles() { return particles_.get(); }
    float decay() const { return decay_; }
    void set_flare_count(float count) { flare_count_ = count; }
    void set_particle_colour(const Vec3f& colour) { particle_colour_ = colour; }
    void set_particle_alpha(float alpha) { particle_alpha_ = alpha; }
    // A factor, 0 to 1, on the alpha of the surface points and the flares: the scene's fade.
    void set_crown_weight(float weight) { crown_weight_ = weight; }
    void set_point_size(float size) { point_size_ = size; }

private:
    void load_flares();
    // True when the body went into the depth buffer.
    bool draw_body();
    void draw_particles();
    void draw_flares(int32_t t, bool body_in_depth);

    float decay_ = 3500;
    std::unique_ptr<cMeshObj> sun_mesh_;
    std::unique_ptr<cBandedMesh> flare_mesh_;
    std::unique_ptr<cSunShadow> shadow_; // what the body hides of the flares
    std::vector<uint8_t> hidden_;        // per flare vertex, for the flare being drawn
    std::unique_ptr<cSunParticleField> particles_;
    cTextureDesc sun_texture_, flare_texture_, gradient_texture_;
    bool textured_ = false;
    std::vector<sFlare> flares_;
    Vec3f particle_colour_{1, 1, 1};
    float particle_alpha_ = 1;
    float crown_weight_ = 1;
    float point_size_ = 1;
    float flare_count_ = 0;
    Vec3f shake_{0.55f, 0.55f, 0.55f}; // the body's offset this frame, from three table values
};
