// The demo's whole run after the wide-screen question: window, GL state,
// image library, search paths, tear-down handler, the load phase and the
// frame loop. It never returns; the program ends through exit.
#pragma once

#include "cDisplaySettings.h"

[[noreturn]] void run_demo(cDisplaySettings& settings);
