// A known drawing state for what is drawn over a finished frame (the tweak GUI), whatever
// the frame's drawing left behind: no shader, no texturing on any unit, no tests, fog or
// masks, alpha blending, the whole window and unit-square matrices. All of it is given back.
#pragma once

#include "cSavedState.h"

#include <GL/gl.h>
#include <memory>

class cOverlayState {
public:
    cOverlayState();
    ~cOverlayState();
    cOverlayState(const cOverlayState&) = delete;
    cOverlayState& operator=(const cOverlayState&) = delete;

private:
    static void disable_texturing(GLint units);

    GLint active_unit_ = 0;
    std::unique_ptr<cSavedState> saved_; // made once the active unit is read
};
