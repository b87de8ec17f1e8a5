// GL state saved for the life of the object and given back at its end, for drawing code that
// changes it: the attribute groups asked for, the depth write mask and the blend factors. The
// one way the demo saves GL state: post effects, ortho sections, overlays and scenes use it.
#pragma once

#include <GL/gl.h>

class cSavedState {
public:
    explicit cSavedState(GLbitfield attribute_groups);
    ~cSavedState();
    cSavedState(const cSavedState&) = delete;
    cSavedState& operator=(const cSavedState&) = delete;

private:
    GLboolean depth_mask_ = GL_TRUE;
    GLint blend_source_ = GL_ONE;
    GLint blend_destination_ = GL_ZERO;
};
