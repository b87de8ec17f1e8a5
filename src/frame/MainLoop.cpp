#include "MainLoop.h"

#include "base/FormatTime.h"
#include "base/Messages.h"
#include "base/cDisplaySettings.h"
#include "cLiveReload.h"
#include "platform/PerfCounter.h"
#include "timeline/cSceneManager.h"

#include <GL/gl.h>
#include <cstdlib>
#include <iomanip>

namespace {

// The demo time with the moment it was read, in the system's monotonic clock: what a recorder
// of the sound needs to tell whether the picture is in step with what is heard; then the scene
// on screen.
void dump_state(const cDemoTime& time, cDemo& demo) {
    msg_out() << "# demo time " << time.demo_time() << " ms at monotonic " << std::fixed
              << std::setprecision(6) << perf_monotonic_seconds(time.now_counter) << " s"
              << std::defaultfloat << std::endl;
    cScene* scene = scene_manager().current_scene();
    msg_out() << "# scene \"" << (scene ? scene->get_name() : "") << "\"" << std::endl;
    msg_err() << "-" << std::endl;
    msg_err() << format_time(time.demo_time()) << std::endl;
    demo.gui().dump();
}

// How far a seek key jumps, 0 for other keys; Home goes back to the start instead.
int32_t jump_of(int key) {
    switch (key) {
    case SDLK_RIGHT:
        return 5000;
    case SDLK_LEFT:
        return -5000;
    case SDLK_PAGEDOWN:
        return 30000;
    case SDLK_PAGEUP:
        return -30000;
    default:
        return 0;
    }
}

// The seek keys and p; true when the run jumped. A jump is counted from the music's position,
// which runs the audio latency ahead of the demo time.
bool handle_seek_key(int key, cSceneManager& manager) {
    const int32_t heard = manager.demo_time().demo_time() + manager.audio_latency_ms();
    if (key == SDLK_p)
        manager.set_paused(!manager.paused());
    else if (key == SDLK_HOME)
        manager.seek(0);
    else if (const int32_t jump = jump_of(key))
        manager.seek(heard + jump);
    else
        return false;
    return key != SDLK_p;
}

} // namespace

bool pump_events(cInputState& input) {
    const cDisplaySettings& settings = display_settings();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        if (!input.apply(event, settings.width, settings.height))
            return false;
    return true;
}

bool handle_keys(cInputState& input, cDemo& demo, cSceneManager& manager) {
    const std::vector<int> presses = std::move(input.key_presses);
    input.key_presses.clear();
    for (int key : presses) {
        if (key == SDLK_ESCAPE || key == SDLK_q)
            return false;
        if (key == SDLK_TAB)
            demo.toggle_gui();
        else if (key == SDLK_SPACE)
            dump_state(manager.demo_time(), demo);
        else if (handle_seek_key(key, manager))
            demo.gui().refill(manager.current_scene()); // the jump may have switched scenes
    }
    return true;
}

void feed_pointer(cInputState& input, cTweakGui& gui, iTweakable* current) {
    gui.handle_pointer({input.mouse[0], input.mouse[1], input.button_held(), input.clicked},
                       current);
    input.clicked = false;
}

bool update_frame(cDemo& demo) {
    cSceneManager& manager = scene_manager();
    if (!pump_events(input_state()) || !handle_keys(input_state(), demo, manager))
        return false;
    if (manager.frame_update())
        demo.gui().refill(manager.current_scene());
    if (demo.gui_visible())
        feed_pointer(input_state(), demo.gui(), manager.current_scene());
    else
        input_state().clicked = false; // a click on a hidden GUI is nobody's
    return true;
}

void draw_frame(cDemo& demo) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    scene_manager().draw_current();
    if (demo.gui_visible())
        demo.gui().draw();
}

bool run_frame(cDemo& demo) {
    if (!update_frame(demo))
        return false;
    draw_frame(demo);
    SDL_GL_SwapBuffers();
    return true;
}

void run_main_loop(cDemo& demo) {
    // Keys pressed on the load screen are not acted on; Escape and the close button still end.
    if (!pump_events(input_state()))
        std::exit(0);
    input_state().key_presses.clear();
    cLiveReload reload;
    reload.start();
    scene_manager().start_playback();
    do
        reload.apply();
    while (run_frame(demo));
    std::exit(0);
}
