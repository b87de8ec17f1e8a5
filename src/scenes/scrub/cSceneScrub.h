// "growing scrub": the camera flies along the inside of the endless branch tube through
// yellow fog while the tube spins; kicks flash the fog, crashes bring the greetings (solid
// names that shatter, with a glow behind), and a screen-space overlay finishes the frame.
#pragma once

#include "cScrub.h"
#include "cScrubCues.h"
#include "cScrubOverlay.h"
#include "mesh_files/cMaterial_GL.h"
#include "mesh_files/cMeshMorph.h"
#include "render/iRenderTarget.h"
#include "timeline/cScene.h"

#include <memory>

class cSceneScrub : public cScene {
public:
    static constexpr const char* kSearchPath = "../data/models/scrub";

    explicit cSceneScrub(cDemoTime* time);
    ~cSceneScrub() override;

    std::string get_name() override { return "growing scrub"; }
    void load() override;
    void init() override;
    void deinit() override;
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    const cScrubCues& cues() const { return cues_; }
    const cScrub* scrub() const { return scrub_.get(); }

private:
    void load_greetings();
    void load_glows();
    void start_growth();
    void set_fog_and_light();
    void set_camera(float z);
    void grow(float z);
    void draw_tube(int32_t now);
    void draw_greeting(float z);
    void finish(iRenderTarget& picture);
    void draw_glow(cMeshObj& mesh, const cTextureDesc& texture, float alpha, float scale);

    Vec3f clear_colour_{1.0f, 0.84f, 0.0f};
    Vec3f diffuse_colour_;
    float speed_ = 5.0f;
    float spin_rate_ = 20.0f;
    std::unique_ptr<cScrub> scrub_; // made by load: its buffers need the GL context
    float acc_ = 0.0f;
    Vec3f radius_{0.4f, 0.5f, 0.2f};
    cScrubCues cues_;
    cScrubOverlay overlay_;
    std::unique_ptr<cMeshObj> backblow_, streaks_;
    cTextureDesc backblow_texture_, streaks_texture_;
    std::unique_ptr<cMeshMorph> greetings_[cScrubCues::kGreetings];
    cMaterial_GL greeting_material_{"greetmat"};
    float rdist_ = 0.0f, rdist2_ = 0.0f;
    float morph_ = 0.0f;
    // Kept for the whole run, so the flight goes on where it stopped when the scene comes
    // back; rewinding starts it over.
    struct sRun {
        float camera_z = 10.0f;
        int32_t first_frame_ms = 0;
        bool first_frame = true;
        bool first_overlay = true;
        float radius_changed_z = -1e9f;
    } run_;
};
