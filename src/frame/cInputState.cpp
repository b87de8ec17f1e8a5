#include "cInputState.h"

#include <cctype>

namespace {

int lower_key(SDLKey key) {
    const int code = static_cast<int>(key);
    return code < 128 ? std::tolower(code) : code;
}

void normalise(int x, int y, unsigned width, unsigned height, float* out) {
    out[0] = static_cast<float>(x) / static_cast<float>(width);
    out[1] = static_cast<float>(static_cast<int>(height) - y) / static_cast<float>(height);
    out[2] = 0.0f;
}

} // namespace

bool cInputState::apply(const SDL_Event& event, unsigned width, unsigned height) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE)
            return false;
        key_presses.push_back(lower_key(event.key.keysym.sym));
        pressed_keys.insert(key_presses.back());
        break;
    case SDL_KEYUP:
        pressed_keys.erase(lower_key(event.key.keysym.sym));
        break;
    case SDL_MOUSEMOTION:
        normalise(event.motion.x, event.motion.y, width, height, mouse);
        break;
    case SDL_MOUSEBUTTONDOWN:
        normalise(event.button.x, event.button.y, width, height, click);
        // The pointer is where the button went down, even without a motion event.
        normalise(event.button.x, event.button.y, width, height, mouse);
        if (event.button.button < kButtons)
            buttons[event.button.button] = true;
        clicked = clicked || event.button.button <= 3;
        break;
    case SDL_MOUSEBUTTONUP:
        // The wheel "buttons" 4 and 5 stay set once turned.
        if (event.button.button <= 3)
            buttons[event.button.button] = false;
        break;
    case SDL_QUIT:
        return false;
    default:
        break;
    }
    return true;
}
