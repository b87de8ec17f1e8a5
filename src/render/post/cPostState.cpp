#include "cPostState.h"

#include "render/ScreenHelpers.h"

cPostState::cPostState() : saved_(GL_CURRENT_BIT | GL_ENABLE_BIT) {
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(1, 1, 1, 1);
    push_unit_square();
}

cPostState::~cPostState() {
    pop_unit_square(); // then the saved state gives back the rest
}
