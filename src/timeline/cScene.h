// The interface of everything that fills the screen for a stretch of the tune. `update`
// advances all a later frame reads; `draw` only draws from it; each switch starts a scene
// from one baseline GL state and random cursor, so no picture depends on the road to it.
#pragma once

#include "base/cDemoTime.h"
#include "cEvent.h"
#include "geometry/cCamera.h"
#include "toolkit/iTweakable.h"

#include <string>

class cScene : public iTweakable {
public:
    explicit cScene(cDemoTime* time) : time_(time) { reset_camera(camera_); }
    cScene(const cScene&) = delete;
    cScene& operator=(const cScene&) = delete;
    virtual ~cScene() = default;

    std::string get_name() override = 0;
    // Meshes, pictures, paths and shaders; once, behind the load screen.
    virtual void load() = 0;
    // The scene comes on: from the baseline GL state, it sets the state it needs.
    virtual void init() = 0;
    virtual void deinit() = 0;
    // Draws the frame from the state update left. It may rebuild what follows from that
    // state alone (a buffer of traced points, the arms' geometry), and it leaves nothing
    // that a later frame reads: a frame that is never drawn changes nothing that follows.
    virtual void draw() = 0;
    virtual void handle_event(cEvent* event) = 0;
    // Advances everything a later frame reads: counters, first-frame times, particles,
    // growth, recorded point batches, camera moves, random draws. Once a frame, before draw.
    virtual void update() = 0;
    // Forgets what the run has done with the scene (counters, first frames, particles,
    // growth): it is as just loaded, so the run can be played again from its start.
    virtual void rewind() {}
    // Adds the scene's tweakable variables to the GUI's list; most have none.
    void register_vars(cGuiVarList& /*vars*/) override {}

protected:
    int32_t demo_time() const { return time_->demo_time(); }

    cCamera camera_;
    cDemoTime* time_; // the scene manager's, not owned
};
