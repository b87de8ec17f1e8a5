#include "Startup.h"

#include "AppSetup.h"
#include "LoadPhase.h"
#include "MainLoop.h"
#include "render/GlErrors.h"
#include "render/cShaderManager_CG.h"
#include "timeline/cSceneManager.h"
#include "toolkit/cRandomTable.h"

#include <GL/gl.h>
#include <cstdlib>

void run_demo(cDisplaySettings& settings, tFrameLoop frame_loop) {
    // Before anything can reseed the runtime generator, so every run draws
    // the same table.
    random_table().fill();
    if (!settings.windowed)
        settings.video_flags |= cDisplaySettings::kFullScreen;
    init_sdl(settings);
    // Dark grey at once, so the screen never shows garbage while GL starts.
    glClearColor(0.15f, 0.15f, 0.15f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    init_gl(settings);
    init_image_library();
    register_search_paths();
    cShaderManager_CG::get_instance()->init();
    check_gl_error("SDL_main");
    check_il_error();
    std::atexit(teardown);
    cDemo demo;
    load_phase(demo);
    frame_loop(demo);
    std::exit(0);
}
