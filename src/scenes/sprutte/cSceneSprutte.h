// The six-armed creature floating in a white, fogged plasma tube inside its cage: an intro
// with a scripted camera and a receding fog wall, then the camera jumping between nine paths
// on the kicks, rings flying through the tube from the 70th; spilled, graded orange, blurred
// towards the edges.
#pragma once

#include "cFacingTriangles.h"
#include "cSprutteArm.h"
#include "cSprutteBody.h"
#include "cSprutteKicks.h"
#include "geometry/cCameraPaths.h"
#include "mesh_files/cMeshObj.h"
#include "render/cTextureDesc.h"
#include "render/post/cColorCorrection.h"
#include "timeline/cScene.h"

#include <array>
#include <memory>

class cSceneSprutte : public cScene {
public:
    static constexpr const char* kFolder = "../data/models/sprutte";

    explicit cSceneSprutte(cDemoTime* time) : cScene(time) {}

    std::string get_name() override { return "sprutte"; }
    void load() override;
    void init() override;
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    const cSprutteKicks& kicks() const { return kicks_; }
    const cCamera& camera() const { return camera_; }
    float fog_near() const { return fognear_; }
    float fog_far() const { return fogfar_; }
    float propagation() const { return propagation_; }

private:
    enum eMesh { BALL, JOINT, CAGE, TUBE, RING, HAIR, MORPH_IN, MORPH_OUT, WRECK, MESH_COUNT };

    float seconds() const { return static_cast<float>(demo_time()) / 1000.0f; }
    void place_camera(float t);
    void draw_world(float t);
    void draw_tube(float t);
    void draw_rings(float t);
    void draw_cage();
    void draw_arms();
    void draw_core();
    void post_process(iRenderTarget& scene);

    std::array<std::unique_ptr<cMeshObj>, MESH_COUNT> meshes_;
    cTextureDesc plasma_, blur_mask_;
    std::unique_ptr<cColorCorrection> grade_;
    cCameraPaths paths_; // cSprutteKicks::kPathCount of them
    cSprutteKicks kicks_;
    cSprutteArm arm_;
    std::unique_ptr<cSprutteBody> body_;
    cFacingTriangles cage_facing_;
    float propagation_ = 2250;
    float angle_ = 0.7853982f;
    float fognear_ = 0, fogfar_ = 0;
    // Taken once per run, at the first update and the first draw: re-entering the scene goes on
    // from them.
    float fog_start_s_ = -1, camera_start_s_ = -1;
};
