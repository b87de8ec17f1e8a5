// The solar flare: the sun grows out of nothing up to the sprutte's entrance, turns and shakes,
// wrapped in its haze and flares; the picture fades in, glows harder on the drop and whites
// out from the track-7 impact, and the title card crosses over it in the opening seconds.
#pragma once

#include "render/post/PostParams.h"
#include "render/post/cColorCorrection.h"
#include "scenes/sun/cSunFlares.h"
#include "timeline/cScene.h"

#include <memory>

class cSceneSolarFlare : public cScene {
public:
    static constexpr const char* kColorCorrection = "sun_color_correction_orange2.png";
    static constexpr const char* kOverlay = "deluminate3.png";
    // Named with the scene's data but loaded by nothing.
    static constexpr const char* kMorphFlare = "sunflare_morph.bzobj";
    static constexpr const char* kSunOff = "sun_diffuse_off.jpg";
    static constexpr int kImpactTrack = 7;
    // The sun's size from which its surface points and flares have their full alpha.
    static constexpr float kCrownGrownScale = 0.25f;

    explicit cSceneSolarFlare(cDemoTime* time);
    ~cSceneSolarFlare() override;

    std::string get_name() override { return "solar flares"; }
    void load() override;
    void init() override;
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    // The title card's alpha at demo time t (ms); negative where it is not drawn at all.
    static float overlay_alpha(int32_t t);
    // The sun's scale at t: from 0 at t0 up, reaching 1 at 1/1.3 of the way to the first
    // scene-1 switch t1; 0 throughout when there is no such switch after t0.
    static float sun_scale(int32_t t, int32_t t0, int32_t t1);
    // The glow's multiplier and distance at t: two ramps, then the white-out after `impact`
    // (-1: none yet).
    static void glow_at(int32_t t, int32_t impact, cGlowParams& glow);

    const cLevelsParams& levels() const { return levels_; }
    const cGlowParams& glow() const { return glow_; }
    int32_t trigger_time() const { return run_.trigger_time; }
    cSunFlares& sun() { return sun_; }

private:
    void draw_sun(iRenderTarget& a, int32_t t, float scale);
    void fade_and_glow(int32_t t);
    void post(iRenderTarget& a);
    void post_in_steps(iRenderTarget& a);
    void draw_overlay(int32_t t);

    std::unique_ptr<cColorCorrection> correction_;
    cLevelsParams levels_;
    cSunFlares sun_;
    cTextureDesc overlay_;
    cGlowParams glow_{50, 0.5f, 1.0f};
    float scale_ = 0; // the sun's size this frame, 0 to 1
    // What a run changes besides its sun; a rewind makes it anew.
    struct sRun {
        int32_t trigger_time = -1; // the last impact
        int32_t first_frame = -1;  // t0: the demo time of the scene's first frame in this run
        bool started = false;
    } run_;
};
