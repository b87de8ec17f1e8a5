#include "MainLoop.h"

#include "FormatTime.h"
#include "Messages.h"
#include "cDisplaySettings.h"
#include "cSceneManager.h"

#include <GL/gl.h>
#include <cstdlib>

namespace {

void dump_state(const cDemoTime& time) {
    msg_err() << "-" << std::endl;
    msg_err() << format_time(time.demo_time()) << std::endl;
}

void draw_frame(cSceneManager& manager) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    manager.draw_current();
    SDL_GL_SwapBuffers();
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

bool handle_keys(cInputState& input, cDemo& demo, const cDemoTime& time) {
    for (auto key = input.pressed_keys.begin(); key != input.pressed_keys.end();) {
        if (*key == SDLK_ESCAPE || *key == SDLK_q)
            return false;
        if (*key == SDLK_TAB) {
            demo.toggle_gui();
            key = input.pressed_keys.erase(key);
        } else if (*key == SDLK_SPACE) {
            dump_state(time);
            key = input.pressed_keys.erase(key);
        } else {
            ++key;
        }
    }
    return true;
}

void run_main_loop(cDemo& demo) {
    cSceneManager& manager = scene_manager();
    manager.start_playback();
    for (;;) {
        if (!pump_events(input_state()) || !handle_keys(input_state(), demo, manager.demo_time()))
            std::exit(0);
        manager.frame_update();
        draw_frame(manager);
    }
}
