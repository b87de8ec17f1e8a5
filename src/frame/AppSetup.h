// The application frame's start-up steps and its tear-down handler, in the
// order the entry runs them: SDL and the window, the fixed GL state, the
// image library, the search paths; tear-down undoes them in reverse.
#pragma once

#include "base/cDisplaySettings.h"
#include "platform/MessageBox.h"

// The wide-screen question's answer applied: Yes stretches, Cancel ends the
// program at once (nothing is set up yet), No keeps the letterbox.
void apply_widescreen_answer(eAnswer answer, cDisplaySettings& settings);
void init_sdl(cDisplaySettings& settings);
void init_gl(const cDisplaySettings& settings);
void init_image_library();
void register_search_paths();
// Registered with atexit: every way out of the program passes through it.
void teardown();
