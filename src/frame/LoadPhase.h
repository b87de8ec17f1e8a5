// The load phase: the timeline, the music stream and the clock start, the
// scenes are made and loaded behind the load screen, which stays up at least
// five seconds and then fades to black before the MIDI events are added.
#pragma once

#include "cDemo.h"

class cLoadScreen_MM;
class cSceneManager;

// Everything between the window opening and the music starting.
void load_phase(cDemo& demo);

// The load screen stays until this long after the clock started...
constexpr int32_t kMinimumLoadMs = 5000;
// ...then fades to black over this long (black after the first 1000 ms).
constexpr int32_t kFadeMs = 1500;

// Loads each scene in list order, showing the progress after each.
void load_scenes(cSceneManager& manager, cLoadScreen_MM& screen);
// Keeps the finished progress animating until kMinimumLoadMs have passed.
void hold_load_screen(cSceneManager& manager, cLoadScreen_MM& screen);
// Fades the finished load screen to black.
void fade_load_screen(cSceneManager& manager, cLoadScreen_MM& screen);
// A black quad of the given opacity over the whole picture.
void draw_black(float alpha);
