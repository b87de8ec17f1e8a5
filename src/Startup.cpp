#include "Startup.h"

#include "AppSetup.h"
#include "GlErrors.h"
#include "MainLoop.h"
#include "cMidiReader.h"
#include "cSceneManager.h"

#include <GL/gl.h>
#include <cstdlib>

namespace {
const char* const kMidiFile = "../data/music/pulse55.mid";
} // namespace

void load_phase() {
    cSceneManager& manager = scene_manager();
    manager.start();
    cMidiReader::read_into_queue(kMidiFile, *manager.event_queue());
    manager.event_queue()->rewind();
}

void run_demo(cDisplaySettings& settings) {
    settings.video_flags |= cDisplaySettings::kFullScreen;
    init_sdl(settings);
    // Dark grey at once, so the screen never shows garbage while GL starts.
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    init_gl(settings);
    init_image_library();
    register_search_paths();
    check_gl_error("SDL_main");
    check_il_error();
    std::atexit(teardown);
    cDemo demo;
    load_phase();
    run_main_loop(demo);
}
