// The demo's whole run after the wide-screen question: window, GL state,
// image library, search paths, tear-down handler, the load phase and the
// frame loop. It never returns; the program ends through exit.
#pragma once

#include "cDisplaySettings.h"

// Starts the timeline, the music stream and the clock, and loads the scenes.
void load_phase();
[[noreturn]] void run_demo(cDisplaySettings& settings);
