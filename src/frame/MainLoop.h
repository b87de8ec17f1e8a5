// The frame loop: pump SDL's events, handle the held keys, advance the clock
// and the timeline, draw the current scene and swap. No sleep and no frame
// cap; it ends only through exit, which runs the tear-down handler.
#pragma once

#include "base/cDemoTime.h"
#include "cDemo.h"
#include "cInputState.h"

// Drains SDL's event queue into `input`; false when the program must end.
bool pump_events(cInputState& input);
// Tab toggles the GUI, Space dumps the demo time; false on Escape or q.
bool handle_keys(cInputState& input, cDemo& demo, const cDemoTime& time);
// Events, keys, the clock, the timeline and the GUI of one frame; false when
// the program must end.
bool update_frame(cDemo& demo);
// Clears and draws the current scene and the GUI into the back buffer.
void draw_frame(cDemo& demo);
// One whole frame: update, draw, swap; false when the program must end.
bool run_frame(cDemo& demo);
// Starts the music and runs frames until the program ends.
[[noreturn]] void run_main_loop(cDemo& demo);
