// The drawing state of the single-pass post effects, held for the life of the object: depth
// writes, lighting, blending and depth testing off, opaque white, unit-square projection.
// The destructor gives back the matrices, the depth write mask and the attribute groups.
#pragma once

#include "render/cSavedState.h"

class cPostState {
public:
    cPostState();
    ~cPostState();
    cPostState(const cPostState&) = delete;
    cPostState& operator=(const cPostState&) = delete;

private:
    cSavedState saved_;
};
