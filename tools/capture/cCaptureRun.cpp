#include "cCaptureRun.h"

#include "base/FormatTime.h"
#include "frame/AppSetup.h"
#include "frame/MainLoop.h"
#include "frame/Startup.h"
#include "platform/LightDevice.h"
#include "render/GlExtensions.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/post/cPostSpan.h"
#include "timeline/cSceneManager.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

using tClock = std::chrono::steady_clock;

double ms_between(tClock::time_point a, tClock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

int pool_peak() {
    return cSingleton<cRenderTargetManager>::exists() ? render_target_manager().peak() : 0;
}

} // namespace

cCaptureRun* cCaptureRun::active_ = nullptr;

cCaptureRun::cCaptureRun(const sCaptureOptions& options)
    : options_(options), grid_(options.fps), outputs_(options) {}

void cCaptureRun::run() {
    active_ = this;
    // SDL's dummy driver opens no device, yet the sound layer still opens
    // the stream and reports its length, so the messages stay the demo's. It
    // reports no delay either: the virtual clock alone says what time it is.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("DEMO_SOUND", "sdl", 1);
    std::signal(SIGPIPE, SIG_IGN); // a failed ffmpeg shows as a failed write
    set_clock_source(&clock_);
    cDisplaySettings& settings = display_settings();
    apply_widescreen_answer(options_.wide ? eAnswer::yes : eAnswer::no, settings);
    settings.swap_interval = 0; // frames are read back, never waited on
    if (options_.width > 0) {   // framed as on a screen of that size, whatever the screen is
        settings.fit_screen(uint32_t(options_.width), uint32_t(options_.height));
        settings.fit_desktop = false;
    }
    run_demo(settings, frame_loop);
}

void cCaptureRun::frame_loop(cDemo& demo) {
    active_->run_frames(demo);
}

int32_t cCaptureRun::timeline_end() {
    cSceneManager& manager = scene_manager();
    const cEvent quit = manager.event_queue()->find_first(cEvent::kQuit);
    quit_ends_run_ = quit.type == cEvent::kQuit;
    return quit_ends_run_ ? quit.time : manager.sound().length_ms();
}

void cCaptureRun::start() {
    // Registered after the demo's tear-down handler, so it runs before it.
    std::atexit(at_exit);
    end_ms_ = timeline_end();
    try {
        outputs_.fit_timeline(end_ms_);
    } catch (const std::exception& e) {
        fail(e.what(), true);
    }
    // With every output ending before the timeline does, the run stops there;
    // otherwise the timeline's own quit ends it.
    quit_ends_run_ = quit_ends_run_ && outputs_.stop_ms() >= end_ms_;
    if (options_.width > 0) {
        // Frames of a given size land in a framebuffer of that size, not in a window the
        // screen may not hold.
        screen_ = std::make_unique<cRenderTarget_fbo>(options_.width, options_.height);
        screen_->create();
    }
    outputs_.set_renderer(std::string(reinterpret_cast<const char*>(glGetString(GL_RENDERER))) +
                          " | " + reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    clock_.hold_at(clock_.now_ms());
    scene_manager().start_playback();
    playback_ms_ = clock_.now_ms();
}

void cCaptureRun::run_frames(cDemo& demo) {
    start();
    if (options_.back_from >= 0)
        play_and_jump_back(demo);
    for (int64_t n = grid_.first_from(-cSceneManager::kAudioLatencyMs);; ++n) {
        if (grid_.time_of(n) >= outputs_.stop_ms() && !quit_ends_run_)
            break;
        step(demo, n);
    }
    done_ = true;
    std::exit(0);
}

void cCaptureRun::play_and_jump_back(cDemo& demo) {
    for (int64_t n = grid_.first_from(-cSceneManager::kAudioLatencyMs);; ++n) {
        const int32_t t = grid_.time_of(n);
        if (t > options_.back_from)
            break;
        hold_clock_at(t);
        if (!update_frame(demo))
            std::exit(0);
        progress_.update(n, t, scene_label());
    }
    scene_manager().rewind_run();
    std::fprintf(stderr, "# capture: jumped back to the start from %s\n",
                 format_time(options_.back_from).c_str());
}

void cCaptureRun::hold_clock_at(int32_t t) {
    clock_.hold_at(playback_ms_ + cSceneManager::kAudioLatencyMs + t);
    reached_ms_ = t;
}

void cCaptureRun::step(cDemo& demo, int64_t n) {
    const int32_t t = grid_.time_of(n), next = grid_.time_of(n + 1);
    hold_clock_at(t);
    if (screen_) {
        ext::glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, screen_->framebuffer());
        set_picture_viewport(display_settings());
    }
    const tClock::time_point begin = tClock::now();
    if (!update_frame(demo))
        std::exit(0);
    if (scene_manager().demo_time().demo_time() != t)
        fail("the demo's clock does not read the frame's time " + std::to_string(t), true);
    if (!outputs_.wants_drawing(t, next)) {
        progress_.update(n, t, scene_label());
        return;
    }
    // Only the frames whose post effects are timed pay for the timing's waits on the GL.
    const std::string scene = scene_label();
    const bool post_timed = outputs_.times_post(scene, t);
    cPostSpan::enable_timing(post_timed);
    draw_frame(demo);
    const tClock::time_point drawn = tClock::now();
    if (outputs_.wants_pixels(t, next)) {
        const cDisplaySettings& s = display_settings();
        try {
            outputs_.take(cFrame::read_back(int(s.width), int(s.height)), t, next, scene);
        } catch (const std::exception& e) {
            fail(e.what(), true);
        }
    }
    const tClock::time_point read = tClock::now();
    SDL_GL_SwapBuffers();
    outputs_.record(scene, t, ms_between(begin, drawn) + ms_between(read, tClock::now()),
                    cPostSpan::take_ms(), pool_peak(), post_timed);
    progress_.update(n, t, scene);
}

std::string cCaptureRun::scene_label() {
    cSceneManager& manager = scene_manager();
    cScene* scene = manager.current_scene();
    if (!scene)
        return "-";
    const std::vector<cScene*>& scenes = manager.scenes();
    for (size_t i = 0; i < scenes.size(); ++i)
        if (scenes[i] == scene) {
            char number[8];
            std::snprintf(number, sizeof number, "s%02d ", static_cast<int>(i));
            return number + scene->get_name();
        }
    return scene->get_name();
}

void cCaptureRun::at_exit() {
    cCaptureRun* run = active_;
    if (!run || run->failed_)
        return;
    run->progress_.close();
    if (!run->done_ && run->reached_ms_ < run->end_ms_)
        run->fail("the demo ended at " + format_time(run->reached_ms_) +
                      " before every requested frame was drawn",
                  false);
    try {
        run->outputs_.finish();
    } catch (const std::exception& e) {
        run->fail(e.what(), false);
    }
}

void cCaptureRun::fail(const std::string& what, bool through_exit) {
    failed_ = true;
    progress_.close();
    std::fprintf(stderr, "## ERROR: capture: %s\n", what.c_str());
    outputs_.discard();
    if (through_exit)
        std::exit(1);
    std::fflush(nullptr);
    light_device_restore(); // the demo's tear-down, which would, is skipped
    std::_Exit(1);          // already inside exit: its handlers must not run twice
}
