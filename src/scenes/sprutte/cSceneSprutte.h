// The six-armed creature floating in a white, fogged plasma tube inside its cage: an intro
// with a scripted camera and a receding fog wall, then the camera jumping between nine paths
// on the kicks, rings flying through the tube from the 70th; spilled, graded orange, blurred
// towards the edges.
#pragma once

#include "cSprutteCage.h"
#include "cSprutteCreature.h"
#include "cSprutteFlight.h"
#include "cSprutteKicks.h"
#include "cSpruttePost.h"
#include "cSprutteTube.h"
#include "timeline/cScene.h"

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

    const cSprutteKicks& kicks() const { return run_.kicks; }
    const cCamera& camera() const { return camera_; }
    float fog_near() const { return flight_.fog_near; }
    float fog_far() const { return flight_.fog_far; }
    float propagation() const { return creature_.propagation; }

private:
    float seconds() const { return static_cast<float>(demo_time()) / 1000.0f; }
    static void light_centre();
    void draw_world(float t);

    cSprutteFlight flight_;
    cSprutteTube tube_;
    cSprutteCage cage_;
    cSprutteCreature creature_;
    cSpruttePost post_;
    // What the run has done with the scene, kept across its entries so that re-entering goes
    // on from it; rewinding starts it over. All else a frame reads is set again on each entry
    // by init (the camera, the arms, their turn and ripple) or on each frame by update (the
    // camera's place, the fog).
    struct sRun {
        cSprutteKicks kicks;
        float first_update_s = -1; // the intro's flight and fog wall count from it
    } run_;
};
