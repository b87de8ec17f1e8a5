#include "cSavedState.h"

cSavedState::cSavedState(GLbitfield attribute_groups) {
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_mask_);
    glGetIntegerv(GL_BLEND_SRC, &blend_source_);
    glGetIntegerv(GL_BLEND_DST, &blend_destination_);
    glPushAttrib(attribute_groups);
}

// In reverse: the groups first, then what lies outside the groups that were pushed.
cSavedState::~cSavedState() {
    glPopAttrib();
    glBlendFunc(static_cast<GLenum>(blend_source_), static_cast<GLenum>(blend_destination_));
    glDepthMask(depth_mask_);
}
