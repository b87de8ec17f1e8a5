// Targets read one texel a pixel, at their texel centres, for the life of the object: those as
// large as the viewport are read nearest, where the linear filter would return the texel itself
// and the software renderer fetches one texel instead of four. Only for programs that read at
// the coordinates the quad gives them; a null entry is skipped.
#pragma once

#include "iRenderTarget.h"

#include <initializer_list>
#include <vector>

class cTexelReads {
public:
    explicit cTexelReads(std::initializer_list<iRenderTarget*> targets);
    ~cTexelReads();
    cTexelReads(const cTexelReads&) = delete;
    cTexelReads& operator=(const cTexelReads&) = delete;

private:
    static void filter(iRenderTarget& target, GLint mode);

    std::vector<iRenderTarget*> switched_;
};
