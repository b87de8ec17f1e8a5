// What the player's keyboard and mouse are doing, written by the event pump
// each frame: the keys pressed since the last key handling (in order) and the
// keys held, the mouse and last click positions normalised to 0..1 from the
// bottom left, and the buttons, with a press kept until a frame has seen it.
#pragma once

#include "base/Singleton.h"

#include <SDL.h>
#include <set>
#include <vector>

struct cInputState {
    static constexpr int kButtons = 6; // SDL numbers 1-3 the buttons, 4-5 the wheel

    // Every key down since the key handling last ran: a tap whose key up arrives
    // before the next frame is still acted on, once.
    std::vector<int> key_presses;
    std::set<int> pressed_keys;
    float mouse[3] = {0, 0, 0};
    float click[3] = {0, 0, 0};
    bool buttons[kButtons] = {};
    // A real button went down since the last frame read the pointer.
    bool clicked = false;

    // The wheel's flags stay set once turned, so only the three real buttons
    // count as held; otherwise one turn of the wheel would end hovering for good.
    // A click shorter than a frame counts as held for that one frame.
    bool button_held() const { return clicked || buttons[1] || buttons[2] || buttons[3]; }

    // Records one event. False when it ends the program at once: Escape
    // pressed or the window closed.
    bool apply(const SDL_Event& event, unsigned width, unsigned height);
};

inline cInputState& input_state() {
    return cSingleton<cInputState>::get();
}
