// Copies of a picture laid one over another in one pass, each shifted along x and faded. The
// record at index 1 is 28 floats: the alpha each copy is faded by, the picture's width in
// texels, the 25 copies' shifts in widths of the picture, then the texels of transparent
// border around the picture in its texture. The program made `together` takes every copy at
// the first copy's shift.
#pragma once

#include "cShdBase.h"

class cShdEcho : public cShdBase {
public:
    static constexpr int kCopies = 25;
    static constexpr int kCount = 3 + kCopies;

    cShdEcho(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
             bool together = false);

private:
    bool take(cShaderParameterBase* parameter) override;

    float fade_width_[2] = {0, 1};
    float border_ = 0;
    float shifts_[28] = {}; // seven vec4 uniforms, the last three unused
};
