// A capture run: the demo's own start-up, load phase and frame loop on a
// virtual clock, with the sound silent, reading back the frames the outputs
// need. Only one exists; the program ends through exit, which finishes it.
#pragma once

#include "cCaptureOptions.h"
#include "cCaptureOutputs.h"
#include "cFrameGrid.h"
#include "cProgressLine.h"
#include "cVirtualClock.h"
#include "render/cRenderTarget_fbo.h"

#include <memory>

class cDemo;

class cCaptureRun {
public:
    explicit cCaptureRun(const sCaptureOptions& options);

    // Before anything starts: every output can be written. Throws.
    void check() { outputs_.check(); }
    // Start-up, load phase and the capture frame loop; ends the program.
    [[noreturn]] void run();

private:
    static void frame_loop(cDemo& demo);
    static void at_exit();

    void start();
    void run_frames(cDemo& demo);
    // With --back-from: the run played up to that time by updates alone, then rewound.
    void play_and_jump_back(cDemo& demo);
    void hold_clock_at(int32_t t);
    void step(cDemo& demo, int64_t n);
    [[noreturn]] void fail(const std::string& what, bool through_exit);
    std::string scene_label();
    int32_t timeline_end();

    static cCaptureRun* active_;

    sCaptureOptions options_;
    cFrameGrid grid_;
    cVirtualClock clock_;
    cCaptureOutputs outputs_;
    cProgressLine progress_;
    int64_t playback_ms_ = 0; // the clock when playback started
    int32_t end_ms_ = 0;
    int32_t reached_ms_ = INT32_MIN; // the last frame that was updated
    bool quit_ends_run_ = false;     // the timeline's quit event ends the run
    bool done_ = false;              // every frame the outputs need was drawn
    bool failed_ = false;
    std::unique_ptr<cRenderTarget_fbo> screen_; // with --size: the frame's framebuffer
};
