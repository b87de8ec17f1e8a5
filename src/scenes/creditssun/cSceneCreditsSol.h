// The credits sun ("greetings"): the intact room lit by light maps that flash with the tune,
// a black sun growing in its middle above a ring of rising dark smoke, a camera drifting and
// then cutting between four long paths; finished with spill, hue/saturation and levels.
#pragma once

#include "cCreditsSmoke.h"
#include "cCreditsSunCues.h"
#include "geometry/cCameraPaths.h"
#include "render/cTextureDesc.h"
#include "render/post/PostParams.h"
#include "scenes/litroom/cLitRoom.h"
#include "scenes/sun/cSunFlares.h"
#include "timeline/cScene.h"

class cSceneCreditsSol : public cScene {
public:
    explicit cSceneCreditsSol(cDemoTime* time);
    ~cSceneCreditsSol() override;

    std::string get_name() override { return "greetings"; }
    void load() override;
    void init() override;
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    const cCreditsSunCues& cues() const { return cues_; }
    const cLevelsParams& levels() const { return levels_; }

private:
    // The camera along the cue's path, for this frame's drawing.
    void follow_path();
    void draw_sun();

    cLevelsParams levels_;
    cHsbParams hsb_;
    // The run's counts and first times, which the cues read and a rewind makes anew;
    // declared before the cues, which keep a pointer to them.
    cCreditsSunCounters counters_;
    cCreditsSunCues cues_;
    bool loaded_ = false;
    cLitRoom room_;
    cCameraPaths paths_; // cCreditsSunCues::kPaths of them, then the slow one
    cSunFlares sun_;
    Vec3f sun_position_{0, 175, 0};
    float sun_scale_ = 1;
    Vec3f shake_{0, 0, 0}; // the sun's offset this frame, from three table values
    cCreditsSmoke smoke_;
};
