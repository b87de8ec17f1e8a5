// The application frame's start-up steps and its tear-down handler, in the
// order the entry runs them: SDL and the window, the fixed GL state, the
// image library, the search paths; tear-down undoes them in reverse.
#pragma once

#include "base/cDisplaySettings.h"
#include "platform/MessageBox.h"

// The wide-screen question's answer applied: Yes stretches, Cancel ends the
// program at once (nothing is set up yet), No keeps the letterbox.
void apply_widescreen_answer(eAnswer answer, cDisplaySettings& settings);
// The data lies at "../data" from the working directory, as the search paths name it. A working
// directory where it lies is kept (bin/ of the tree, a test's own tree); elsewhere the program
// moves to where its executable says: bin/ of the build tree, or the share folder of its
// prefix where it is installed. Without data anywhere it ends with one line naming the folders.
void enter_data_folder();
// Whether the working directory already has the data, so enter_data_folder stays.
bool data_in_working_folder();
void init_sdl(cDisplaySettings& settings);
void init_gl(const cDisplaySettings& settings);
void init_image_library();
void register_search_paths();
// Registered with atexit: every way out of the program passes through it.
void teardown();
