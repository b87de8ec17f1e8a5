// What the player's keyboard and mouse are doing, written by the event pump
// each frame: the keys held (lower-cased, each once), the mouse and last
// click positions normalised to 0..1 from the bottom left, and the buttons.
#pragma once

#include "base/Singleton.h"

#include <SDL.h>
#include <set>

struct cInputState {
    static constexpr int kButtons = 6; // SDL numbers 1-3 the buttons, 4-5 the wheel

    std::set<int> pressed_keys;
    float mouse[3] = {0, 0, 0};
    float click[3] = {0, 0, 0};
    bool buttons[kButtons] = {};

    // The wheel's flags stay set once turned, so only the three real buttons
    // count as held; otherwise one turn of the wheel would end hovering for good.
    bool button_held() const { return buttons[1] || buttons[2] || buttons[3]; }

    // Records one event. False when it ends the program at once: Escape
    // pressed or the window closed.
    bool apply(const SDL_Event& event, unsigned width, unsigned height);
};

inline cInputState& input_state() {
    return cSingleton<cInputState>::get();
}
