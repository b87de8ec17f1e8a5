// The demo's entry: the command line, the data folder, one question (stretch the picture to a
// wide screen, letterbox it, or quit) unless the command line answered it, then the run.
#include "AppSetup.h"
#include "Startup.h"
#include "cCommandLine.h"
#include "timeline/cSceneManager.h"

#include <iostream>

namespace {

void apply_options(const cCommandLine& options, cDisplaySettings& settings) {
    if (options.window) {
        settings.windowed = true;
        settings.fit_desktop = false;
        settings.fit_screen(options.window_width, options.window_height);
    }
    settings.swap_interval = options.vsync ? 1 : 0;
    scene_manager().set_loop(options.loop);
}

eAnswer widescreen_answer(const cCommandLine& options) {
    if (options.wide)
        return *options.wide ? eAnswer::yes : eAnswer::no;
    return message_box_yes_no_cancel("Stretch to WIDE-screen?", "WIDE-screen pleassure?");
}

} // namespace

int main(int argc, char** argv) {
    cCommandLine options;
    if (!options.parse(argc, argv)) {
        std::cerr << "mirrel: " << options.error() << std::endl;
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? cCommandLine::usage() : "mirrel " DEMO_VERSION "\n");
        return 0;
    }
    enter_data_folder();
    cDisplaySettings& settings = display_settings();
    apply_options(options, settings);
    apply_widescreen_answer(widescreen_answer(options), settings);
    run_demo(settings);
}
