#include "cPostState.h"

#include "render/ScreenHelpers.h"

cPostState::cPostState() {
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_mask_);
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(1, 1, 1, 1);
    push_unit_square();
}

cPostState::~cPostState() {
    pop_unit_square();
    glDepthMask(depth_mask_);
    glPopAttrib();
}
