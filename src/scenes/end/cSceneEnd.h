// The closing scene: the group's logo over the whole frame, still, until the demo quits.
// The logo is stretched to the frame whatever its own size, so nothing behind it shows and
// the scene never clears.
#pragma once

#include "render/cTextureDesc.h"
#include "timeline/cScene.h"

class cSceneEnd : public cScene {
public:
    static constexpr const char* kLogoFile = "mrllogo_full2.jpg";

    using cScene::cScene;

    std::string get_name() override { return "endscene"; }
    void load() override;
    void init() override {}
    void deinit() override {}
    void draw() override;
    void handle_event(cEvent* /*event*/) override {}
    void update() override {}

    const cTextureDesc& logo() const { return logo_; }

private:
    cTextureDesc logo_;
};
