// The frame loop: pump SDL's events, act on the keys pressed, advance the clock
// and the timeline, draw the current scene and swap. No sleep and no frame
// cap; it ends only through exit, which runs the tear-down handler.
#pragma once

#include "base/cDemoTime.h"
#include "cDemo.h"
#include "cInputState.h"
#include "timeline/cSceneManager.h"

// Drains SDL's event queue into `input`; false when the program must end.
bool pump_events(cInputState& input);
// Acts on every key pressed since the last call, once each and in order: Tab
// toggles the GUI, Space dumps the demo time, Right / Left jump 5 s, Page Down /
// Page Up 30 s, Home to the start, p pauses and resumes; false on Escape or q.
bool handle_keys(cInputState& input, cDemo& demo, cSceneManager& manager);
// The pointer handed to the GUI; a click it has now seen is no longer new.
void feed_pointer(cInputState& input, cTweakGui& gui, iTweakable* current);
// Events, keys, the clock, the timeline and the GUI of one frame; false when
// the program must end.
bool update_frame(cDemo& demo);
// Clears and draws the current scene and the GUI into the back buffer.
void draw_frame(cDemo& demo);
// One whole frame: update, draw, swap; false when the program must end.
bool run_frame(cDemo& demo);
// Starts the music and runs frames until the program ends.
[[noreturn]] void run_main_loop(cDemo& demo);
