// The demo's whole run after the wide-screen question: window, GL state,
// image library, search paths, tear-down handler, the load phase and the
// frame loop. It never returns; the program ends through exit.
#pragma once

#include "MainLoop.h"
#include "base/cDisplaySettings.h"

// Runs the given frame loop after the load phase: the demo's own by default,
// a tool's for offline runs. The program ends through exit even if it returns.
using tFrameLoop = void (*)(cDemo& demo);

[[noreturn]] void run_demo(cDisplaySettings& settings, tFrameLoop frame_loop = run_main_loop);
