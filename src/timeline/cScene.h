// The interface of everything that fills the screen for a stretch of the
// tune. The scene manager owns every scene; a scene reads demo time from the
// manager's time block and never owns the events it is handed.
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
    virtual void load() = 0;
    virtual void init() = 0;
    virtual void deinit() = 0;
    virtual void draw() = 0;
    virtual void handle_event(cEvent* event) = 0;
    virtual void update() = 0;
    // Forgets what the run has done with the scene (counters, first frames, particles,
    // growth): it is as just loaded, so the run can be played again from its start.
    virtual void rewind() {}
    // Adds the scene's tweakable variables to the GUI's list; most have none.
    void register_vars(cGuiVarList& /*vars*/) override {}

protected:
    int32_t demo_time() const { return time_->demo_time(); }

    cCamera camera_;
    cDemoTime* time_;   // the scene manager's, not owned
    bool flag_ = false; // left to each scene
};
