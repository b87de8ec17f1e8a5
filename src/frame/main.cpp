// The demo's entry: one question (stretch the picture to a wide screen,
// letterbox it, or quit), then the run. There is no command line and no
// configuration; the arguments are ignored.
#include "AppSetup.h"
#include "Startup.h"

int main(int, char**) {
    cDisplaySettings& settings = display_settings();
    apply_widescreen_answer(
        message_box_yes_no_cancel("Stretch to WIDE-screen?", "WIDE-screen pleassure?"), settings);
    run_demo(settings);
}
