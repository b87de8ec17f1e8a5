// The opening scene: two clouds of glowing points traced by the Pickover attractor, rebuilt
// from fresh orbit points every few frames, turning in front of a fractal background and two
// dark logo solids; the tune's beats switch between nine looks with a flash.
#pragma once

#include "cAttractorBeats.h"
#include "cAttractorPresets.h"
#include "cAttractorStream.h"
#include "mesh_files/iMesh.h"
#include "render/cTextureDesc.h"
#include "render/iRenderTarget.h"
#include "render/post/PostParams.h"
#include "timeline/cScene.h"

#include <memory>

class cSceneAttractor : public cScene {
public:
    static constexpr const char* kFolder = "../data/models/mirrel_intro";
    static constexpr const char* kBackground = "ifs_back2.jpg";
    static constexpr const char* kArrowLogo = "logo_arrow.bzobj";
    static constexpr const char* kCubesLogo = "logo_cubes.bzobj";

    explicit cSceneAttractor(cDemoTime* time);
    ~cSceneAttractor() override;

    std::string get_name() override { return "animated attractors"; }
    // The streams' buffers, the background and the logos; both clouds get a first batch.
    void load() override;
    void init() override;
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    // The look's preset and drift and a recorded batch for each cloud.
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    // Step 1-4 of every frame: the preset, its drift over `seconds`, then a batch for each
    // cloud. Loading and a rewind make the first batch undrifted.
    void update_clouds(float seconds);

    const cAttractorLook& look() const { return run_.look; }
    const cAttractorBeatState& beat_state() const { return run_.beat; }
    int applied_preset() const { return run_.applied; }

private:
    void draw_backdrop(int32_t t);
    void draw_clouds(iRenderTarget& target, int32_t t);
    void finish(iRenderTarget& scene, iRenderTarget& clouds);

    std::unique_ptr<cAttractorStream> streams_[2];
    Vec3f color0_{1, 0.42f, 0}, color1_{1, 0.71f, 0.19f};
    cLevelsParams final_levels_;
    // What a run changes, from the first batch on; a rewind makes it anew. The beat count
    // runs on across both of the scene's stretches in the timeline.
    struct sRun {
        cAttractorBeats beats;
        cAttractorBeatState beat;
        cAttractorLook look;
        int applied = -1;
        float view_dist = 0; // the camera's distance: the look's before the frame's drift
    } run_;
    cTextureDesc background_;
    cCamera logo_camera_;
    std::unique_ptr<iMesh> arrow_, cubes_;
};
