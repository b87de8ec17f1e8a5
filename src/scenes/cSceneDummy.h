// The grey fallback scene shown when the timeline asks for a scene number
// that is not in the list. It draws a grey screen and reports every event
// it receives, so a broken timeline is seen and heard of at once.
#pragma once

#include "timeline/cScene.h"

class cSceneDummy : public cScene {
public:
    using cScene::cScene;

    std::string get_name() override { return "dummy"; }
    void load() override {}
    void init() override {}
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* event) override;
    void update() override {}
};
