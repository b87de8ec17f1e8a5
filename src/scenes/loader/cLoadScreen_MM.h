// The load screen: a lit hardware panel seen through a fixed camera, whose
// knob turns up to 270 degrees and whose meter brightens with progress,
// graded blue, given a glow, with an overlay on top. Restores what it changed.
#pragma once

#include "base/cDemoTime.h"
#include "iLoadScreen.h"
#include "mesh_files/cMeshObj.h"
#include "render/cSavedState.h"
#include "render/post/cColorCorrection.h"

#include <memory>

class cLoadScreen_MM : public iLoadScreen {
public:
    static constexpr int32_t kAnimationMs = 200;

    // Animations are timed on `clock`, the demo's clock, read without advancing it.
    explicit cLoadScreen_MM(const cDemoTime& clock);
    ~cLoadScreen_MM();
    cLoadScreen_MM(const cLoadScreen_MM&) = delete;
    cLoadScreen_MM& operator=(const cLoadScreen_MM&) = delete;

    // Eases from the progress shown last to `progress` over 200 ms, swapping
    // each frame; without animation draws one frame of the old progress and
    // leaves the swap to the caller.
    void show_progress(float progress, bool animate) override;
    // One frame of the screen at progress `v`, into the current framebuffer.
    void draw_frame(float v);

private:
    void draw_panel(float v);
    void draw_knob(float v);
    void draw_overlay();
    static std::unique_ptr<cMeshObj> load_mesh(const char* file);

    const cDemoTime& clock_;
    std::unique_ptr<cSavedState> saved_; // what the load screen changes, given back at its end
    int saved_viewport_[4] = {0, 0, 0, 0};
    float saved_clear_[4] = {0, 0, 0, 0};
    std::unique_ptr<cMeshObj> knob_, sort_, indicator_, led_, panel_;
    cTextureDesc knob_texture_, panel_texture_, overlay_texture_;
    float shown_ = 0.0f;
    std::unique_ptr<cColorCorrection> correction_;
};
