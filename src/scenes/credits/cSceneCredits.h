// The credits room ("greetings"): the busted room lit by baked light maps that stutter with
// the tune, a logo turning in the middle that dims with the lights, camera cuts between
// eight paths and a grey flash that decays; finished with spill, a yellow grade and levels.
#pragma once

#include "cCreditsRoomCues.h"
#include "geometry/cCameraPaths.h"
#include "mesh_files/cMeshObj.h"
#include "render/cTextureDesc.h"
#include "render/post/PostParams.h"
#include "render/post/cColorCorrection.h"
#include "scenes/litroom/cLitRoom.h"
#include "timeline/cScene.h"

#include <memory>

class cSceneCredits : public cScene {
public:
    explicit cSceneCredits(cDemoTime* time);
    ~cSceneCredits() override;

    std::string get_name() override { return "greetings"; }
    void load() override;
    void init() override;
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override;
    void rewind() override;
    void register_vars(cGuiVarList& vars) override;

    const cCreditsRoomCues& cues() const { return cues_; }
    const cLevelsParams& levels() const { return levels_; }
    const cHsbParams& hsb() const { return hsb_; }

private:
    void draw_logo();
    static void light_logo(float level);
    void finish_frame();

    cLevelsParams levels_;
    cHsbParams hsb_;
    std::unique_ptr<cColorCorrection> yellow_;
    // The run's counts and first times, which the cues read and a rewind makes anew;
    // declared before the cues, which keep a pointer to them.
    cCreditsRoomCounters counters_;
    cCreditsRoomCues cues_;
    bool loaded_ = false;
    cLitRoom room_;
    std::unique_ptr<cMeshObj> logo_;
    cCameraPaths paths_; // cCreditsRoomCues::kPaths of them
};
