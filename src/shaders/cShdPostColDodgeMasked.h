// Colour dodge of the image on unit 0 by the image on unit 1, applied as far as unit 1's
// alpha reaches; no effect binds it. No parameters.
// Constructing it compiles its program pair.
#pragma once

#include "cShdBase.h"

class cShdPostColDodgeMasked : public cShdBase {
public:
    cShdPostColDodgeMasked(CGprofile vertex_profile, cShaderManager_CG* manager,
                           CGprofile fragment_profile);
};
